#include "app/ReadingsCommand.h"

#include "platform/MessageBox.h"
#include "readings/CompanionMessages.h"
#include "session/DrillSession.h"
#include "widgets/RubyPanel.h"

#include <QAction>

ReadingsCommand::ReadingsCommand(DrillSession& session, RubyPanel& questionLine,
                                 MessageBox& messages)
    : session(session), questionLine(questionLine), messages(messages)
{}

void ReadingsCommand::showIn(const std::array<QAction*, 3>& items, QAction& byReading)
{
    furiganaItems = items;
    byReadingItem = &byReading;
    for (std::size_t k = 0; k < items.size(); ++k) {
        connect(items[k], &QAction::triggered, this, [this, k] {
            mode = static_cast<Furigana>(k);
            apply();
        });
    }
    connect(&byReading, &QAction::triggered, this, &ReadingsCommand::apply);
}

void ReadingsCommand::useStored(qint32 furigana, bool answerByReading)
{
    mode = static_cast<Furigana>(std::clamp(furigana, 0, qint32(Furigana::AfterMiss)));
    furiganaItems[std::size_t(mode)]->setChecked(true);
    byReadingItem->setChecked(answerByReading);
    apply();
}

bool ReadingsCommand::answerByReading() const
{
    return byReadingItem->isChecked();
}

void ReadingsCommand::apply()
{
    session.readings().setFurigana(mode);
    session.readings().setAnswerByReading(answerByReading());
    questionLine.setRubyRoom(mode != Furigana::Never);
    emit answersChanged();
}

void ReadingsCommand::tellLoadProblems(const QString& questionFile)
{
    const QString summary = CompanionMessages::summary(
        ReadingsCompanion::companionPath(questionFile), session.readings().problems());
    if (!summary.isEmpty())
        messages.tell(summary);
}

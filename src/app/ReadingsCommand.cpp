#include "app/ReadingsCommand.h"

#include "platform/FileDialog.h"
#include "platform/MessageBox.h"
#include "platform/ReplaceConfirmation.h"
#include "readings/CompanionMessages.h"
#include "session/DrillSession.h"
#include "widgets/RubyPanel.h"
#include "worksheet/Worksheet.h"
#include "worksheet/WorksheetContent.h"

#include <QAction>
#include <QFileInfo>

ReadingsCommand::ReadingsCommand(DrillSession& session, RubyPanel& questionLine,
                                 const Services& services)
    : session(session), questionLine(questionLine), services(services)
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

void ReadingsCommand::fileLoaded(const QString& questionFile)
{
    loadedFile = questionFile;
    const QString summary = CompanionMessages::summary(
        ReadingsCompanion::companionPath(questionFile), session.readings().problems());
    if (!summary.isEmpty())
        services.messages.tell(summary);
}

namespace {

WorksheetFurigana worksheetFurigana(Furigana mode)
{
    switch (mode) {
    case Furigana::Always:
        return WorksheetFurigana::Always;
    case Furigana::AfterMiss:
        return WorksheetFurigana::AfterMistakes;
    case Furigana::Never:
        break;
    }
    return WorksheetFurigana::None;
}

} // namespace

// Every question of the level in the file's order; 間違えた後 puts furigana over the notebook's
// pairs, as the question line does.
void ReadingsCommand::saveWorksheet()
{
    const QFileInfo file(loadedFile);
    const std::optional<ChosenFile> chosen = services.fileDialog.getSaveFileName(
        {QStringLiteral("練習プリント"),
         {{QStringLiteral("PDFファイル(*.pdf)"), QStringLiteral("*.pdf")}},
         file.completeBaseName() + QStringLiteral("-練習プリント.pdf"),
         QStringLiteral("pdf")});
    if (!chosen || !ReplaceConfirmation::allows(services.messages, chosen->path))
        return;
    WorksheetOptions options{session.level(), worksheetFurigana(mode), 0, {}};
    if (mode == Furigana::AfterMiss) {
        for (const NotebookEntry& entry : session.recorder().queries().notebook())
            options.missed.append(entry.pair);
    }
    const WorksheetContent content = WorksheetContents::make(
        file.fileName(), session.bank(), session.readings().table(), options, services.random);
    if (const Outcome<QString> written = Worksheet::writePdf(chosen->path, content); !written)
        services.messages.showError(WorksheetFailedMessage);
}

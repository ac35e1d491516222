#include "app/TFrmMain.h"

#include "platform/MessageBox.h"
#include "record/TFrmNotebook.h"
#include "record/TFrmTimeOuts.h"
#include "results/TFrmResults.h"

#include <QTimer>

void TFrmMain::MenuNoteClick()
{
    frmNotebook->showBank(bank, game.level());
    if (frmNotebook->exec() == QDialog::Accepted)
        startReview(frmNotebook->level());
    tellRecordMessage();
}

// The window works on a copy of the learner's name; the name it was last given comes back.
void TFrmMain::MenuResultsClick()
{
    frmResults->showRecord(recorder.file().path, game.level(), learnerName);
    frmResults->exec();
    learnerName = frmResults->learnerName();
    tellRecordMessage();
}

// A review is a game like any other, on the notebook's pairs in place of the level's.
void TFrmMain::startReview(int level)
{
    if (!review.begin(bank, level, recorder.notebook(), QDateTime::currentDateTimeUtc()))
        return;
    game.selectLevel(level);
    MenuStartClick();
    if (game.state() != DrillState::Running)
        review.end(bank);
}

void TFrmMain::showTimeOuts()
{
    frmTimeOuts->setEntries(recorder.timeOuts());
    frmTimeOuts->exec();
}

void TFrmMain::MenuClearRecordClick()
{
    if (!services.messageBox.confirm(
            QStringLiteral("学習記録（すべての答えと成績）を消去しますか")))
        return;
    recorder.clear();
    tellRecordMessage();
}

// A failure of the record is told between games, from the event loop, so it never stops a game.
void TFrmMain::tellRecordMessage()
{
    if (const std::optional<QString> message = recorder.takeMessage())
        QTimer::singleShot(0, this,
                           [this, text = *message] { services.messageBox.showError(text); });
}

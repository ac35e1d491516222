#include "app/TFrmMain.h"

#include "platform/MessageBox.h"
#include "record/TFrmNotebook.h"
#include "record/TFrmTimeOuts.h"
#include "results/ResultsWindow.h"

#include <QTimer>

void TFrmMain::MenuNoteClick()
{
    TFrmNotebook& notebook = windows.notebook();
    notebook.showBank(session.bank(), session.level(), session.reviewScheduler(),
                      session.readings().accepted());
    if (notebook.exec() == QDialog::Accepted &&
        session.startReview(notebook.level(), gameSettings()))
        RefreshWindow();
    tellRecordMessage();
}

// The window works on a copy of the learner's name; the name it was last given comes back.
void TFrmMain::MenuResultsClick()
{
    ResultsWindow* results = windows.results();
    if (!results)
        return;
    results->showRecord(session.recorder().file().path, session.level(), learnerName);
    results->dialog().exec();
    learnerName = results->learnerName();
    tellRecordMessage();
}

void TFrmMain::showTimeOuts()
{
    TFrmTimeOuts& timeOuts = windows.timeOuts();
    timeOuts.setEntries(session.recorder().timeOuts());
    timeOuts.exec();
}

void TFrmMain::MenuClearRecordClick()
{
    if (!services.messageBox.confirm(
            QStringLiteral("学習記録（すべての答えと成績）を消去しますか")))
        return;
    session.recorder().clear();
    tellRecordMessage();
}

// A failure of the record is told between games, from the event loop, so it never stops a game.
void TFrmMain::tellRecordMessage()
{
    if (session.inGame())
        return;
    if (const std::optional<QString> message = session.recorder().takeMessage())
        QTimer::singleShot(0, this,
                           [this, text = *message] { services.messageBox.showError(text); });
}

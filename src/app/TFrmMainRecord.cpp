#include "app/TFrmMain.h"

#include "platform/MessageBox.h"
#include "record/TFrmNotebook.h"
#include "record/TFrmTimeOuts.h"
#include "results/ResultsWindow.h"

#include <QTimer>

// The windows of the record are made the first time they are asked for, so the
// main window shows without waiting for their tables.
TFrmNotebook& TFrmMain::notebookWindow()
{
    if (!frmNotebook) {
        frmNotebook = new TFrmNotebook(recorder.queries(), recorder, services.fileDialog,
                                       services.messageBox, this);
        adoptDialog(frmNotebook);
    }
    return *frmNotebook;
}

// Nothing when the window's module cannot be loaded; the user is told why.
ResultsWindow* TFrmMain::resultsWindow()
{
    if (!frmResults) {
        const ResultsWindowFactory::Made made = services.resultsWindows.create(
            {recorder.queries(), services.fileDialog, services.messageBox}, this);
        if (!made.window) {
            services.messageBox.showError(ResultsUnavailableMessage.arg(made.error));
            return nullptr;
        }
        frmResults = made.window;
        adoptDialog(&frmResults->dialog());
    }
    return frmResults;
}

TFrmTimeOuts& TFrmMain::timeOutsWindow()
{
    if (!frmTimeOuts) {
        frmTimeOuts = new TFrmTimeOuts(this);
        adoptDialog(frmTimeOuts);
    }
    return *frmTimeOuts;
}

void TFrmMain::MenuNoteClick()
{
    TFrmNotebook& notebook = notebookWindow();
    notebook.showBank(bank, game.level());
    if (notebook.exec() == QDialog::Accepted)
        startReview(notebook.level());
    tellRecordMessage();
}

// The window works on a copy of the learner's name; the name it was last given comes back.
void TFrmMain::MenuResultsClick()
{
    ResultsWindow* results = resultsWindow();
    if (!results)
        return;
    results->showRecord(recorder.file().path, game.level(), learnerName);
    results->dialog().exec();
    learnerName = results->learnerName();
    tellRecordMessage();
}

// A review is a game like any other, on the notebook's pairs in place of the level's.
void TFrmMain::startReview(int level)
{
    if (!review.begin(bank, level, recorder.queries().notebook(), QDateTime::currentDateTimeUtc()))
        return;
    game.selectLevel(level);
    MenuStartClick();
    if (game.state() != DrillState::Running)
        review.end(bank);
}

void TFrmMain::showTimeOuts()
{
    TFrmTimeOuts& timeOuts = timeOutsWindow();
    timeOuts.setEntries(recorder.timeOuts());
    timeOuts.exec();
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

#include "app/TFrmMain.h"

#include "platform/MessageBox.h"
#include "questions/QuestionFile.h"
#include "widgets/RomajiLineInput.h"
#include "widgets/WindowParts.h"

#include <QAction>

void TFrmMain::connectClassroom()
{
    classCommand = new ClassroomCommand(
        session,
        {services.messageBox, services.fileDialog, services.helpViewer, services.resultsWindows,
         services.settings, services.random},
        {*this, [this] { return gameOptions(); },
         [this](const ClassroomCommand::GameOptions& options) { useGameOptions(options); }});
    classCommand->setParent(this);
    connect(classCommand, &ClassroomCommand::openedOrClosed, this, &TFrmMain::RefreshWindow);
    connect(MenuAssignmentClose, &QAction::triggered, this, &TFrmMain::closeAssignment);
    connect(MenuPupil, &QAction::triggered, classCommand, &ClassroomCommand::editPupil);
    connect(MenuBoard, &QAction::triggered, classCommand, &ClassroomCommand::showBoard);
    connect(MenuAssignmentNew, &QAction::triggered, classCommand,
            &ClassroomCommand::makeAssignment);
}

// The assignment's question file is loaded as any other; the caption and the recent files name
// the assignment, so that it is opened again from there.
void TFrmMain::openAssignment(const QString& path)
{
    const std::optional<QString> questions =
        classCommand->prepare(programFolder.absoluteFilePath(path));
    if (!questions)
        return;
    const QuestionFile::ReadOutcome outcome = session.load(*questions);
    if (!outcome) {
        classCommand->dropPrepared();
        questionsNotLoaded(outcome);
        return;
    }
    classCommand->openPrepared();
    setWindowTitle(ClassroomCommand::caption(ProductInfo::Name, *classCommand->assignment()));
    recent.update(path);
    readings->fileLoaded(*questions);
}

void TFrmMain::closeAssignment()
{
    classCommand->close();
    if (session.state() != DrillState::NoData)
        setWindowTitle(
            WindowParts::captionWithFile(ProductInfo::Name, session.recorder().file().path));
}

// A file that is not there leaves the questions as they were, and an open assignment with them;
// any other failure has emptied them, and the assignment they were is over.
void TFrmMain::questionsNotLoaded(const QuestionFile::ReadOutcome& outcome)
{
    if (classCommand->isOpen() && outcome.failure() != QuestionFile::ReadFailure::NotFound)
        closeAssignment();
    services.messageBox.showError(QuestionFile::messageFor(outcome));
}

ClassroomCommand::GameOptions TFrmMain::gameOptions() const
{
    return {readings->furigana(), readings->answerByReading(), MenuRomaji->isChecked()};
}

void TFrmMain::useGameOptions(const ClassroomCommand::GameOptions& options)
{
    readings->useStored(options.furigana, options.answerByReading);
    MenuRomaji->setChecked(options.romaji);
    MenuRomajiClick();
}

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
    connect(MenuAssignmentClose, &QAction::triggered, this, [this] {
        classCommand->close();
        if (session.state() != DrillState::NoData)
            setWindowTitle(
                WindowParts::captionWithFile(ProductInfo::Name, session.recorder().file().path));
    });
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
        classCommand->open(programFolder.absoluteFilePath(path));
    if (!questions)
        return;
    const QuestionFile::ReadOutcome outcome = session.load(*questions);
    if (!outcome) {
        classCommand->close();
        services.messageBox.showError(QuestionFile::messageFor(outcome));
        return;
    }
    setWindowTitle(ClassroomCommand::caption(ProductInfo::Name, *classCommand->assignment()));
    recent.update(path);
    readings->fileLoaded(*questions);
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

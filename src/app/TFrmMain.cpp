#include "app/TFrmMain.h"

#include "app/EventSoundFiles.h"
#include "drill/TFrmReport.h"
#include "editor/TFrmDataMake.h"
#include "help/TFrmVersion.h"
#include "import/TFrmImport.h"
#include "platform/FileDialog.h"
#include "platform/MessageBox.h"
#include "questions/QuestionFile.h"
#include "questions/QuestionFileRequest.h"
#include "record/QuitQuestion.h"
#include "settings/TFrmSetting.h"
#include "settings/TSoundDialog.h"
#include "widgets/RomajiLineInput.h"
#include "widgets/WindowParts.h"

#include <QFileInfo>
#include <QTimer>

namespace {

const QString EmptyLevelMessage = QStringLiteral("このレベルには問題が登録されていません");

} // namespace

TFrmMain::TFrmMain(const Services& services)
    : services(services), store(services.settings), sounds(services.wavePlayer),
      session(services.random, services.record, *this),
      windows({session.recorder(), services.fileDialog, services.messageBox, services.helpViewer,
               services.resultsWindows},
              this),
      today(session, services.messageBox, services.helpViewer),
      programFolder(QFileInfo(services.executablePath).absoluteDir())
{
    setupUi(this);
    today.showIn(*MenuToday, *MenuLevel, [this] { return gameSettings(); });
    today.showSettingsIn(*MenuReviewSetting, *this);
    connect(&today, &TodaysReviewCommand::started, this, &TFrmMain::RefreshWindow);
    listening = new ListeningCommand(
        session, {services.speech, services.wavePlayer, services.messageBox}, this);
    listening->showIn(*this, *MenuFile, *MenuStop, *MenuLevel, today,
                      [this] { return gameSettings(); });
    connect(listening, &ListeningCommand::started, this, &TFrmMain::RefreshWindow);
    readings = new ReadingsCommand(session, *Panel1,
                                   {services.messageBox, services.fileDialog, services.random});
    readings->setParent(this);
    readings->showIn(MenuFuriganaMode, *MenuByReading);
    connect(MenuWorksheet, &QAction::triggered, readings, &ReadingsCommand::saveWorksheet);
    connectClassroom();
    connectControls();
    connectMenus();
    frmSound = new TSoundDialog(services.fileDialog, this);
    frmReport = new TFrmReport(this);
    frmSetting = new TFrmSetting(this);
    frmVersion = new TFrmVersion(this);
    frmDataMake =
        new TFrmDataMake(services.fileDialog, services.messageBox, services.readingProposer, this);
    connect(frmReport, &TFrmReport::timeOutsRequested, this, &TFrmMain::showTimeOuts);
    connect(&session.recorder(), &GameRecorder::messageWaiting, this, &TFrmMain::tellRecordMessage);
    installHelpKeys();
    RefreshWindow();
}

TFrmMain::~TFrmMain() = default;

void TFrmMain::showEvent(QShowEvent* event)
{
    if (!shown) {
        shown = true;
        WindowParts::centreOnScreen(this);
    }
    QMainWindow::showEvent(event);
}

void TFrmMain::FormShow(const QString& fileToLoad)
{
    const QString settingsError = loadSettings();
    if (!fileToLoad.isEmpty()) {
        showLoading(fileToLoad);
        LoadQuestionFile(fileToLoad);
    }
    started = true;
    RefreshWindow();
    // A damaged stored value is told after the load's own message; start-up keeps its default.
    if (!settingsError.isEmpty())
        QTimer::singleShot(0, this,
                           [this, settingsError] { services.messageBox.showError(settingsError); });
    session.recorder().open();
    session.recorder().checkWholeFileWhenIdle();
    tellRecordMessage();
}

void TFrmMain::closeEvent(QCloseEvent* event)
{
    FormClose();
    QMainWindow::closeEvent(event);
}

void TFrmMain::FormClose()
{
    Timer1->stop();
    session.close();
    // The window's own choices are saved, not the assignment's.
    classCommand->close();
    QuitQuestion::askWhileAnswersWait(session.recorder(), services.messageBox);
    if (started)
        saveSettings();
}

QString TFrmMain::loadSettings()
{
    const LoadedSettings loaded = store.loadAll();
    settings = loaded.settings.drill;
    useEventSounds();
    recent = RecentFiles(loaded.settings.recent);
    MenuRomaji->setChecked(loaded.settings.romajiInput);
    MenuRomajiClick();
    learnerName = loaded.settings.learnerName;
    classCommand->useStoredPupil(loaded.settings.pupil);
    today.useStored(loaded.settings.review);
    readings->useStored(loaded.settings.furigana, loaded.settings.answerByReading);
    listening->useSettings(loaded.settings.speech);
    return loaded.firstError.value_or(QString());
}

void TFrmMain::saveSettings()
{
    StoredSettings stored{settings,
                          recent.all(),
                          romajiInput->isActive(),
                          learnerName,
                          today.reviewSettings(),
                          readings->furigana(),
                          readings->answerByReading()};
    stored.speech = listening->speechSettings();
    if (const Outcome<QString> saved = store.saveAll(stored); !saved)
        services.messageBox.showError(saved.failure());
}

void TFrmMain::RefreshWindow()
{
    showState(session.state(), started);
    showRecentFiles(recent);
    for (int level = 0; level < QuestionBank::LevelCount; ++level)
        MenuLv[level]->setChecked(level == session.level());
    classCommand->lock(*this, session.state(), started);
    // An assignment is played as its teacher set it, seen and not heard.
    listening->refresh(!classCommand->isOpen());
    if (listening->hidesQuestion())
        Panel1->setRubyText(ListeningCommand::HiddenQuestion, {});
}

void TFrmMain::LoadQuestionFile(const QString& path)
{
    // A relative path, from the command line or a recent entry it left, names a file in the
    // program's folder; the caption and the recent files keep it as it was given.
    if (ClassroomCommand::isAssignmentFile(programFolder.absoluteFilePath(path))) {
        openAssignment(path);
        return;
    }
    const QuestionFile::ReadOutcome outcome = session.load(programFolder.absoluteFilePath(path));
    if (!outcome) {
        questionsNotLoaded(outcome);
        return;
    }
    classCommand->close();
    setWindowTitle(WindowParts::captionWithFile(ProductInfo::Name, path));
    recent.update(path);
    readings->fileLoaded(path);
}

void TFrmMain::MenuLoadClick()
{
    const std::optional<QString> path =
        services.fileDialog.getOpenFileName(QuestionFile::openRequest());
    if (!path)
        return;
    LoadQuestionFile(*path);
    RefreshWindow();
}

// A deck of another program becomes a question file, which then loads as any other.
void TFrmMain::MenuImportClick()
{
    if (const std::optional<QString> path = windows.import().importFile())
        LoadQuestionFile(*path);
    RefreshWindow();
}

void TFrmMain::MenuHistClick(int entry)
{
    LoadQuestionFile(recent.entry(entry));
    RefreshWindow();
}

void TFrmMain::MenuStartClick()
{
    if (classCommand->isOpen() && session.state() == DrillState::Ready) {
        if (classCommand->start())
            RefreshWindow();
        return;
    }
    if (session.start(gameSettings()) == DrillSession::StartOutcome::EmptyLevel)
        services.messageBox.showError(EmptyLevelMessage);
    else
        RefreshWindow();
}

GameSettings TFrmMain::gameSettings() const
{
    return classCommand->gameSettings(
        {settings.secondsPerQuestion, settings.questionsPerGame, false});
}

void TFrmMain::MenuStopClick()
{
    session.stop();
    RefreshWindow();
}

void TFrmMain::MenuEndClick()
{
    classCommand->ending();
    session.end();
    tellRecordMessage();
    RefreshWindow();
}

void TFrmMain::MenuLvClick(int level)
{
    session.selectLevel(level);
    for (int k = 0; k < QuestionBank::LevelCount; ++k)
        MenuLv[k]->setChecked(k == session.level());
}

// The report of the last game, with the settings as they are now.
void TFrmMain::MenuScorClick()
{
    session.setReady();
    RefreshWindow();
    frmReport->setReport(session.lastReport(gameSettings()),
                         static_cast<int>(session.recorder().timeOuts().size()),
                         session.lastGrades());
    frmReport->exec();
}

void TFrmMain::MenuSettingClick()
{
    frmSetting->setValues(settings);
    frmSetting->setSpeech(listening->speechSettings());
    if (frmSetting->exec() != QDialog::Accepted)
        return;
    settings = frmSetting->values();
    listening->useSettings(frmSetting->speech());
}

void TFrmMain::MenuSoundClick()
{
    frmSound->setValues(settings);
    if (frmSound->exec() != QDialog::Accepted)
        return;
    settings = frmSound->values();
    useEventSounds();
}

// The event sounds are kept ready, so a changed path is taken up as soon as it is confirmed.
void TFrmMain::useEventSounds()
{
    sounds.setEventFiles(eventSoundFiles(settings, programFolder));
}

void TFrmMain::MenuBgColorClick()
{
    chooseBackground(services.colorDialog);
}

void TFrmMain::MenuFontClick()
{
    chooseLineFont(services.fontDialog);
}

void TFrmMain::MenuDataClick()
{
    frmDataMake->exec();
}

void TFrmMain::MenuRomajiClick()
{
    romajiInput->setActive(MenuRomaji->isChecked());
    session.setInputMode(MenuRomaji->isChecked() ? InputMode::Romaji : InputMode::InputMethod);
}

void TFrmMain::MenuAboutClick()
{
    frmVersion->exec();
}

void TFrmMain::MenuCloseClick()
{
    close();
}

#include "app/TFrmMain.h"

#include "drill/TFrmReport.h"
#include "editor/TFrmDataMake.h"
#include "help/TFrmVersion.h"
#include "import/TFrmImport.h"
#include "platform/ColorDialog.h"
#include "platform/FileDialog.h"
#include "platform/FontDialog.h"
#include "platform/MessageBox.h"
#include "questions/QuestionFile.h"
#include "questions/QuestionFileRequest.h"
#include "settings/LineFont.h"
#include "settings/TFrmSetting.h"
#include "settings/TSoundDialog.h"
#include "widgets/BevelPanel.h"
#include "widgets/FirstExposure.h"
#include "widgets/RomajiLineInput.h"
#include "widgets/WindowParts.h"

#include <QCloseEvent>
#include <QFileInfo>
#include <QLineEdit>
#include <QMenu>
#include <QProgressBar>
#include <QTimer>

namespace {

const QString EmptyLevelMessage = QStringLiteral("このレベルには問題が登録されていません");

QString statusText(DrillState state)
{
    switch (state) {
    case DrillState::NoData:
        return QStringLiteral("まずデータファイルのロードを行ってください");
    case DrillState::Ready:
        return QStringLiteral("スタート(F2)ではじまります");
    case DrillState::Running:
        return QStringLiteral("ゲーム中");
    case DrillState::Paused:
        return QStringLiteral("スタート(F2)で続き、終了(F8)で戻ります");
    }
    return {};
}

} // namespace

TFrmMain::TFrmMain(const Services& services)
    : services(services), store(services.settings), sounds(services.wavePlayer),
      game(bank, services.random, *this), recorder(services.record)
{
    createControls();
    createMenus();
    frmSound = new TSoundDialog(services.fileDialog, this);
    frmReport = new TFrmReport(this);
    frmSetting = new TFrmSetting(this);
    frmVersion = new TFrmVersion(this);
    frmDataMake = new TFrmDataMake(services.fileDialog, services.messageBox, this);
    connect(frmReport, &TFrmReport::timeOutsRequested, this, &TFrmMain::showTimeOuts);
    installHelpKeys();
    FormCreate();
}

TFrmMain::~TFrmMain() = default;

void TFrmMain::FormCreate()
{
    const QFileInfo executable(services.executablePath);
    programFolder = executable.absoluteDir();
}

void TFrmMain::showEvent(QShowEvent* event)
{
    if (!shown) {
        shown = true;
        WindowParts::centreOnScreen(this);
        FormShow();
    }
    QMainWindow::showEvent(event);
}

void TFrmMain::FormShow()
{
    const QString settingsError = loadSettings();
    if (!services.arguments.isEmpty())
        LoadQuestionFile(services.arguments.constFirst());
    RefreshWindow();
    // A damaged value is reported once the window is up, and so after any message of the load
    // above has been closed; start-up goes on with its default.
    if (!settingsError.isEmpty()) {
        QTimer::singleShot(0, this,
                           [this, settingsError] { services.messageBox.showError(settingsError); });
    }
    // The record is opened once the window is on the screen and painted: loading the database
    // driver and reading the disk would otherwise hold up the map request in the first turn of
    // the event loop.
    new FirstExposure(windowHandle(), [this] {
        QTimer::singleShot(0, this, [this] {
            recorder.open();
            tellRecordMessage();
        });
    });
}

void TFrmMain::closeEvent(QCloseEvent* event)
{
    FormClose();
    QMainWindow::closeEvent(event);
}

void TFrmMain::FormClose()
{
    Timer1->stop();
    bank.ClearAll();
    saveSettings();
}

QString TFrmMain::loadSettings()
{
    const LoadedSettings loaded = store.loadAll();
    settings = loaded.settings.drill;
    useEventSounds();
    for (int k = 0; k < RecentFiles::Count; ++k)
        recent.setEntry(k, loaded.settings.recent[k]);
    MenuRomaji->setChecked(loaded.settings.romajiInput);
    romajiInput->setActive(loaded.settings.romajiInput);
    learnerName = loaded.settings.learnerName;
    return loaded.firstError.value_or(QString());
}

void TFrmMain::saveSettings()
{
    StoredSettings stored;
    stored.drill = settings;
    for (int k = 0; k < RecentFiles::Count; ++k)
        stored.recent[k] = recent.entry(k);
    stored.romajiInput = romajiInput->isActive();
    stored.learnerName = learnerName;
    if (const Outcome<QString> saved = store.saveAll(stored); !saved)
        services.messageBox.showError(saved.failure());
}

void TFrmMain::RefreshWindow()
{
    const DrillState state = game.state();
    const bool idle = state == DrillState::NoData || state == DrillState::Ready;
    const bool running = state == DrillState::Running;
    MenuLoad->setEnabled(idle);
    MenuImport->setEnabled(idle);
    MenuStart->setEnabled(state == DrillState::Ready || state == DrillState::Paused);
    MenuStop->setEnabled(running);
    MenuEnd->setEnabled(running || state == DrillState::Paused);
    MenuLevel->setEnabled(state == DrillState::Ready);
    MenuLevel->menuAction()->setEnabled(state == DrillState::Ready);
    MenuEtc->setEnabled(idle);
    MenuEtc->menuAction()->setEnabled(idle);
    for (QAction* entry : MenuHist)
        entry->setEnabled(idle);
    // Starting afresh only when it was stopped keeps a full first interval after Start.
    if (!running)
        Timer1->stop();
    else if (!Timer1->isActive())
        Timer1->start();
    ProgressBar1->setVisible(running);

    Panel2->setPanelText(statusText(state));
    Panel1->setPanelText(QString());
    Edit1->setReadOnly(!running);
    rebuildRecentEntries();
    for (int level = 0; level < QuestionBank::LevelCount; ++level)
        MenuLv[level]->setChecked(level == game.level());
}

void TFrmMain::rebuildRecentEntries()
{
    bool anyEntry = false;
    for (int k = 0; k < RecentFiles::Count; ++k) {
        const QString path = recent.entry(k);
        MenuHist[k]->setText(recent.menuCaption(k));
        MenuHist[k]->setVisible(!path.isEmpty());
        anyEntry = anyEntry || !path.isEmpty();
    }
    N3->setVisible(anyEntry);
}

void TFrmMain::LoadQuestionFile(const QString& path)
{
    // A relative path, from the command line or a recent entry it left, names a file in the
    // program's folder; the caption and the recent files keep it as it was given.
    const QuestionFile::ReadOutcome outcome =
        QuestionFile::read(programFolder.absoluteFilePath(path), bank);
    if (!outcome) {
        services.messageBox.showError(QuestionFile::messageFor(outcome));
        return;
    }
    setWindowTitle(WindowParts::captionWithFile(ApplicationTitle, path));
    recent.update(path);
    recorder.useFile(programFolder.absoluteFilePath(path));
    game.setReady();
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

// Made the first time it is asked for, so the main window shows without waiting for its tables.
TFrmImport& TFrmMain::importWindow()
{
    if (!frmImport) {
        frmImport = new TFrmImport(services.fileDialog, services.messageBox, this);
        adoptDialog(frmImport);
    }
    return *frmImport;
}

// A deck of another program becomes a question file, which then loads as any other.
void TFrmMain::MenuImportClick()
{
    if (const std::optional<QString> path = importWindow().importFile())
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
    const bool newGame = game.state() == DrillState::Ready;
    const Drill::StartOutcome outcome = game.start(settings.questionsPerGame);
    if (outcome == Drill::StartOutcome::EmptyLevel) {
        services.messageBox.showError(EmptyLevelMessage);
        return;
    }
    if (outcome == Drill::StartOutcome::Started && newGame) {
        recorder.gameStarted(game.level(), settings.secondsPerQuestion, settings.questionsPerGame,
                             review.active());
    }
    RefreshWindow();
}

void TFrmMain::MenuStopClick()
{
    game.stop();
    RefreshWindow();
}

void TFrmMain::MenuEndClick()
{
    game.end();
    recorder.gameEnded();
    review.end(bank);
    tellRecordMessage();
    RefreshWindow();
}

void TFrmMain::MenuLvClick(int level)
{
    game.selectLevel(level);
    for (int k = 0; k < QuestionBank::LevelCount; ++k)
        MenuLv[k]->setChecked(k == game.level());
}

void TFrmMain::MenuScorClick()
{
    game.setReady();
    RefreshWindow();
    frmReport->setFigures(ReportFigures::texts(reportInputs()));
    frmReport->setTimeOutCount(static_cast<int>(recorder.timeOuts().size()));
    frmReport->exec();
}

ReportInputs TFrmMain::reportInputs() const
{
    const DrillTally& tally = game.tally();
    return {settings.secondsPerQuestion, settings.questionsPerGame, tally.correctCount,
            tally.correctTimeSum, tally.answerTimeSum};
}

void TFrmMain::MenuSettingClick()
{
    frmSetting->setValues(settings);
    if (frmSetting->exec() == QDialog::Accepted)
        settings = frmSetting->values();
}

void TFrmMain::MenuSoundClick()
{
    frmSound->setValues(settings);
    if (frmSound->exec() != QDialog::Accepted)
        return;
    settings = frmSound->values();
    useEventSounds();
}

// The event sounds are kept ready, so a changed path is taken up as soon as it is confirmed. The
// mistake sound is stored for the user but no event plays it. A relative path names a file in the
// program's folder, as a question file's does; the empty path stays no file.
void TFrmMain::useEventSounds()
{
    const auto inProgramFolder = [this](const QString& path) {
        return path.isEmpty() ? path : programFolder.absoluteFilePath(path);
    };
    sounds.setEventFiles({{SoundEvent::Correct, inProgramFolder(settings.correctSound)},
                          {SoundEvent::TimeOut, inProgramFolder(settings.timeOutSound)}});
}

void TFrmMain::MenuBgColorClick()
{
    QPalette palette = centralWidget()->palette();
    const std::optional<QColor> chosen =
        services.colorDialog.getColor(palette.color(QPalette::Window));
    if (!chosen)
        return;
    // The captions take the window's colour; the three lines keep their own.
    palette.setColor(QPalette::Window, *chosen);
    centralWidget()->setPalette(palette);
}

void TFrmMain::MenuFontClick()
{
    const QFont preset = Panel1->font();
    if (const std::optional<QFont> chosen = services.fontDialog.getFont(preset)) {
        const QFont font = LineFont::fromChoice(preset, *chosen);
        Panel1->setFont(font);
        Edit1->setFont(font);
    }
}

void TFrmMain::MenuDataClick()
{
    frmDataMake->exec();
}

void TFrmMain::MenuRomajiClick()
{
    romajiInput->setActive(MenuRomaji->isChecked());
}

void TFrmMain::MenuAboutClick()
{
    frmVersion->exec();
}

void TFrmMain::MenuCloseClick()
{
    close();
}

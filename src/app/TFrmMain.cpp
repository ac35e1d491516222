#include "app/TFrmMain.h"

#include "drill/TFrmReport.h"
#include "editor/TFrmDataMake.h"
#include "help/HelpRouting.h"
#include "help/HelpTopics.h"
#include "help/TFrmVersion.h"
#include "platform/ColorDialog.h"
#include "platform/FileDialog.h"
#include "platform/FontDialog.h"
#include "platform/HelpViewer.h"
#include "platform/MessageBox.h"
#include "questions/QuestionFile.h"
#include "questions/TextCodec.h"
#include "settings/LineFont.h"
#include "settings/TFrmSetting.h"
#include "settings/TSoundDialog.h"
#include "widgets/BevelPanel.h"
#include "widgets/HelpKeys.h"
#include "widgets/JapaneseFont.h"
#include "widgets/MarkImages.h"
#include "widgets/WindowParts.h"

#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QIcon>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenuBar>
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

QLabel* createCaption(QWidget* parent, const QString& name, const QString& text, int top,
                      int height)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setFont(JapaneseFont::ofPixelSize(16));
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    label->setGeometry(8, top, 73, height);
    return label;
}

} // namespace

TFrmMain::TFrmMain(const Services& services)
    : services(services), store(services.settings), sounds(services.wavePlayer),
      game(bank, services.random, *this)
{
    createControls();
    createMenus();
    frmSound = new TSoundDialog(services.fileDialog, this);
    frmReport = new TFrmReport(this);
    frmSetting = new TFrmSetting(this);
    frmVersion = new TFrmVersion(this);
    frmDataMake = new TFrmDataMake(services.fileDialog, services.messageBox, this);
    installHelpKeys();
    FormCreate();
}

TFrmMain::~TFrmMain() = default;

void TFrmMain::FormCreate()
{
    const QFileInfo executable(services.executablePath);
    programFolder = executable.absoluteDir();
}

void TFrmMain::createControls()
{
    setObjectName(QStringLiteral("TFrmMain"));
    setWindowTitle(ApplicationTitle);
    setWindowIcon(
        QIcon::fromTheme(QStringLiteral("tazune"), QIcon(QStringLiteral(":/icons/tazune.svg"))));
    setWindowFlag(Qt::MSWindowsFixedSizeDialogHint);
    setWindowFlag(Qt::WindowMaximizeButtonHint, false);
    setFont(JapaneseFont::ofPixelSize(12));

    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    client->setFixedSize(498, 128);
    client->setAutoFillBackground(true);
    QPalette green = client->palette();
    green.setColor(QPalette::Window, QColor(0, 128, 0));
    client->setPalette(green);
    setCentralWidget(client);
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    Label1 = createCaption(client, QStringLiteral("Label1"), QStringLiteral("残り時間"), 8, 17);
    Label2 = createCaption(client, QStringLiteral("Label2"), QStringLiteral("問題文章"), 32, 25);
    Label3 = createCaption(client, QStringLiteral("Label3"), QStringLiteral("入力場所"), 64, 25);

    // A screen reader reads each line's value as its name and the caption beside it as what
    // the line is.
    Panel2 = new BevelPanel(client, QStringLiteral("Panel2"));
    Panel2->setGeometry(88, 8, 361, 17);
    Panel2->setCaption(Label1->text());
    ProgressBar1 = new QProgressBar(Panel2);
    ProgressBar1->setObjectName(QStringLiteral("ProgressBar1"));
    ProgressBar1->setGeometry(2, 2, 357, 13);
    ProgressBar1->setRange(0, Drill::BarMaximum);
    ProgressBar1->setValue(0);
    ProgressBar1->setTextVisible(false);
    ProgressBar1->setAccessibleDescription(Label1->text());
    showRemainingTime(0);
    ProgressBar1->hide();

    Panel1 = new BevelPanel(client, QStringLiteral("Panel1"));
    Panel1->setGeometry(88, 32, 361, 25);
    Panel1->setCaption(Label2->text());

    Edit1 = new QLineEdit(client);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setGeometry(88, 64, 361, 25);
    Edit1->setAccessibleName(Label3->text());
    Edit1->setFocus();
    connect(Edit1, &QLineEdit::textChanged, this, &TFrmMain::Edit1Change);

    Image1 = new QLabel(client);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(456, 16, 33, 33);
    Image1->setAlignment(Qt::AlignCenter);
    ImageList1 = {MarkImages::timeOutCross(), MarkImages::correctCircle()};

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(100);
    connect(Timer1, &QTimer::timeout, this, &TFrmMain::Timer1Timer);
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
    return loaded.firstError;
}

void TFrmMain::saveSettings()
{
    StoredSettings stored{settings, {}};
    for (int k = 0; k < RecentFiles::Count; ++k)
        stored.recent[k] = recent.entry(k);
    if (const QString error = store.saveAll(stored); !error.isEmpty())
        services.messageBox.showError(error);
}

void TFrmMain::RefreshWindow()
{
    const DrillState state = game.state();
    const bool idle = state == DrillState::NoData || state == DrillState::Ready;
    const bool running = state == DrillState::Running;
    MenuLoad->setEnabled(idle);
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
    if (outcome != QuestionFile::ReadOutcome::Loaded) {
        services.messageBox.showError(QuestionFile::messageFor(outcome));
        return;
    }
    setWindowTitle(ApplicationTitle + QStringLiteral("　－　[") + path + QLatin1Char(']'));
    recent.update(path);
    game.setReady();
}

void TFrmMain::MenuLoadClick()
{
    OpenFileRequest request;
    request.title = QStringLiteral("ファイルを開く");
    request.filters = {{QStringLiteral("Tazuneﾃﾞｰﾀﾌｧｲﾙ(*.DAT)"), QStringLiteral("*.DAT")},
                       {QStringLiteral("すべてのﾌｧｲﾙ(*.*)"), QStringLiteral("*.*")}};
    request.mustExist = true;
    const std::optional<QString> path = services.fileDialog.getOpenFileName(request);
    if (!path)
        return;
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
    if (game.start(settings.questionsPerGame) == Drill::StartOutcome::EmptyLevel) {
        services.messageBox.showError(EmptyLevelMessage);
        return;
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
    const DrillTally& tally = game.tally();
    frmReport->setFigures(
        ReportFigures::texts({settings.secondsPerQuestion, settings.questionsPerGame,
                              tally.correctCount, tally.correctTimeSum, tally.answerTimeSum}));
    frmReport->exec();
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
// mistake sound is stored for the user but no event plays it.
void TFrmMain::useEventSounds()
{
    sounds.setEventFiles({{SoundEvent::Correct, settings.correctSound},
                          {SoundEvent::TimeOut, settings.timeOutSound}});
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

void TFrmMain::MenuContentsClick()
{
    services.helpViewer.showContext(HelpRouting::contextOf(MenuContents));
}

void TFrmMain::MenuKeywordClick()
{
    services.helpViewer.showFinder();
}

// F1 in the main window is the shortcut of "目次"; in the dialogs and in open menus it is handled
// here. A help request never waits for the viewer, so a game goes on behind it.
void TFrmMain::installHelpKeys()
{
    HelpRouting::setContext(this, HelpTopics::MainWindowContext);
    HelpRouting::setContext(MenuContents, HelpTopics::MainWindowContext);
    for (QDialog* dialog :
         std::initializer_list<QDialog*>{frmSound, frmReport, frmSetting, frmDataMake, frmVersion})
        HelpKeys::installOnDialog(dialog, services.helpViewer);
    for (QMenu* menu : {MenuFile, MenuLevel, MenuEtc, MenuHelp})
        HelpKeys::installOnMenu(menu, services.helpViewer);
    const auto showContext = [this](int context) { services.helpViewer.showContext(context); };
    connect(frmSound, &TSoundDialog::helpRequested, this, showContext);
    connect(frmDataMake, &TFrmDataMake::helpRequested, this, showContext);
}

void TFrmMain::MenuDataClick()
{
    frmDataMake->exec();
}

void TFrmMain::MenuAboutClick()
{
    frmVersion->exec();
}

void TFrmMain::MenuCloseClick()
{
    close();
}

void TFrmMain::Timer1Timer()
{
    game.tick();
}

void TFrmMain::Edit1Change()
{
    game.checkAnswer(TextCodec::encode(Edit1->text()));
}

void TFrmMain::setBarPosition(int position)
{
    ProgressBar1->setValue(position);
    showRemainingTime(position);
}

// In whole seconds, so that a screen reader hears of it once a second rather than every tick.
void TFrmMain::showRemainingTime(int position)
{
    const int tenths = Drill::BarMaximum - position;
    const QString remaining = QStringLiteral("残り%1秒").arg((tenths + 9) / 10);
    if (ProgressBar1->accessibleName() != remaining)
        ProgressBar1->setAccessibleName(remaining);
}

void TFrmMain::showQuestion(const QByteArray& question)
{
    Panel1->setPanelText(TextCodec::decode(question));
}

void TFrmMain::clearInput()
{
    Edit1->clear();
}

void TFrmMain::drawMark(DrillMark mark)
{
    Image1->setPixmap(ImageList1[static_cast<int>(mark)]);
    Image1->setAccessibleName(mark == DrillMark::Correct ? QStringLiteral("正解")
                                                         : QStringLiteral("時間切れ"));
}

void TFrmMain::playSound(SoundEvent sound)
{
    sounds.play(sound);
}

void TFrmMain::gameOver()
{
    MenuScorClick();
}

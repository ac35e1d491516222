#include "app/MainWindowUi.h"

#include "ProductInfo.h"
#include "app/ApplicationIcon.h"
#include "drill/Drill.h"
#include "help/HelpRouting.h"
#include "help/HelpTopics.h"
#include "platform/ColorDialog.h"
#include "platform/FontDialog.h"
#include "questions/LevelNames.h"
#include "settings/LineFont.h"
#include "settings/RecentFiles.h"
#include "widgets/BevelPanel.h"
#include "widgets/HelpKeys.h"
#include "widgets/JapaneseFont.h"
#include "widgets/MarkImages.h"
#include "widgets/RubyPanel.h"

#include <QActionGroup>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QProgressBar>
#include <QTimer>

namespace {

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

QAction* addItem(QMenu* menu, const QString& name, const QString& caption,
                 const QKeySequence& shortcut = {})
{
    QAction* action = menu->addAction(caption);
    action->setObjectName(name);
    action->setShortcut(shortcut);
    return action;
}

QAction* addSeparator(QMenu* menu, const QString& name)
{
    QAction* separator = menu->addSeparator();
    separator->setObjectName(name);
    return separator;
}

QMenu* addMenu(QMenuBar* bar, const QString& name, const QString& caption)
{
    QMenu* menu = bar->addMenu(caption);
    menu->setObjectName(name);
    menu->menuAction()->setObjectName(name + QStringLiteral("Action"));
    return menu;
}
const QString PreparingText = QStringLiteral("準備中です");
// %1: the file's name.
const QString LoadingText = QStringLiteral("%1 を読み込んでいます");

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

void MainWindowUi::createControls(QMainWindow* window)
{
    window->setObjectName(QStringLiteral("TFrmMain"));
    window->setWindowTitle(ProductInfo::Name);
    window->setWindowIcon(ApplicationIcon::create());
    window->setWindowFlag(Qt::MSWindowsFixedSizeDialogHint);
    window->setWindowFlag(Qt::WindowMaximizeButtonHint, false);
    window->setFont(JapaneseFont::ofPixelSize(12));

    auto* client = new QWidget(window);
    client->setObjectName(QStringLiteral("client"));
    client->setFixedSize(498, 128);
    client->setAutoFillBackground(true);
    QPalette green = client->palette();
    green.setColor(QPalette::Window, QColor(0, 128, 0));
    client->setPalette(green);
    window->setCentralWidget(client);
    window->layout()->setSizeConstraint(QLayout::SetFixedSize);

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
    showBar(0);
    ProgressBar1->hide();

    Panel1 = new RubyPanel(client, QStringLiteral("Panel1"));
    Panel1->setGeometry(88, 32, 361, 25);
    Panel1->setCaption(Label2->text());

    Edit1 = new QLineEdit(client);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setGeometry(88, 64, 361, 25);
    Edit1->setAccessibleName(Label3->text());
    Edit1->setFocus();

    Image1 = new QLabel(client);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(456, 16, 33, 33);
    Image1->setAlignment(Qt::AlignCenter);
    ImageList1 = {MarkImages::timeOutCross(), MarkImages::correctCircle()};

    Timer1 = new QTimer(window);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(Drill::TickMilliseconds);
}

void MainWindowUi::setupUi(QMainWindow* window)
{
    createControls(window);
    QMenuBar* bar = window->menuBar();
    bar->setObjectName(QStringLiteral("MainMenu1"));
    createFileMenu(bar);
    createLevelMenu(bar);
    createEtcMenu(bar);
    createHelpMenu(bar);
}

void MainWindowUi::createFileMenu(QMenuBar* bar)
{
    MenuFile = addMenu(bar, QStringLiteral("MenuFile"), QStringLiteral("ﾌｧｲﾙ(&F)"));
    MenuLoad = addItem(MenuFile, QStringLiteral("MenuLoad"), QStringLiteral("ﾛｰﾄﾞ(&L)"));
    MenuImport = addItem(MenuFile, QStringLiteral("MenuImport"), QStringLiteral("ｲﾝﾎﾟｰﾄ(&I)"));
    MenuWorksheet =
        addItem(MenuFile, QStringLiteral("MenuWorksheet"), QStringLiteral("練習ﾌﾟﾘﾝﾄ(&P)..."));
    createClassItems();
    addSeparator(MenuFile, QStringLiteral("N1"));
    MenuStart =
        addItem(MenuFile, QStringLiteral("MenuStart"), QStringLiteral("ｽﾀｰﾄ(&S)"), Qt::Key_F2);
    MenuStop =
        addItem(MenuFile, QStringLiteral("MenuStop"), QStringLiteral("ｽﾄｯﾌﾟ(&T)"), Qt::Key_F5);
    MenuEnd =
        addItem(MenuFile, QStringLiteral("MenuEnd"), QStringLiteral("終わる(&Q)"), Qt::Key_F8);
    N3 = addSeparator(MenuFile, QStringLiteral("N3"));
    for (int k = 0; k < 3; ++k)
        MenuHist[k] = addItem(MenuFile, QStringLiteral("MenuHist%1").arg(k + 1), QString());
    addSeparator(MenuFile, QStringLiteral("N2"));
    MenuClose = addItem(MenuFile, QStringLiteral("MenuClose"), QStringLiteral("閉じる(&C)"));
}

void MainWindowUi::createClassItems()
{
    addSeparator(MenuFile, QStringLiteral("N16"));
    MenuAssignmentNew =
        addItem(MenuFile, QStringLiteral("MenuAssignmentNew"), QStringLiteral("課題の作成(&A)..."));
    MenuAssignmentClose = addItem(MenuFile, QStringLiteral("MenuAssignmentClose"),
                                  QStringLiteral("課題を閉じる(&K)"));
    MenuPupil = addItem(MenuFile, QStringLiteral("MenuPupil"), QStringLiteral("名前の登録(&N)..."));
    MenuBoard =
        addItem(MenuFile, QStringLiteral("MenuBoard"), QStringLiteral("クラスの様子(&B)..."));
}

void MainWindowUi::createLevelMenu(QMenuBar* bar)
{
    MenuLevel = addMenu(bar, QStringLiteral("MenuLevel"), QStringLiteral("ﾚﾍﾞﾙ(&L)"));
    for (int k = 0; k < 3; ++k) {
        MenuLv[k] =
            addItem(MenuLevel, QStringLiteral("MenuLv%1").arg(k + 1), LevelNames::caption(k));
        MenuLv[k]->setCheckable(true);
    }
    MenuLv[0]->setChecked(true);
    addSeparator(MenuLevel, QStringLiteral("N6"));
    MenuSetting = addItem(MenuLevel, QStringLiteral("MenuSetting"), QStringLiteral("設定(&S)"));
    addSeparator(MenuLevel, QStringLiteral("N8"));
    MenuScor = addItem(MenuLevel, QStringLiteral("MenuScor"), QStringLiteral("前回の成績(&B)"));
    MenuNote = addItem(MenuLevel, QStringLiteral("MenuNote"), QStringLiteral("間違いﾉｰﾄ(&M)"));
    MenuResults =
        addItem(MenuLevel, QStringLiteral("MenuResults"), QStringLiteral("成績の記録(&R)"));
    MenuToday = addItem(MenuLevel, QStringLiteral("MenuToday"), QStringLiteral("今日の復習(&T)"));
    MenuReviewSetting = addItem(MenuLevel, QStringLiteral("MenuReviewSetting"),
                                QStringLiteral("復習の設定(&V)..."));
}

void MainWindowUi::createEtcMenu(QMenuBar* bar)
{
    MenuEtc = addMenu(bar, QStringLiteral("MenuEtc"), QStringLiteral("その他(&E)"));
    MenuBgColor = addItem(MenuEtc, QStringLiteral("MenuBgColor"), QStringLiteral("背景色変更(&C)"));
    MenuFont = addItem(MenuEtc, QStringLiteral("MenuFont"), QStringLiteral("ﾌｫﾝﾄ変更(&F)"));
    MenuSound = addItem(MenuEtc, QStringLiteral("MenuSound"), QStringLiteral("効果音設定(&W)"));
    addSeparator(MenuEtc, QStringLiteral("N12"));
    MenuData = addItem(MenuEtc, QStringLiteral("MenuData"), QStringLiteral("ﾃﾞｰﾀ編集(&D)"));
    addSeparator(MenuEtc, QStringLiteral("N13"));
    MenuRomaji = addItem(MenuEtc, QStringLiteral("MenuRomaji"), QStringLiteral("ﾛｰﾏ字入力(&R)"));
    MenuRomaji->setCheckable(true);
    createReadingItems();
    MenuClearRecord =
        addItem(MenuEtc, QStringLiteral("MenuClearRecord"), QStringLiteral("学習記録の消去(&R)"));
}

// How the loaded file's readings are used: over the question, and as answers.
void MainWindowUi::createReadingItems()
{
    MenuFurigana = MenuEtc->addMenu(QStringLiteral("ふりがな(&U)"));
    MenuFurigana->setObjectName(QStringLiteral("MenuFurigana"));
    auto* modes = new QActionGroup(MenuFurigana);
    const std::array<std::pair<const char*, QString>, 3> items{{
        {"MenuFuriganaNever", QStringLiteral("表示しない(&N)")},
        {"MenuFuriganaAlways", QStringLiteral("常に(&A)")},
        {"MenuFuriganaAfterMiss", QStringLiteral("間違えた後(&M)")},
    }};
    for (std::size_t k = 0; k < items.size(); ++k) {
        MenuFuriganaMode[k] =
            addItem(MenuFurigana, QString::fromLatin1(items[k].first), items[k].second);
        MenuFuriganaMode[k]->setCheckable(true);
        modes->addAction(MenuFuriganaMode[k]);
    }
    MenuFuriganaMode[0]->setChecked(true);
    MenuByReading =
        addItem(MenuEtc, QStringLiteral("MenuByReading"), QStringLiteral("読みで答える(&Y)"));
    MenuByReading->setCheckable(true);
}

void MainWindowUi::createHelpMenu(QMenuBar* bar)
{
    MenuHelp = addMenu(bar, QStringLiteral("MenuHelp"), QStringLiteral("ﾍﾙﾌﾟ(&H)"));
    MenuContents =
        addItem(MenuHelp, QStringLiteral("MenuContents"), QStringLiteral("目次"), Qt::Key_F1);
    MenuKeyword = addItem(MenuHelp, QStringLiteral("MenuKeyword"), QStringLiteral("ｷｰﾜｰﾄﾞ(&K)"));
    addSeparator(MenuHelp, QStringLiteral("N15"));
    MenuAbout = addItem(MenuHelp, QStringLiteral("MenuAbout"), QStringLiteral("ﾊﾞｰｼﾞｮﾝ(&A)"));
}

void MainWindowUi::installHelpKeys(HelpViewer& viewer)
{
    HelpRouting::setContext(MenuContents, HelpTopics::MainWindowContext);
    HelpRouting::setContext(MenuRomaji, HelpTopics::RomajiContext);
    for (QAction* item : {MenuFurigana->menuAction(), MenuByReading, MenuWorksheet})
        HelpRouting::setContext(item, HelpTopics::ReadingsContext);
    for (QAction* item : MenuFuriganaMode)
        HelpRouting::setContext(item, HelpTopics::ReadingsContext);
    HelpRouting::setContext(MenuToday, HelpTopics::TodaysReviewContext);
    HelpRouting::setContext(MenuReviewSetting, HelpTopics::ReviewSettingsContext);
    HelpRouting::setContext(MenuAssignmentClose, HelpTopics::AssignmentContext);
    HelpRouting::setContext(MenuPupil, HelpTopics::PupilContext);
    HelpRouting::setContext(MenuBoard, HelpTopics::BoardContext);
    HelpRouting::setContext(MenuAssignmentNew, HelpTopics::AssignmentEditorContext);
    for (QMenu* menu : {MenuFile, MenuLevel, MenuEtc, MenuFurigana, MenuHelp})
        HelpKeys::installOnMenu(menu, viewer);
}

void MainWindowUi::showState(DrillState state, bool startedUp)
{
    const bool idle = startedUp && (state == DrillState::NoData || state == DrillState::Ready);
    const bool running = state == DrillState::Running;
    MenuLoad->setEnabled(idle);
    MenuImport->setEnabled(idle);
    MenuWorksheet->setEnabled(startedUp && state == DrillState::Ready);
    MenuStart->setEnabled(startedUp && (state == DrillState::Ready || state == DrillState::Paused));
    MenuStop->setEnabled(running);
    MenuEnd->setEnabled(running || state == DrillState::Paused);
    MenuLevel->setEnabled(startedUp && state == DrillState::Ready);
    MenuLevel->menuAction()->setEnabled(MenuLevel->isEnabled());
    MenuEtc->setEnabled(idle);
    MenuEtc->menuAction()->setEnabled(idle);
    for (QAction* entry : MenuHist)
        entry->setEnabled(idle);
    ProgressBar1->setVisible(running);
    Edit1->setReadOnly(!running);
    // Starting afresh only when it was stopped keeps a full first interval after Start.
    if (!running)
        Timer1->stop();
    else if (!Timer1->isActive())
        Timer1->start();
    Panel2->setPanelText(startedUp ? statusText(state) : PreparingText);
    Panel1->setRubyText(QString(), {});
}

void MainWindowUi::showLoading(const QString& file)
{
    Panel2->setPanelText(LoadingText.arg(RecentFiles::fileNamePart(file)));
    Panel2->repaint();
}

void MainWindowUi::showBar(int position)
{
    ProgressBar1->setValue(position);
    // Once a second rather than at every tick, so that a screen reader is not flooded.
    const int millisecondsLeft = (Drill::BarMaximum - position) * Drill::TickMilliseconds;
    const QString remaining = QStringLiteral("残り%1秒").arg((millisecondsLeft + 999) / 1000);
    if (ProgressBar1->accessibleName() != remaining)
        ProgressBar1->setAccessibleName(remaining);
}

void MainWindowUi::showRecentFiles(const RecentFiles& recent)
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

void MainWindowUi::showMark(DrillMark mark)
{
    Image1->setPixmap(ImageList1[static_cast<int>(mark)]);
    Image1->setAccessibleName(mark == DrillMark::Correct ? QStringLiteral("正解")
                                                         : QStringLiteral("時間切れ"));
}

void MainWindowUi::chooseBackground(ColorDialog& dialog)
{
    QWidget* client = Panel1->parentWidget();
    QPalette palette = client->palette();
    if (const std::optional<QColor> chosen = dialog.getColor(palette.color(QPalette::Window))) {
        palette.setColor(QPalette::Window, *chosen);
        client->setPalette(palette);
    }
}

void MainWindowUi::chooseLineFont(FontDialog& dialog)
{
    const QFont preset = Panel1->font();
    if (const std::optional<QFont> chosen = dialog.getFont(preset)) {
        const QFont font = LineFont::fromChoice(preset, *chosen);
        Panel1->setFont(font);
        Edit1->setFont(font);
    }
}

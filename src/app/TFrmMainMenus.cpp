#include "app/TFrmMain.h"

#include "drill/TFrmReport.h"
#include "editor/TFrmDataMake.h"
#include "help/HelpRouting.h"
#include "help/HelpTopics.h"
#include "help/TFrmVersion.h"
#include "import/TFrmImport.h"
#include "platform/HelpViewer.h"
#include "questions/LevelNames.h"
#include "record/TFrmNotebook.h"
#include "record/TFrmTimeOuts.h"
#include "settings/TFrmSetting.h"
#include "settings/TSoundDialog.h"
#include "widgets/HelpKeys.h"

#include <QMenu>
#include <QMenuBar>

namespace {

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

} // namespace

void TFrmMain::createMenus()
{
    menuBar()->setObjectName(QStringLiteral("MainMenu1"));
    createFileMenu();
    createLevelMenu();
    createEtcMenu();
    createHelpMenu();
}

void TFrmMain::createFileMenu()
{
    MenuFile = addMenu(menuBar(), QStringLiteral("MenuFile"), QStringLiteral("ﾌｧｲﾙ(&F)"));
    MenuLoad = addItem(MenuFile, QStringLiteral("MenuLoad"), QStringLiteral("ﾛｰﾄﾞ(&L)"));
    MenuImport = addItem(MenuFile, QStringLiteral("MenuImport"), QStringLiteral("ｲﾝﾎﾟｰﾄ(&I)"));
    addSeparator(MenuFile, QStringLiteral("N1"));
    MenuStart =
        addItem(MenuFile, QStringLiteral("MenuStart"), QStringLiteral("ｽﾀｰﾄ(&S)"), Qt::Key_F2);
    MenuStop =
        addItem(MenuFile, QStringLiteral("MenuStop"), QStringLiteral("ｽﾄｯﾌﾟ(&T)"), Qt::Key_F5);
    MenuEnd =
        addItem(MenuFile, QStringLiteral("MenuEnd"), QStringLiteral("終わる(&Q)"), Qt::Key_F8);
    N3 = addSeparator(MenuFile, QStringLiteral("N3"));
    for (int k = 0; k < 3; ++k) {
        MenuHist[k] = addItem(MenuFile, QStringLiteral("MenuHist%1").arg(k + 1), QString());
        connect(MenuHist[k], &QAction::triggered, this, [this, k] { MenuHistClick(k); });
    }
    addSeparator(MenuFile, QStringLiteral("N2"));
    MenuClose = addItem(MenuFile, QStringLiteral("MenuClose"), QStringLiteral("閉じる(&C)"));

    connect(MenuLoad, &QAction::triggered, this, &TFrmMain::MenuLoadClick);
    connect(MenuImport, &QAction::triggered, this, &TFrmMain::MenuImportClick);
    connect(MenuStart, &QAction::triggered, this, &TFrmMain::MenuStartClick);
    connect(MenuStop, &QAction::triggered, this, &TFrmMain::MenuStopClick);
    connect(MenuEnd, &QAction::triggered, this, &TFrmMain::MenuEndClick);
    connect(MenuClose, &QAction::triggered, this, &TFrmMain::MenuCloseClick);
}

void TFrmMain::createLevelMenu()
{
    MenuLevel = addMenu(menuBar(), QStringLiteral("MenuLevel"), QStringLiteral("ﾚﾍﾞﾙ(&L)"));
    for (int k = 0; k < 3; ++k) {
        MenuLv[k] =
            addItem(MenuLevel, QStringLiteral("MenuLv%1").arg(k + 1), LevelNames::caption(k));
        MenuLv[k]->setCheckable(true);
        connect(MenuLv[k], &QAction::triggered, this, [this, k] { MenuLvClick(k); });
    }
    MenuLv[0]->setChecked(true);
    addSeparator(MenuLevel, QStringLiteral("N6"));
    MenuSetting = addItem(MenuLevel, QStringLiteral("MenuSetting"), QStringLiteral("設定(&S)"));
    addSeparator(MenuLevel, QStringLiteral("N8"));
    MenuScor = addItem(MenuLevel, QStringLiteral("MenuScor"), QStringLiteral("前回の成績(&B)"));
    MenuNote = addItem(MenuLevel, QStringLiteral("MenuNote"), QStringLiteral("間違いﾉｰﾄ(&M)"));
    MenuResults =
        addItem(MenuLevel, QStringLiteral("MenuResults"), QStringLiteral("成績の記録(&R)"));

    connect(MenuSetting, &QAction::triggered, this, &TFrmMain::MenuSettingClick);
    connect(MenuScor, &QAction::triggered, this, &TFrmMain::MenuScorClick);
    connect(MenuNote, &QAction::triggered, this, &TFrmMain::MenuNoteClick);
    connect(MenuResults, &QAction::triggered, this, &TFrmMain::MenuResultsClick);
}

void TFrmMain::createEtcMenu()
{
    MenuEtc = addMenu(menuBar(), QStringLiteral("MenuEtc"), QStringLiteral("その他(&E)"));
    MenuBgColor = addItem(MenuEtc, QStringLiteral("MenuBgColor"), QStringLiteral("背景色変更(&C)"));
    MenuFont = addItem(MenuEtc, QStringLiteral("MenuFont"), QStringLiteral("ﾌｫﾝﾄ変更(&F)"));
    MenuSound = addItem(MenuEtc, QStringLiteral("MenuSound"), QStringLiteral("効果音設定(&W)"));
    addSeparator(MenuEtc, QStringLiteral("N12"));
    MenuData = addItem(MenuEtc, QStringLiteral("MenuData"), QStringLiteral("ﾃﾞｰﾀ編集(&D)"));
    addSeparator(MenuEtc, QStringLiteral("N13"));
    MenuRomaji = addItem(MenuEtc, QStringLiteral("MenuRomaji"), QStringLiteral("ﾛｰﾏ字入力(&R)"));
    MenuRomaji->setCheckable(true);
    MenuClearRecord =
        addItem(MenuEtc, QStringLiteral("MenuClearRecord"), QStringLiteral("学習記録の消去(&R)"));

    connect(MenuBgColor, &QAction::triggered, this, &TFrmMain::MenuBgColorClick);
    connect(MenuFont, &QAction::triggered, this, &TFrmMain::MenuFontClick);
    connect(MenuSound, &QAction::triggered, this, &TFrmMain::MenuSoundClick);
    connect(MenuData, &QAction::triggered, this, &TFrmMain::MenuDataClick);
    connect(MenuRomaji, &QAction::triggered, this, &TFrmMain::MenuRomajiClick);
    connect(MenuClearRecord, &QAction::triggered, this, &TFrmMain::MenuClearRecordClick);
}

void TFrmMain::createHelpMenu()
{
    MenuHelp = addMenu(menuBar(), QStringLiteral("MenuHelp"), QStringLiteral("ﾍﾙﾌﾟ(&H)"));
    MenuContents =
        addItem(MenuHelp, QStringLiteral("MenuContents"), QStringLiteral("目次"), Qt::Key_F1);
    MenuKeyword = addItem(MenuHelp, QStringLiteral("MenuKeyword"), QStringLiteral("ｷｰﾜｰﾄﾞ(&K)"));
    addSeparator(MenuHelp, QStringLiteral("N15"));
    MenuAbout = addItem(MenuHelp, QStringLiteral("MenuAbout"), QStringLiteral("ﾊﾞｰｼﾞｮﾝ(&A)"));

    connect(MenuContents, &QAction::triggered, this, &TFrmMain::MenuContentsClick);
    connect(MenuKeyword, &QAction::triggered, this, &TFrmMain::MenuKeywordClick);
    connect(MenuAbout, &QAction::triggered, this, &TFrmMain::MenuAboutClick);
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
void TFrmMain::adoptDialog(QDialog* dialog)
{
    HelpKeys::installOnDialog(dialog, services.helpViewer);
}

void TFrmMain::installHelpKeys()
{
    HelpRouting::setContext(this, HelpTopics::MainWindowContext);
    HelpRouting::setContext(MenuContents, HelpTopics::MainWindowContext);
    HelpRouting::setContext(MenuRomaji, HelpTopics::RomajiContext);
    for (QDialog* dialog :
         std::initializer_list<QDialog*>{frmSound, frmReport, frmSetting, frmDataMake, frmVersion})
        adoptDialog(dialog);
    for (QMenu* menu : {MenuFile, MenuLevel, MenuEtc, MenuHelp})
        HelpKeys::installOnMenu(menu, services.helpViewer);
}

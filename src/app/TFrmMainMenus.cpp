#include "app/TFrmMain.h"

#include "drill/TFrmReport.h"
#include "editor/TFrmDataMake.h"
#include "help/HelpRouting.h"
#include "help/HelpTopics.h"
#include "help/TFrmVersion.h"
#include "platform/HelpViewer.h"
#include "settings/TFrmSetting.h"
#include "settings/TSoundDialog.h"
#include "widgets/HelpKeys.h"

#include <QMenu>

#include <utility>

void TFrmMain::connectMenus()
{
    const std::pair<QAction*, void (TFrmMain::*)()> handlers[] = {
        {MenuLoad, &TFrmMain::MenuLoadClick},
        {MenuImport, &TFrmMain::MenuImportClick},
        {MenuStart, &TFrmMain::MenuStartClick},
        {MenuStop, &TFrmMain::MenuStopClick},
        {MenuEnd, &TFrmMain::MenuEndClick},
        {MenuClose, &TFrmMain::MenuCloseClick},
        {MenuSetting, &TFrmMain::MenuSettingClick},
        {MenuScor, &TFrmMain::MenuScorClick},
        {MenuNote, &TFrmMain::MenuNoteClick},
        {MenuResults, &TFrmMain::MenuResultsClick},
        {MenuBgColor, &TFrmMain::MenuBgColorClick},
        {MenuFont, &TFrmMain::MenuFontClick},
        {MenuSound, &TFrmMain::MenuSoundClick},
        {MenuData, &TFrmMain::MenuDataClick},
        {MenuRomaji, &TFrmMain::MenuRomajiClick},
        {MenuContents, &TFrmMain::MenuContentsClick},
        {MenuKeyword, &TFrmMain::MenuKeywordClick},
        {MenuAbout, &TFrmMain::MenuAboutClick},
        {MenuClearRecord, &TFrmMain::MenuClearRecordClick},
    };
    for (const auto& [action, handler] : handlers)
        connect(action, &QAction::triggered, this, handler);
    for (int k = 0; k < 3; ++k) {
        connect(MenuHist[k], &QAction::triggered, this, [this, k] { MenuHistClick(k); });
        connect(MenuLv[k], &QAction::triggered, this, [this, k] { MenuLvClick(k); });
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
    MainWindowUi::installHelpKeys(services.helpViewer);
    for (QDialog* dialog :
         std::initializer_list<QDialog*>{frmSound, frmReport, frmSetting, frmDataMake, frmVersion})
        HelpKeys::installOnDialog(dialog, services.helpViewer);
}

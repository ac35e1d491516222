#pragma once

#include "drill/DrillState.h"
#include "widgets/RubyPanel.h"

#include <QPixmap>
#include <QString>

#include <array>

class BevelPanel;
class ColorDialog;
class FontDialog;
class HelpViewer;
class QAction;
class QLabel;
class QLineEdit;
class QMainWindow;
class QMenu;
class QMenuBar;
class QProgressBar;
class QTimer;
class RecentFiles;

// The main window's controls and menus under the names the rest of the program and its tests know
// them by, laid out as the design gives them: the window's form, as Qt's generated Ui classes
// are. It builds them and follows the drill's state; the window connects them to its handlers.
struct MainWindowUi
{
    QLabel* Label1;
    QLabel* Label2;
    QLabel* Label3;
    BevelPanel* Panel2;
    QProgressBar* ProgressBar1;
    RubyPanel* Panel1;
    QLineEdit* Edit1;
    QLabel* Image1;
    std::array<QPixmap, 2> ImageList1;
    QTimer* Timer1;

    QMenu* MenuFile;
    QAction* MenuLoad;
    QAction* MenuImport;
    QAction* MenuWorksheet;
    QAction* MenuAssignmentNew;
    QAction* MenuAssignmentClose;
    QAction* MenuPupil;
    QAction* MenuBoard;
    QAction* MenuStart;
    QAction* MenuStop;
    QAction* MenuEnd;
    QAction* N3;
    std::array<QAction*, 3> MenuHist;
    QAction* MenuClose;
    QMenu* MenuLevel;
    std::array<QAction*, 3> MenuLv;
    QAction* MenuSetting;
    QAction* MenuScor;
    QAction* MenuNote;
    QAction* MenuToday;
    QAction* MenuReviewSetting;
    QAction* MenuResults;
    QMenu* MenuEtc;
    QAction* MenuBgColor;
    QAction* MenuFont;
    QAction* MenuSound;
    QAction* MenuData;
    QAction* MenuRomaji;
    QMenu* MenuFurigana;
    std::array<QAction*, 3> MenuFuriganaMode; // in the order of Furigana's values
    QAction* MenuByReading;
    QAction* MenuClearRecord;
    QMenu* MenuHelp;
    QAction* MenuContents;
    QAction* MenuKeyword;
    QAction* MenuAbout;

    void setupUi(QMainWindow* window);
    // F1 on an open menu asks for the highlighted item's page.
    void installHelpKeys(HelpViewer& viewer);
    // What can be done in the state, and the state in the status line; before start-up is done,
    // nothing but closing and help.
    void showState(DrillState state, bool startedUp);
    // Painted at once: the file is read next, without the event loop.
    void showLoading(const QString& file);
    // The time bar, and the whole seconds left for a screen reader.
    void showBar(int position);
    void showMark(DrillMark mark);
    void showRecentFiles(const RecentFiles& recent);
    // The captions take the chosen colour; the three lines keep their own.
    void chooseBackground(ColorDialog& dialog);
    // The question and the input line share the chosen font.
    void chooseLineFont(FontDialog& dialog);

private:
    void createControls(QMainWindow* window);
    void createFileMenu(QMenuBar* bar);
    void createClassItems();
    void createLevelMenu(QMenuBar* bar);
    void createEtcMenu(QMenuBar* bar);
    void createReadingItems();
    void createHelpMenu(QMenuBar* bar);
};

#pragma once

#include "ProductInfo.h"
#include "drill/Drill.h"
#include "drill/DrillScreen.h"
#include "media/SoundEffects.h"
#include "questions/QuestionBank.h"
#include "record/GameRecorder.h"
#include "record/ReviewGame.h"
#include "settings/RecentFiles.h"
#include "settings/SettingsStore.h"

#include <QDir>
#include <QMainWindow>
#include <QPixmap>
#include <QStringList>

#include <array>

class BevelPanel;
class ColorDialog;
class QDialog;
class FileDialog;
class FontDialog;
class HelpViewer;
class MessageBox;
class QLabel;
class QLineEdit;
class QMenu;
class QProgressBar;
class QTimer;
class RandomSource;
class ResultsWindow;
class ResultsWindowFactory;
class RomajiLineInput;
class WavePlayer;
class TFrmDataMake;
class TFrmImport;
class TFrmNotebook;
class TFrmTimeOuts;
class TFrmReport;
class TFrmSetting;
class TSoundDialog;
class TFrmVersion;

// The main window: the drill runs in it, every command starts from its menus.
class TFrmMain : public QMainWindow, private DrillScreen
{
    Q_OBJECT

public:
    // What the window reaches outside the process through; tests hand in doubles.
    struct Services
    {
        MessageBox& messageBox;
        FileDialog& fileDialog;
        ColorDialog& colorDialog;
        FontDialog& fontDialog;
        HelpViewer& helpViewer;
        RandomSource& random;
        WavePlayer& wavePlayer;
        SettingsBackend& settings;
        QString executablePath;
        QStringList arguments; // the command line without the program name
        LearningRecord& record;
        ResultsWindowFactory& resultsWindows;
    };

    static inline const QString ApplicationTitle = ProductInfo::Name;
    // %1: why the window's module could not be loaded.
    static inline const QString ResultsUnavailableMessage =
        QStringLiteral("成績の記録を開けませんでした（%1）");

    explicit TFrmMain(const Services& services);
    ~TFrmMain() override;

    // Controls, under the names the rest of the program and its tests know them by.
    QLabel* Label1;
    QLabel* Label2;
    QLabel* Label3;
    BevelPanel* Panel2;
    QProgressBar* ProgressBar1;
    BevelPanel* Panel1;
    QLineEdit* Edit1;
    QLabel* Image1;
    std::array<QPixmap, 2> ImageList1;
    QTimer* Timer1;

    QMenu* MenuFile;
    QAction* MenuLoad;
    QAction* MenuImport;
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
    QAction* MenuResults;
    QMenu* MenuEtc;
    QAction* MenuBgColor;
    QAction* MenuFont;
    QAction* MenuSound;
    QAction* MenuData;
    QAction* MenuRomaji;
    QAction* MenuClearRecord;
    QMenu* MenuHelp;
    QAction* MenuContents;
    QAction* MenuKeyword;
    QAction* MenuAbout;

    TSoundDialog* frmSound;
    TFrmSetting* frmSetting;
    TFrmReport* frmReport;
    TFrmVersion* frmVersion;
    TFrmDataMake* frmDataMake;
    RomajiLineInput* romajiInput;
    // Made when first asked for.
    TFrmNotebook* frmNotebook = nullptr;
    TFrmTimeOuts* frmTimeOuts = nullptr;
    ResultsWindow* frmResults = nullptr;
    TFrmImport* frmImport = nullptr;

    const QuestionBank& questionBank() const { return bank; }
    const Drill& drill() const { return game; }
    const RecentFiles& recentFiles() const { return recent; }
    const DrillSettings& drillSettings() const { return settings; }

    void FormShow();
    void RefreshWindow();
    void LoadQuestionFile(const QString& path);

    void MenuLoadClick();
    void MenuImportClick();
    void MenuHistClick(int entry);
    void MenuStartClick();
    void MenuStopClick();
    void MenuEndClick();
    void MenuLvClick(int level);
    void MenuScorClick();
    void MenuNoteClick();
    void MenuResultsClick();
    void MenuClearRecordClick();
    void startReview(int level);
    void showTimeOuts();
    void MenuSettingClick();
    void MenuSoundClick();
    void MenuBgColorClick();
    void MenuFontClick();
    void MenuContentsClick();
    void MenuKeywordClick();
    void MenuDataClick();
    void MenuRomajiClick();
    void MenuAboutClick();
    void MenuCloseClick();
    void Timer1Timer();
    void Edit1Change();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void FormCreate();
    void FormClose();
    // Returns the message of a stored value that had to be replaced by its default.
    QString loadSettings();
    void saveSettings();
    void useEventSounds();
    void createControls();
    void createMenus();
    void createFileMenu();
    void createLevelMenu();
    void createEtcMenu();
    void createHelpMenu();
    void installHelpKeys();
    void adoptDialog(QDialog* dialog);
    TFrmNotebook& notebookWindow();
    TFrmTimeOuts& timeOutsWindow();
    ResultsWindow* resultsWindow();
    TFrmImport& importWindow();
    void rebuildRecentEntries();
    void showRemainingTime(int position);
    ReportInputs reportInputs() const;
    void tellRecordMessage();

    void setBarPosition(int position) override;
    void showQuestion(const QByteArray& question) override;
    void clearInput() override;
    void drawMark(DrillMark mark) override;
    void playSound(SoundEvent sound) override;
    void gameOver() override;

    Services services;
    SettingsStore store;
    DrillSettings settings;
    SoundEffects sounds;
    QuestionBank bank;
    RecentFiles recent;
    // Asked once, the first time a results report needs it.
    QString learnerName;
    Drill game;
    GameRecorder recorder;
    ReviewGame review;
    QDir programFolder;
    bool shown = false;
};

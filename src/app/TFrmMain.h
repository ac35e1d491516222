#pragma once

#include "ProductInfo.h"
#include "app/ClassroomCommand.h"
#include "app/ListeningCommand.h"
#include "app/MainWindowUi.h"
#include "app/OnDemandWindows.h"
#include "app/ReadingsCommand.h"
#include "app/TodaysReviewCommand.h"
#include "media/SoundEffects.h"
#include "session/DrillSession.h"
#include "settings/RecentFiles.h"
#include "settings/SettingsStore.h"

#include <QDir>
#include <QMainWindow>

class ColorDialog;
class FileDialog;
class FontDialog;
class HelpViewer;
class MessageBox;
class RandomSource;
class ReadingProposer;
class RomajiLineInput;
class WavePlayer;
class TFrmDataMake;
class TFrmReport;
class TFrmSetting;
class TSoundDialog;
class TFrmVersion;

// The main window: a learner's session is drawn in it, every command starts from its menus.
class TFrmMain : public QMainWindow, public MainWindowUi, private SessionView
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
        LearningRecord& record;
        ResultsWindowFactory& resultsWindows;
        ReadingProposer& readingProposer;
        SpeechService& speech;
    };

    explicit TFrmMain(const Services& services);
    ~TFrmMain() override;

    TSoundDialog* frmSound;
    TFrmSetting* frmSetting;
    TFrmReport* frmReport;
    TFrmVersion* frmVersion;
    TFrmDataMake* frmDataMake;
    RomajiLineInput* romajiInput;

    const QuestionBank& questionBank() const { return session.bank(); }
    const Drill& drill() const { return session.drill(); }
    const RecentFiles& recentFiles() const { return recent; }
    const DrillSettings& drillSettings() const { return settings; }
    ClassroomCommand& classroom() { return *classCommand; }

    // Once the window is on the screen: the stored settings, then the file given to the program
    // (empty for none), then the record. Until then the window says it is getting ready.
    void FormShow(const QString& fileToLoad);
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
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void FormClose();
    // Returns the message of a stored value that had to be replaced by its default.
    QString loadSettings();
    void saveSettings();
    void useEventSounds();
    void connectControls();
    void connectMenus();
    void installHelpKeys();
    GameSettings gameSettings() const;
    void tellRecordMessage();
    void openAssignment(const QString& path);
    void closeAssignment();
    void questionsNotLoaded(const QuestionFile::ReadOutcome& outcome);
    void connectClassroom();
    ClassroomCommand::GameOptions gameOptions() const;
    void useGameOptions(const ClassroomCommand::GameOptions& options);

    void setBarPosition(int position) override;
    void showQuestion(const QByteArray& question, const RubySegments& ruby) override;
    void clearInput() override;
    void playSound(SoundEvent sound) override;
    void questionAnswered(const AnsweredQuestion& answered) override;
    void questionTimedOut(const TimedOutQuestion& timedOut) override;
    void gameOver(const ReportInputs& inputs) override;

    Services services;
    SettingsStore store;
    DrillSettings settings;
    SoundEffects sounds;
    RecentFiles recent;
    // Asked once, the first time a results report needs it.
    QString learnerName;
    DrillSession session;
    OnDemandWindows windows;
    TodaysReviewCommand today;
    ReadingsCommand* readings;      // owned as a child
    ListeningCommand* listening;    // owned as a child
    ClassroomCommand* classCommand; // owned as a child
    QDir programFolder;
    bool shown = false;
    bool started = false;
};

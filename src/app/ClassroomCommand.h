#pragma once

#include "classroom/Assignment.h"
#include "classroom/AssignmentGame.h"
#include "classroom/Pupil.h"
#include "platform/FileDialog.h"
#include "results/ResultsWindow.h"
#include "session/DrillSession.h"

#include <QDateTime>
#include <QObject>
#include <QTemporaryDir>

#include <functional>
#include <memory>
#include <optional>

class HelpViewer;
class MessageBox;
class QAction;
class QLabel;
class QMainWindow;
class RandomSource;
class TFrmAssignment;
class SettingsBackend;
class TFrmPupil;
struct MainWindowUi;

// The class mode in the main window. While an assignment is open its settings rule the games:
// the window's own choices are put aside and locked, each game draws from the assignment's seed,
// and every finished game is handed in; テスト games cannot be paused, and 終わる hands them in
// with what is left counted as missed. Closing the assignment gives the window its choices back.
class ClassroomCommand : public QObject
{
    Q_OBJECT

public:
    using Clock = std::function<QDateTime()>;

    // What an assignment sets over the window's own choices while it is open.
    struct GameOptions
    {
        qint32 furigana = 0;
        bool answerByReading = false;
        bool romaji = false;
    };

    struct Services
    {
        MessageBox& messages;
        FileDialog& fileDialog;
        HelpViewer& help;
        ResultsWindowFactory& printers;
        SettingsBackend& settings;
        RandomSource& random;
        Clock clock = &QDateTime::currentDateTime;
    };

    // The window the games are played in, and how its choices are read and set.
    struct Window
    {
        QMainWindow& window;
        std::function<GameOptions()> options;
        std::function<void(const GameOptions&)> useOptions;
    };

    ClassroomCommand(DrillSession& session, const Services& services, const Window& window);
    ~ClassroomCommand() override;

    // Whether the file is an assignment rather than a question file, by its first line.
    static bool isAssignmentFile(const QString& path);

    // Reads the assignment and keeps it ready to take the place of the one open; gives the
    // question file to load first, or nothing once it has told why it cannot be opened. Until its
    // questions are loaded, whatever was open stays so.
    std::optional<QString> prepare(const QString& path);
    // The prepared assignment, its questions loaded, is opened: its choices take the place of
    // the window's.
    void openPrepared();
    void dropPrepared() { prepared.reset(); }
    // The window's own choices come back.
    void close();
    bool isOpen() const { return current.has_value(); }
    const Assignment* assignment() const { return current ? &current->assignment : nullptr; }
    bool isTest() const { return current && current->assignment.mode == AssignmentMode::Test; }

    // The window's caption while the assignment is open.
    static QString caption(const QString& program, const Assignment& assignment);
    GameSettings gameSettings(const GameSettings& own) const;

    // After the window has shown the drill's state: what the assignment locks.
    void lock(MainWindowUi& ui, DrillState state, bool startedUp) const;

    // Asks the pupil's name first when none is known; false when there was none to hand in under.
    bool start();
    // 終わる: a テスト is handed in with the unanswered questions missed.
    void ending();
    void answered(const QuestionItem& pair, int ticks);
    void timedOut(const QuestionItem& pair, const QByteArray& typed);
    void gameOver(const ReportInputs& inputs);

    void useStoredPupil(const Pupil& stored) { pupil = stored; }
    // 名前の登録; false when cancelled.
    bool editPupil();

    // 課題の作成: the assignment is saved where the teacher chooses, its question file named
    // relative to it, so that the two can be copied to a share together.
    void makeAssignment();
    // Four draws of 16 bits: a seed nobody chose, from the window's random source.
    static quint64 newSeed(RandomSource& random);

    // クラスの様子 of the open assignment's hand-in folder, or of an assignment chosen for it.
    void showBoard();

    // Where hand-ins wait when their folder cannot be reached; those waiting go now if they can.
    void useWaitingFolder(const QString& folder);
    int waitingCount() const;

    // How an assignment file is offered in the file dialogs.
    static FileFilter assignmentFilter();

    static inline const QString EmptyLevelsMessage =
        QStringLiteral("課題のレベルには問題が登録されていません");
    static inline const QString WaitingMessage =
        QStringLiteral("提出先のフォルダーに届かなかったため、成績はこのPCで待っています。"
                       "次の起動か次のゲームのあとで、自動で提出します。");

signals:
    // The assignment was opened or closed: the window's caption and menus follow.
    void openedOrClosed();

private:
    struct OpenAssignment
    {
        Assignment assignment;
        QString path;
        QString questionFile;
        GameOptions windowOptions;
        // A question file the assignment carries is put here to be read.
        std::shared_ptr<QTemporaryDir> carried;
    };

    std::optional<QString> questionFileFor(OpenAssignment& opened);
    QString handInFolder() const;
    static QString handInFolderOf(const QString& assignmentPath, const Assignment& assignment);
    void handIn(const HandIn& handIn);
    void showWaiting();

    DrillSession& session;
    Services services;
    Window window;
    std::optional<OpenAssignment> current;
    std::optional<OpenAssignment> prepared;
    std::optional<AssignmentGame> game;
    Pupil pupil;
    QString waitingFolder;
    bool toldWaiting = false;
    TFrmPupil* pupilDialog = nullptr;
    TFrmAssignment* assignmentDialog = nullptr;
    QLabel* waitingPanel = nullptr;
};

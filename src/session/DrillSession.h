#pragma once

#include "classroom/SeededRandom.h"
#include "drill/Drill.h"
#include "questions/QuestionBank.h"
#include "questions/QuestionFile.h"
#include "record/GameRecorder.h"
#include "session/AnswerTimer.h"
#include "session/DrawOrder.h"
#include "session/QuestionReadings.h"
#include "session/QuestionVoice.h"
#include "session/SessionView.h"
#include "session/ShowingGrader.h"

#include <functional>

class RandomSource;

// The settings a game is played with, as the report computes from them.
struct GameSettings
{
    qint32 secondsPerQuestion = 0;
    qint32 questionsPerGame = 0;
    // The listening game: the answer is heard, not seen, and the bar starts once it was heard.
    bool listening = false;
};

// A learner's games on the loaded question file: the file's bank, the drill, the review game's
// list and the game's writes to the learning record. The window's handlers call in and draw what
// the session reports through its SessionView; the rules of a game live here, not in the window.
class DrillSession : private DrillScreen
{
public:
    // Milliseconds on a clock that never goes back.
    using MonotonicClock = std::function<qint64()>;
    static qint64 steadyMilliseconds();

    enum class StartOutcome
    {
        Started,
        Resumed,
        EmptyLevel,
        Unavailable
    };

    // Which game is played: of the level, of its notebook pairs, today's review, or an
    // assignment's.
    enum class GameKind
    {
        Level,
        Notebook,
        Today,
        Assignment
    };

    DrillSession(RandomSource& random, LearningRecord& record, SessionView& view,
                 MonotonicClock clock = &steadyMilliseconds,
                 GameRecorder::Clock wallClock = &QDateTime::currentDateTimeUtc);

    // Reads the file once, for its pairs and for the record's knowledge of it. On a failed read
    // the bank holds what was read before the failure and the session's state stays as it was.
    QuestionFile::ReadOutcome load(const QString& path);

    const QuestionBank& bank() const { return fileBank; }
    // The readings and accepted answers of the loaded file's pairs, and how the game uses them.
    QuestionReadings& readings() { return pairReadings; }
    const QuestionReadings& readings() const { return pairReadings; }
    const Drill& drill() const { return game; }
    DrillState state() const { return game.state(); }
    bool inGame() const { return state() == DrillState::Running || state() == DrillState::Paused; }
    int level() const { return currentLevel; }
    bool reviewing() const { return kind == GameKind::Notebook || kind == GameKind::Today; }
    GameKind gameKind() const { return kind; }
    // The kind of the game that reached its report last.
    GameKind reportedKind() const { return reported; }
    GameRecorder& recorder() { return record; }
    const Scheduler& reviewScheduler() const { return scheduler; }
    const GameRecorder& recorder() const { return record; }

    // Whoever speaks the questions; none leaves every game silent.
    void setVoice(QuestionVoice* speaker) { voice = speaker; }
    // Every game speaks its questions as they appear.
    void setReadAloud(bool on) { readAloud = on; }
    // Whether the game being played, or played last, is the listening game.
    bool listening() const { return gameSettings.listening; }
    // The question's speech has been heard: the listening game's bar starts.
    void speechEnded();
    // The listening game waits for the question's speech before its bar moves.
    bool waitingForSpeech() const { return holding; }

    // Only between games.
    void selectLevel(int level);
    StartOutcome start(const GameSettings& settings);
    // A review game of the level's notebook pairs; false, with nothing changed, when it has none.
    bool startReview(int level, const GameSettings& settings);
    // Today's review, of the pairs due now and up to newPerDay new pairs a day from the level;
    // EmptyLevel when nothing is due and nothing new is left.
    StartOutcome startTodaysReview(const GameSettings& settings, int newPerDay);
    // An assignment's game: the pairs of its levels, drawn from a generator seeded afresh for
    // every game, so that each game of the assignment asks the same questions in the same order
    // however many games came before it.
    StartOutcome startAssignment(const QList<int>& levels, const GameSettings& settings,
                                 quint64 seed);
    // The pairs due now, and when the next comes due, for the menu.
    DueSummary due();
    // Orders today's review and schedules the answers that follow, here and in the record.
    void useScheduler(const Scheduler& chosen);
    // The report of the game last played, with the settings as they are now, as the menu shows
    // it again: today's review is as long as its list whatever they say, and counts its grades.
    ReportInputs lastReport(const GameSettings& current) const;
    std::optional<GradeCounts> lastGrades() const;
    const GradeCounts& grades() const { return grader.counts(); }
    void stop();
    void end();
    // The window closes: a game running or paused is abandoned and the file's pairs let go.
    void close();
    // The report was shown: the drill waits for the next Start.
    void setReady() { game.setReady(); }

    void tick();
    // The input line's committed text after the learner changed it.
    void input(const QString& committedText);
    void preeditStarted();
    void setInputMode(InputMode mode) { inputMode = mode; }

private:
    StartOutcome startGame(const PackedPairs& pairs, const GameSettings& settings);
    void endReview();
    ReportInputs reportInputs() const;
    bool spoken() const { return voice && (readAloud || gameSettings.listening); }
    // Tells the voice of the question that appears and of the one drawn to follow it.
    void announce();
    std::optional<QuestionItem> upcomingQuestion();

    void setBarPosition(int position) override;
    void showQuestion(const QByteArray& question) override;
    void clearInput() override;
    void drawMark(DrillMark mark) override;
    void playSound(SoundEvent sound) override;
    void gameOver() override;

    SessionView& view;
    MonotonicClock clock;
    GameRecorder::Clock wallClock;
    QuestionBank fileBank;
    QuestionReadings pairReadings;
    PackedPairs reviewList;
    std::optional<SeededRandom> seededDraw;
    DrawOrder draws;
    Drill game;
    GameRecorder record;
    AnswerTimer timer;
    ShowingGrader grader;
    Scheduler scheduler;
    GameSettings gameSettings;
    QByteArray lastTyped;
    InputMode inputMode = InputMode::InputMethod;
    QuestionVoice* voice = nullptr;
    bool readAloud = false;
    bool announced = false; // the current question was told to the voice
    bool holding = false;
    int currentLevel = 0;
    GameKind kind = GameKind::Level;
    GameKind reported = GameKind::Level;
};

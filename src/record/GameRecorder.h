#pragma once

#include "record/RecordOpener.h"
#include "record/RecordQueries.h"
#include "record/RecordReader.h"

#include <QObject>
#include <QTimer>

#include <deque>
#include <functional>
#include <variant>

class QThread;

// A question of the current game that ran out of time, and what the input line held then.
struct TimeOutEntry
{
    QuestionItem pair;
    QByteArray typed;

    friend bool operator==(const TimeOutEntry&, const TimeOutEntry&) = default;
};

// Writes the games into the learning record as they happen. Every start, answer, result and
// removal waits in one ordered queue until the record has taken it: a held lock or a refused
// write is tried again after a growing pause from a timer, never by waiting on the thread that
// draws the game, and a write that fails holds back those after it, so a stored result always
// has all its answers. The user hears of a failure once, from the window, when it asks.
class GameRecorder : public QObject, public NotebookRemoval
{
    Q_OBJECT

public:
    using Clock = std::function<QDateTime()>;

    explicit GameRecorder(LearningRecord& record, Clock clock = &QDateTime::currentDateTimeUtc);
    ~GameRecorder() override;

    // Opens the record the first time it is called, or when a write or a read needs it first.
    void open();

    // After a question file was loaded: the games that follow draw from it.
    void useFile(const RecordedFile& file) { current = file; }
    const RecordedFile& file() const { return current; }

    void gameStarted(int level, qint32 secondsPerQuestion, qint32 questionsPerGame, bool review);
    void answered(const QuestionItem& pair, int ticks, const AnswerTiming& timing);
    void timedOut(const QuestionItem& pair, const QByteArray& typed, const AnswerTiming& timing);
    // The game reached its report; a game ended with 終わる just stops being recorded.
    void gameReported(const ReportInputs& inputs, const ReportTexts& texts);
    void gameEnded();

    // The time-outs of the game started last, in the order they happened.
    const QList<TimeOutEntry>& timeOuts() const { return gameTimeOuts; }

    void removeFromNotebook(const QuestionItem& pair) override;
    // Everything the record holds goes, after whatever still waits to be stored.
    void clear();

    // What the windows read; the notebook's window removes through this recorder.
    RecordQueries& queries() { return reader; }

    // The answers not yet stored, for the question asked on quitting (RecordMessages).
    qsizetype waitingAnswers() const { return answersWaiting; }
    // Tries to store what waits at once; true when nothing waits any more.
    bool retryNow();

    // Reads the whole file for damage once, on a thread of its own, as soon as no game is
    // running; damage found takes the record out of use and starts a new one.
    void checkWholeFileWhenIdle();

    // The message the user has yet to be told, once; nothing when there is none.
    std::optional<QString> takeMessage() { return opener.takeMessage(); }

signals:
    // A message waits for takeMessage(); it may come between games, from the retry timer.
    void messageWaiting();
    // The whole file's check ended: sound or not.
    void wholeFileChecked(bool sound);

private:
    struct Start
    {
        qint64 game;
        GameStart start;
    };
    struct Answer
    {
        qint64 game;
        AnswerOutcome outcome;
    };
    // A reported game carries its result; one ended with 終わる carries none.
    struct Finish
    {
        qint64 game;
        std::optional<GameResult> result;
    };
    struct Removal
    {
        QuestionItem pair;
    };
    struct Clearing
    {};
    using Write = std::variant<Start, Answer, Finish, Removal, Clearing>;

    void enqueue(Write write);
    void drain();
    bool store(const Write& write);
    void retryLater();
    void endGame(std::optional<GameResult> result);
    void startWholeFileCheck();

    RecordOpener opener;
    RecordReader reader;
    Clock clock;
    RecordedFile current;
    std::optional<qint64> game;
    qint64 gamesStarted = 0;
    QList<TimeOutEntry> gameTimeOuts;

    std::deque<Write> waiting;
    qsizetype answersWaiting = 0;
    // The record's id of each game whose start is stored and whose end is not yet.
    QHash<qint64, qint64> storedGames;
    QTimer retryTimer;
    int retryPause;

    bool checkWanted = false;
    QThread* checking = nullptr;
};

#pragma once

#include "record/LearningRecord.h"

#include <functional>

// A question of the current game that ran out of time, and what the input line held then.
struct TimeOutEntry
{
    QuestionItem pair;
    QByteArray typed;

    friend bool operator==(const TimeOutEntry&, const TimeOutEntry&) = default;
};

// Writes the main window's games into the learning record as they happen. The drill never waits
// for it: a record that cannot be written leaves the game as it was, and the user hears of it
// once per run, when the window asks between games.
class GameRecorder
{
public:
    using Clock = std::function<QDateTime()>;

    explicit GameRecorder(LearningRecord& record, Clock clock = &QDateTime::currentDateTimeUtc);

    // Opens the record the first time it is called, or when a write needs it first.
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

    QList<NotebookEntry> notebook();
    bool removeFromNotebook(const QuestionItem& pair);
    // What the record read back holds; nothing while it is unavailable.
    QList<FinishedGame> finishedGames(const GameFilter& filter);
    QList<GameTimeOut> timeOutsOf(const GameFilter& filter);
    QStringList recordedFiles();
    bool clear();

    // The message the user has yet to be told, once; nothing when there is none.
    std::optional<QString> takeMessage();

    static QString damagedMessage(const QString& movedTo);
    static inline const QString UnavailableMessage =
        QStringLiteral("学習記録を保存できませんでした");

private:
    void record(const AnswerOutcome& outcome);
    void written(bool succeeded);

    LearningRecord& store;
    Clock clock;
    bool opened = false;
    bool available = false;
    bool failureTold = false;
    std::optional<QString> pendingMessage;
    RecordedFile current;
    std::optional<qint64> game;
    QList<TimeOutEntry> gameTimeOuts;
};

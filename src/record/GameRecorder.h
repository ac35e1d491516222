#pragma once

#include "readings/AcceptedAnswers.h"
#include "record/RecordQueries.h"
#include "record/RecordReader.h"
#include "record/RecordWriter.h"
#include "record/WriteQueue.h"

#include <QObject>

#include <functional>
#include <memory>

class QThread;

// A question of the current game that ran out of time, what the input line held then, and the
// accepted answer it was nearest to.
struct TimeOutEntry
{
    QuestionItem pair;
    QByteArray typed;
    AcceptedAnswers::Nearest nearest;

    friend bool operator==(const TimeOutEntry&, const TimeOutEntry&) = default;
};

// Writes the games into the learning record as they happen. Every start, answer, result and
// removal is handed to the record's writer, which stores them in order (RecordWriter): the game
// never waits for the record. A record that waits on a disk is written on a thread of its own,
// one in memory where the game runs. The user hears of a failure once, from the window, when it
// asks.
class GameRecorder : public QObject, public NotebookEdits
{
    Q_OBJECT

public:
    using Clock = std::function<QDateTime()>;

    explicit GameRecorder(LearningRecord& record, Clock clock = &QDateTime::currentDateTimeUtc);
    // Stores what the record takes at once, as retryNow(), before the writer ends.
    ~GameRecorder() override;

    // Opens the record the first time it is called, or when a write or a read needs it first.
    void open();

    // After a question file was loaded: the games that follow draw from it.
    void useFile(const RecordedFile& file) { current = file; }
    const RecordedFile& file() const { return current; }

    // A review game draws from the notebook; a listening game's questions are heard, not seen.
    void gameStarted(int level, qint32 secondsPerQuestion, qint32 questionsPerGame, bool review,
                     bool listening);
    void answered(const QuestionItem& pair, int ticks, AnswerForm form, const AnswerTiming& timing,
                  const ReviewMark& review = {});
    void timedOut(const QuestionItem& pair, const QByteArray& typed,
                  const AcceptedAnswers::Nearest& nearest, const AnswerTiming& timing,
                  const ReviewMark& review = {});
    // The game is ended while this question is shown: a miss for its schedule, not an answer.
    void endedOn(const QuestionItem& pair, const AnswerTiming& timing, ReviewMark review);
    // The game reached its report; a game ended with 終わる just stops being recorded.
    void gameReported(const ReportInputs& inputs, const ReportTexts& texts);
    void gameEnded();

    // The time-outs of the game started last, in the order they happened.
    const QList<TimeOutEntry>& timeOuts() const { return gameTimeOuts; }

    void removeFromNotebook(const QuestionItem& pair) override;
    void setAnswerByReading(const QuestionItem& pair, bool on) override;
    // Everything the record holds goes, after whatever still waits to be stored.
    void clear();

    // The scheduler the record's writes and reads use from now on.
    void useScheduler(const Scheduler& scheduler);
    // Every schedule is worked out again with the scheduler in use, after whatever still waits to
    // be stored; the game never waits for it.
    void reschedule();

    // What the windows read; the notebook's window removes through this recorder. A read waits
    // for the write being stored, and sees every answer stored once waitingAnswers() is 0.
    RecordQueries& queries() { return reader; }

    // The answers not yet stored, for the question asked on quitting (RecordMessages).
    qsizetype waitingAnswers() const { return waiting.answers(); }
    // Tries to store what waits at once and waits for it; true when nothing waits any more.
    bool retryNow();

    // Reads the whole file for damage once, on a thread of its own, as soon as no game is
    // running; damage found takes the record out of use and starts a new one.
    void checkWholeFileWhenIdle();

    // The message the user has yet to be told, once; nothing when there is none.
    std::optional<QString> takeMessage() { return std::exchange(message, std::nullopt); }

signals:
    // A message waits for takeMessage(); it may come between games, from the retry timer.
    void messageWaiting();
    // The whole file's check ended: sound or not.
    void wholeFileChecked(bool sound);

private:
    void hand(RecordWrite write);
    void endGame(std::optional<GameResult> result);
    void keepMessage(const QString& text);
    // Runs the work where the writer runs: later, or now when that is this thread.
    void onWriter(std::function<void()> work);
    void onWriterAndWait(const std::function<void()>& work);

    Clock clock;
    RecordedFile current;
    std::optional<qint64> game;
    qint64 gamesStarted = 0;
    QList<TimeOutEntry> gameTimeOuts;
    std::optional<QString> message;

    WriteQueue waiting;
    // None when the writes are stored on this thread, as they are handed over.
    std::unique_ptr<QThread> thread;
    // Deleted on its own thread as that ends, or with this recorder when it has none.
    RecordWriter* writer;
    RecordReader reader;
};

#pragma once

#include "drill/ReportFigures.h"
#include "questions/QuestionItem.h"
#include "readings/AnswerForm.h"
#include "schedule/Grade.h"
#include "schedule/GradeThresholds.h"
#include "schedule/ReviewPlan.h"
#include "schedule/Scheduler.h"

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

// The question file a game drew from: where it was and what it held when it was loaded.
struct RecordedFile
{
    QString path;
    QByteArray contentHash; // SHA-256 of the file's bytes

    friend bool operator==(const RecordedFile&, const RecordedFile&) = default;
};

struct GameStart
{
    RecordedFile file;
    int level = 0;
    qint32 secondsPerQuestion = 0;
    qint32 questionsPerGame = 0;
    bool review = false; // drawn from the mistake notebook instead of the whole level
    QDateTime startedAt;
    bool listening = false; // the questions were spoken, not shown
};

// How the learner wrote: through an input method's commits, or in romaji keys judged by Tazune.
enum class InputMode
{
    InputMethod = 0,
    Romaji = 1
};

// How one answer was typed, measured on a monotonic clock from the moment its question was shown.
struct AnswerTiming
{
    std::optional<qint64> firstKeyMs; // the first key or the start of pre-edit; none if none came
    std::optional<qint64> matchMs; // the moment the input equalled the answer; none at a time-out
    qint32 keys = 0;               // edits of the committed text
    qint32 corrections = 0;        // the times the committed text got shorter
    InputMode mode = InputMode::InputMethod;

    friend bool operator==(const AnswerTiming&, const AnswerTiming&) = default;
};

// What the review schedule takes from a showing. Only a pair's first showing in its game moves
// the pair's schedule; later ones are logged beside it. A game ended on the question leaves no
// answer, only its grade.
struct ReviewMark
{
    std::optional<Grade> grade;
    bool firstInGame = true;
    bool gameEndedOnIt = false;
    qint32 limitMs = 0;

    friend bool operator==(const ReviewMark&, const ReviewMark&) = default;
};

// One question shown in a game, as it ended.
struct AnswerOutcome
{
    QuestionItem pair;
    std::optional<int> correctTicks; // the bar position of a correct answer; nothing at a time-out
    QByteArray typed;                // what the input line held at a time-out, CP932
    QDateTime at;
    AnswerTiming timing;
    ReviewMark review;
    std::optional<AnswerForm> answeredBy =
        std::nullopt; // which accepted answer a correct answer was
};

// A counted, graded line of the review log: a pair's first showing in its game, which moves the
// pair's schedule.
struct LoggedReview
{
    qint64 pair = 0;
    qint64 atMs = 0; // since 1970 UTC
    Grade grade = Grade::Again;
    bool timedOut = false;
    std::optional<qint64> matchMs; // none but for an answer whose timing was measured
    qint32 limitMs = 0;            // 0 where an earlier version logged no limit

    friend bool operator==(const LoggedReview&, const LoggedReview&) = default;
};

// A pair of any file, with its review schedule.
struct ScheduledPair
{
    QuestionItem pair;
    PairSchedule schedule;
};

// How many pairs are due by a moment, and when the first of those still to come is.
struct DueSummary
{
    qint64 due = 0;
    std::optional<QDateTime> nextDue;
};

// A game that reached its report: the tally and settings it was computed from and the four
// texts exactly as the report showed them.
struct GameResult
{
    ReportInputs inputs;
    ReportTexts texts;
    QDateTime finishedAt;
};

// What the record knows of one pair over all games.
struct PairProgress
{
    qint32 misses = 0; // time-outs
    qint32 corrects = 0;
    qint64 correctTicks = 0; // summed over the correct answers
    qint32 fastStreak = 0;   // fast correct answers since the last miss or slow answer
    bool inNotebook = false;
    QDateTime lastMiss; // the last time-out or slow answer
    QByteArray lastTimeOutTyped;
    std::optional<AnswerForm> lastAnsweredBy = std::nullopt; // the form of the last correct answer
    bool answerByReading = false; // its reading answers it in a review game

    friend bool operator==(const PairProgress&, const PairProgress&) = default;
};

struct NotebookEntry
{
    QuestionItem pair;
    PairProgress progress;
    // Its review schedule; none before its first graded answer.
    std::optional<PairSchedule> schedule;

    friend bool operator==(const NotebookEntry&, const NotebookEntry&) = default;
};

// A game that reached its report, as the record keeps it.
struct FinishedGame
{
    qint64 id = 0;
    QString filePath;
    int level = 0;
    bool review = false;
    QDateTime startedAt;
    GameResult result;
    // Fewer answers are stored than the result counts: an earlier version lost them.
    bool answersMissing = false;
};

// Which finished games to read: of one file's path or of all, of one level or of all.
struct GameFilter
{
    std::optional<QString> filePath;
    std::optional<int> level;
};

// A question of a finished game that ran out of time.
struct GameTimeOut
{
    qint64 game = 0;
    QuestionItem pair;
    QByteArray typed;

    friend bool operator==(const GameTimeOut&, const GameTimeOut&) = default;
};

// Why the last write or read of the record failed.
struct RecordFailure
{
    enum class Kind
    {
        None,
        Busy,    // another program holds the write lock: try again shortly
        Damaged, // the file is no sound record: take it out of use
        Refused  // the system or the database refused: disk full, read-only, denied
    };
    Kind kind = Kind::None;
    QString reason; // the system's or the database driver's own words
};

// What became of a damaged record: moved aside, a new one started with every row that still read.
struct RecordRescue
{
    QString movedTo;
    qint64 answersSaved = 0;
    qint64 answersLost = 0;
};

// The learning record: every answer of every game, and the result of every game that reached its
// report. Pairs are known by their question and answer bytes, so a pair keeps its record when its
// file is renamed, moved or edited around it.
class LearningRecord
{
public:
    enum class OpenOutcome
    {
        Opened,
        // The file could not be read as a record; it was moved aside and a new record started.
        StartedAfresh,
        Unavailable
    };

    virtual ~LearningRecord() = default;

    virtual OpenOutcome open() = 0;
    // Lets go of the record's file, on the thread that opened it; open() takes it again.
    virtual void close() = 0;
    // True when the calls wait for a disk. The recorder then makes every call, from the first
    // open() to close(), on a thread of its own, so that a game never waits for them.
    virtual bool waitsOnDisk() const = 0;
    // Where the record is, as the user is told.
    virtual QString location() const = 0;
    // Why the last call that returned false or nothing failed.
    virtual RecordFailure lastFailure() const = 0;

    // Moves a damaged record aside and starts a new one holding whatever of it still reads;
    // false when no new record could be started. open() does this itself for damage it meets.
    virtual bool startAfresh() = 0;
    // What the last start afresh saved; nothing before one.
    virtual std::optional<RecordRescue> rescue() const = 0;
    // Reads every page of the record through a connection of its own, so it may run on another
    // thread beside the writes: false when damage was found.
    virtual bool wholeFileSound() const = 0;

    // Each of these is one transaction; false when it could not be written.
    virtual std::optional<qint64> beginGame(const GameStart& start) = 0;
    virtual bool recordAnswer(qint64 game, const AnswerOutcome& outcome) = 0;
    virtual bool finishGame(qint64 game, const GameResult& result) = 0;
    virtual bool removeFromNotebook(const QuestionItem& pair) = 0;
    virtual bool setAnswerByReading(const QuestionItem& pair, bool on) = 0;
    virtual bool clear() = 0;

    // Every pair now in the notebook, of every file.
    virtual QList<NotebookEntry> notebook() = 0;

    // The games that reached their report, oldest first, and their time-outs in the order they
    // happened.
    virtual QList<FinishedGame> finishedGames(const GameFilter& filter) = 0;
    virtual QList<GameTimeOut> timeOutsOf(const GameFilter& filter) = 0;
    // The path of every file a finished game drew from, in the order of their first game.
    virtual QStringList recordedFiles() = 0;

    // Review schedules: the scheduler the writes use, and what today's review reads.
    virtual void setScheduler(const Scheduler& scheduler) = 0;
    virtual DueSummary dueSummary(const QDateTime& by) = 0;
    // At most `limit` of the pairs due, the least likely to be recalled at `by` first.
    virtual QList<ScheduledPair> duePairs(const QDateTime& by, qsizetype limit) = 0;
    // Every pair that has a schedule, to tell the pairs a learner has not met yet.
    virtual QList<QuestionItem> scheduledPairs() = 0;
    virtual qint64 pairsFirstMetSince(const QDateTime& since) = 0;
    // The learner's latest correct answers in one input mode, oldest first, for the grade's pace.
    virtual std::vector<AnswerTimingSample> correctTimings(InputMode mode) = 0;
    // The coming days' due counts, the past year's reviews and the retention they achieved, by
    // the scheduler the writes use.
    virtual ReviewPlan reviewPlan(const QDateTime& now) = 0;
    // The review log's counted, graded lines in the order they happened: what the schedules are
    // replayed from.
    virtual std::vector<LoggedReview> reviewLog() = 0;
    // Grades the log's lines that have none yet and replays every counted graded line through the
    // scheduler, in one transaction: after the upgrade that began the log, or with new settings.
    virtual bool reschedule() = 0;
};

#pragma once

#include "record/LearningRecord.h"

#include <QSqlDatabase>

#include <functional>

class QSqlQuery;

// The learning record in an SQLite file, through Qt SQL. It owns its connection, the schema and
// its numbered upgrades, and every query. Nothing is read or written before open().
class SqlLearningRecord : public LearningRecord
{
public:
    // Read only, the record is read beside a running program that writes it: the file is never
    // created, upgraded or moved aside, and every write fails.
    enum class Access
    {
        ReadWrite,
        ReadOnly
    };

    // The record of this user: record.sqlite in the program's data folder, also when another
    // program (tazune-data) asks.
    static QString defaultPath();

    explicit SqlLearningRecord(QString path, Access access = Access::ReadWrite);
    ~SqlLearningRecord() override;

    SqlLearningRecord(const SqlLearningRecord&) = delete;
    SqlLearningRecord& operator=(const SqlLearningRecord&) = delete;

    OpenOutcome open() override;
    void close() override { disconnect(); }
    bool waitsOnDisk() const override { return true; }
    QString location() const override { return path; }
    RecordFailure lastFailure() const override { return failure; }
    bool startAfresh() override;
    std::optional<RecordRescue> rescue() const override { return rescued; }
    bool wholeFileSound() const override;

    std::optional<qint64> beginGame(const GameStart& start) override;
    bool recordAnswer(qint64 game, const AnswerOutcome& outcome) override;
    bool finishGame(qint64 game, const GameResult& result) override;
    bool removeFromNotebook(const QuestionItem& pair) override;
    bool setAnswerByReading(const QuestionItem& pair, bool on) override;
    bool clear() override;
    QList<NotebookEntry> notebook() override;
    QList<FinishedGame> finishedGames(const GameFilter& filter) override;
    QList<GameTimeOut> timeOutsOf(const GameFilter& filter) override;
    QStringList recordedFiles() override;

    void setScheduler(const Scheduler& scheduler) override { reviews = scheduler; }
    DueSummary dueSummary(const QDateTime& by) override;
    ReviewPlan reviewPlan(const QDateTime& now) override;
    QList<ScheduledPair> duePairs(const QDateTime& by, qsizetype limit) override;
    QList<QuestionItem> scheduledPairs() override;
    qint64 pairsFirstMetSince(const QDateTime& since) override;
    std::vector<AnswerTimingSample> correctTimings(InputMode mode) override;
    std::vector<LoggedReview> reviewLog() override;
    bool reschedule() override;

    // The version the schema is at once open() has upgraded it.
    static int schemaVersion();

private:
    enum class Connect
    {
        Ready,
        Damaged,
        Failed
    };

    Connect connect();
    bool connectReadOnly();
    void disconnect();
    bool moveDamagedFileAside();
    RecordRescue carryOver(const QString& damagedPath);
    qint64 carryTable(const QString& table);
    // Runs the statement and keeps its failure, in the driver's words, for lastFailure().
    bool exec(QSqlQuery& query);
    bool exec(QSqlQuery& query, const QString& statement);
    // A read that ended early, on damage or a lost connection, is a failure too.
    void noteIfStopped(const QSqlQuery& query);
    void fail(const QSqlError& error);
    void refuse(const QString& reason);
    std::optional<int> storedVersion();
    bool upgradeSchema();
    bool inTransaction(const std::function<bool()>& work);
    std::optional<qint64> fileId(const RecordedFile& file);
    std::optional<qint64> pairId(const QuestionItem& pair, PairProgress& progress);
    bool storeProgress(qint64 pair, const PairProgress& progress);
    // One transaction: the pair's progress as the change makes it.
    bool changeProgress(const QuestionItem& pair,
                        const std::function<PairProgress(PairProgress)>& change);
    bool storeOutcome(qint64 game, qint64 pair, const AnswerOutcome& outcome);
    bool logReview(qint64 game, qint64 pair, const AnswerOutcome& outcome);
    bool moveSchedule(qint64 pair, Grade grade, const QDateTime& at);
    QSqlQuery scheduleWriter();
    bool storeSchedule(QSqlQuery& query, qint64 pair, const PairSchedule& schedule, qint64 firstMs);
    bool gradeUngradedReviews();
    bool replayReviews();
    bool rescheduleIfStale();
    std::vector<AnswerTimingSample> timingsOf(InputMode mode);

    // The statement that marks results stored without all their answers: of one game or all.
    static QString markAnswersMissing(std::optional<qint64> game = std::nullopt);

    QSqlDatabase database() const;

    QString path;
    Access access;
    QString connectionName;
    RecordFailure failure;
    QString lastLogged;
    std::optional<RecordRescue> rescued;
    bool opened = false;
    Scheduler reviews;
};

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
    // The record of this user: record.sqlite in the application's data folder.
    static QString defaultPath();

    explicit SqlLearningRecord(QString path);
    ~SqlLearningRecord() override;

    SqlLearningRecord(const SqlLearningRecord&) = delete;
    SqlLearningRecord& operator=(const SqlLearningRecord&) = delete;

    OpenOutcome open() override;
    QString damagedCopy() const override { return damaged; }

    std::optional<qint64> beginGame(const GameStart& start) override;
    bool recordAnswer(qint64 game, const AnswerOutcome& outcome) override;
    bool finishGame(qint64 game, const GameResult& result) override;
    bool removeFromNotebook(const QuestionItem& pair) override;
    bool clear() override;
    QList<NotebookEntry> notebook() override;
    QList<FinishedGame> finishedGames(const GameFilter& filter) override;
    QList<GameTimeOut> timeOutsOf(const GameFilter& filter) override;
    QStringList recordedFiles() override;

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
    void disconnect();
    bool moveDamagedFileAside();
    bool upgradeSchema();
    bool inTransaction(const std::function<bool()>& work);
    std::optional<qint64> fileId(const RecordedFile& file);
    std::optional<qint64> pairId(const QuestionItem& pair, PairProgress& progress);
    bool storeProgress(qint64 pair, const PairProgress& progress);

    QSqlDatabase database() const;

    QString path;
    QString connectionName;
    QString damaged;
    bool opened = false;
};

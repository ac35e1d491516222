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
    bool connectReadOnly();
    void disconnect();
    bool moveDamagedFileAside();
    std::optional<int> storedVersion();
    bool upgradeSchema();
    bool inTransaction(const std::function<bool()>& work);
    std::optional<qint64> fileId(const RecordedFile& file);
    std::optional<qint64> pairId(const QuestionItem& pair, PairProgress& progress);
    bool storeProgress(qint64 pair, const PairProgress& progress);

    QSqlDatabase database() const;

    QString path;
    Access access;
    QString connectionName;
    QString damaged;
    bool opened = false;
};

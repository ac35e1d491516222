#include "record/SqlLearningRecord.h"

#include "ProductInfo.h"
#include "record/NotebookRule.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QUrl>
#include <QVariant>

#include <functional>

namespace {

// SQLite's own result codes, as Qt passes them on.
const QString NotADatabase = QStringLiteral("26");
const QString Corrupt = QStringLiteral("11");

bool isDamage(const QSqlError& error)
{
    return error.nativeErrorCode() == NotADatabase || error.nativeErrorCode() == Corrupt;
}

QString timeText(const QDateTime& time)
{
    return time.toUTC().toString(Qt::ISODateWithMs);
}

QDateTime timeFrom(const QVariant& milliseconds)
{
    return milliseconds.isNull()
               ? QDateTime()
               : QDateTime::fromMSecsSinceEpoch(milliseconds.toLongLong(), Qt::UTC);
}

// A bound blob that is never NULL, so an empty answer still equals an empty answer.
QVariant blob(const QByteArray& bytes)
{
    return QVariant(bytes.isNull() ? QByteArray("") : bytes);
}

} // namespace

QString SqlLearningRecord::defaultPath()
{
    // Spelled out rather than AppDataLocation, which follows the asking program's own name.
    return QDir(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation))
        .filePath(ProductInfo::Organisation + u'/' + ProductInfo::Application +
                  QStringLiteral("/record.sqlite"));
}

SqlLearningRecord::SqlLearningRecord(QString path, Access access)
    : path(std::move(path)), access(access),
      connectionName(QStringLiteral("tazune-record-%1").arg(reinterpret_cast<quintptr>(this)))
{}

SqlLearningRecord::~SqlLearningRecord()
{
    disconnect();
}

QSqlDatabase SqlLearningRecord::database() const
{
    return QSqlDatabase::database(connectionName, false);
}

void SqlLearningRecord::disconnect()
{
    if (!QSqlDatabase::contains(connectionName))
        return;
    database().close();
    QSqlDatabase::removeDatabase(connectionName);
    opened = false;
}

LearningRecord::OpenOutcome SqlLearningRecord::open()
{
    damaged.clear();
    if (access == Access::ReadOnly) {
        opened = connectReadOnly();
        if (!opened)
            disconnect();
        return opened ? OpenOutcome::Opened : OpenOutcome::Unavailable;
    }
    if (!QDir().mkpath(QFileInfo(path).absolutePath()))
        return OpenOutcome::Unavailable;
    Connect connected = connect();
    if (connected == Connect::Damaged) {
        disconnect();
        if (!moveDamagedFileAside())
            return OpenOutcome::Unavailable;
        connected = connect();
    }
    if (connected != Connect::Ready) {
        disconnect();
        return OpenOutcome::Unavailable;
    }
    opened = true;
    return damaged.isEmpty() ? OpenOutcome::Opened : OpenOutcome::StartedAfresh;
}

SqlLearningRecord::Connect SqlLearningRecord::connect()
{
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connectionName);
    db.setDatabaseName(path);
    // Another running Tazune may hold the write lock for the few milliseconds of its answer.
    db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=100"));
    if (!db.open())
        return Connect::Failed;
    QSqlQuery query(db);
    // The first statements read the file's header and first page: a file that is no record
    // fails here.
    for (const QString& statement : {QStringLiteral("PRAGMA journal_mode=WAL"),
                                     QStringLiteral("SELECT count(*) FROM sqlite_master")}) {
        if (!query.exec(statement))
            return isDamage(query.lastError()) ? Connect::Damaged : Connect::Failed;
    }
    // In WAL a process that dies loses nothing it committed; only a power cut can take the last
    // answers.
    query.exec(QStringLiteral("PRAGMA synchronous=NORMAL"));
    query.exec(QStringLiteral("PRAGMA foreign_keys=ON"));
    if (!upgradeSchema())
        return Connect::Failed;
    return Connect::Ready;
}

bool SqlLearningRecord::connectReadOnly()
{
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connectionName);
    QString options = QStringLiteral("QSQLITE_OPEN_READONLY;QSQLITE_BUSY_TIMEOUT=100");
    // Without a write-ahead log no program has the record open, and one that opens it now writes
    // to a new log, copied into the file only at a thousand pages or when it closes. So the file
    // is read as it stands, which leaves behind no log and no log index, as reading through
    // SQLite's locks would.
    if (QFileInfo::exists(path) && !QFileInfo::exists(path + QStringLiteral("-wal"))) {
        options += QStringLiteral(";QSQLITE_OPEN_URI");
        db.setDatabaseName(
            QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath()).toString(QUrl::FullyEncoded) +
            QStringLiteral("?immutable=1"));
    } else {
        db.setDatabaseName(path);
    }
    db.setConnectOptions(options);
    // A record of another schema version would be read with the wrong columns.
    return db.open() && storedVersion() == schemaVersion();
}

bool SqlLearningRecord::moveDamagedFileAside()
{
    const QString stamp = QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    QString target = path + QStringLiteral(".damaged-") + stamp;
    for (int n = 2; QFileInfo::exists(target); ++n)
        target = path + QStringLiteral(".damaged-%1-%2").arg(stamp).arg(n);
    if (!QFile::rename(path, target))
        return false;
    // The journal files belong to the damaged file, and would be replayed into the new one.
    for (const QString& suffix : {QStringLiteral("-wal"), QStringLiteral("-shm")}) {
        if (QFileInfo::exists(path + suffix))
            QFile::rename(path + suffix, target + suffix);
    }
    damaged = target;
    return true;
}

bool SqlLearningRecord::inTransaction(const std::function<bool()>& work)
{
    QSqlQuery query(database());
    // The write lock is taken at once, so two running copies wait for each other at the start
    // instead of failing halfway.
    if (!query.exec(QStringLiteral("BEGIN IMMEDIATE")))
        return false;
    if (work() && query.exec(QStringLiteral("COMMIT")))
        return true;
    query.exec(QStringLiteral("ROLLBACK"));
    return false;
}

std::optional<qint64> SqlLearningRecord::fileId(const RecordedFile& file)
{
    QSqlQuery query(database());
    query.prepare(QStringLiteral("INSERT INTO files (path, content_hash) VALUES (?, ?)"
                                 " ON CONFLICT (path, content_hash) DO NOTHING"));
    query.addBindValue(file.path);
    query.addBindValue(blob(file.contentHash));
    if (!query.exec())
        return std::nullopt;
    query.prepare(QStringLiteral("SELECT id FROM files WHERE path = ? AND content_hash = ?"));
    query.addBindValue(file.path);
    query.addBindValue(blob(file.contentHash));
    if (!query.exec() || !query.next())
        return std::nullopt;
    return query.value(0).toLongLong();
}

std::optional<qint64> SqlLearningRecord::beginGame(const GameStart& start)
{
    if (!opened)
        return std::nullopt;
    std::optional<qint64> game;
    inTransaction([&] {
        const std::optional<qint64> file = fileId(start.file);
        if (!file)
            return false;
        QSqlQuery query(database());
        query.prepare(QStringLiteral(
            "INSERT INTO games (file_id, level, seconds_per_question, questions_per_game, review,"
            " started_at) VALUES (?, ?, ?, ?, ?, ?)"));
        query.addBindValue(*file);
        query.addBindValue(start.level);
        query.addBindValue(start.secondsPerQuestion);
        query.addBindValue(start.questionsPerGame);
        query.addBindValue(start.review ? 1 : 0);
        query.addBindValue(timeText(start.startedAt));
        if (!query.exec())
            return false;
        game = query.lastInsertId().toLongLong();
        return true;
    });
    return game;
}

std::optional<qint64> SqlLearningRecord::pairId(const QuestionItem& pair, PairProgress& progress)
{
    QSqlQuery query(database());
    query.prepare(QStringLiteral("SELECT id, misses, corrects, correct_ticks, fast_streak,"
                                 " in_notebook, last_miss_ms, last_timeout_typed FROM pairs"
                                 " WHERE question = ? AND answer = ?"));
    query.addBindValue(blob(pair.question));
    query.addBindValue(blob(pair.answer));
    if (!query.exec())
        return std::nullopt;
    if (query.next()) {
        progress = {query.value(1).toInt(),      query.value(2).toInt(),
                    query.value(3).toLongLong(), query.value(4).toInt(),
                    query.value(5).toBool(),     timeFrom(query.value(6)),
                    query.value(7).toByteArray()};
        return query.value(0).toLongLong();
    }
    progress = {};
    query.prepare(QStringLiteral("INSERT INTO pairs (question, answer) VALUES (?, ?)"));
    query.addBindValue(blob(pair.question));
    query.addBindValue(blob(pair.answer));
    if (!query.exec())
        return std::nullopt;
    return query.lastInsertId().toLongLong();
}

bool SqlLearningRecord::storeProgress(qint64 pair, const PairProgress& progress)
{
    QSqlQuery query(database());
    query.prepare(QStringLiteral("UPDATE pairs SET misses = ?, corrects = ?, correct_ticks = ?,"
                                 " fast_streak = ?, in_notebook = ?, last_miss_ms = ?,"
                                 " last_timeout_typed = ? WHERE id = ?"));
    query.addBindValue(progress.misses);
    query.addBindValue(progress.corrects);
    query.addBindValue(progress.correctTicks);
    query.addBindValue(progress.fastStreak);
    query.addBindValue(progress.inNotebook ? 1 : 0);
    query.addBindValue(progress.lastMiss.isValid() ? QVariant(progress.lastMiss.toMSecsSinceEpoch())
                                                   : QVariant(QMetaType(QMetaType::LongLong)));
    query.addBindValue(progress.lastTimeOutTyped.isNull()
                           ? QVariant(QMetaType(QMetaType::QByteArray))
                           : QVariant(progress.lastTimeOutTyped));
    query.addBindValue(pair);
    return query.exec();
}

bool SqlLearningRecord::recordAnswer(qint64 game, const AnswerOutcome& outcome)
{
    if (!opened)
        return false;
    return inTransaction([&] {
        PairProgress progress;
        const std::optional<qint64> pair = pairId(outcome.pair, progress);
        if (!pair || !storeProgress(*pair, NotebookRule::after(progress, outcome)))
            return false;
        QSqlQuery query(database());
        query.prepare(QStringLiteral("INSERT INTO outcomes (game_id, pair_id, at, correct_ticks,"
                                     " typed) VALUES (?, ?, ?, ?, ?)"));
        query.addBindValue(game);
        query.addBindValue(*pair);
        query.addBindValue(timeText(outcome.at));
        query.addBindValue(outcome.correctTicks ? QVariant(*outcome.correctTicks)
                                                : QVariant(QMetaType(QMetaType::Int)));
        query.addBindValue(outcome.correctTicks ? QVariant(QMetaType(QMetaType::QByteArray))
                                                : blob(outcome.typed));
        return query.exec();
    });
}

bool SqlLearningRecord::finishGame(qint64 game, const GameResult& result)
{
    if (!opened)
        return false;
    return inTransaction([&] {
        QSqlQuery query(database());
        query.prepare(QStringLiteral(
            "INSERT INTO results (game_id, finished_at, seconds_per_question, questions_per_game,"
            " correct_count, correct_time_sum, answer_time_sum, standard_time,"
            " average_correct_time, average_input_time, correct_rate)"
            " VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"));
        query.addBindValue(game);
        query.addBindValue(timeText(result.finishedAt));
        query.addBindValue(result.inputs.secondsPerQuestion);
        query.addBindValue(result.inputs.questionsPerGame);
        query.addBindValue(result.inputs.correctCount);
        query.addBindValue(result.inputs.correctTimeSum);
        query.addBindValue(result.inputs.answerTimeSum);
        query.addBindValue(result.texts.standardTime);
        query.addBindValue(result.texts.averageCorrectTime);
        query.addBindValue(result.texts.averageInputTime);
        query.addBindValue(result.texts.correctRate);
        return query.exec();
    });
}

bool SqlLearningRecord::removeFromNotebook(const QuestionItem& pair)
{
    if (!opened)
        return false;
    return inTransaction([&] {
        PairProgress progress;
        const std::optional<qint64> id = pairId(pair, progress);
        return id && storeProgress(*id, NotebookRule::removedByHand(progress));
    });
}

bool SqlLearningRecord::clear()
{
    if (!opened)
        return false;
    const bool cleared = inTransaction([&] {
        QSqlQuery query(database());
        for (const char* table : {"outcomes", "results", "games", "pairs", "files"}) {
            if (!query.exec(QStringLiteral("DELETE FROM ") + QLatin1String(table)))
                return false;
        }
        return true;
    });
    // Deleted rows would otherwise stay readable in the file's free pages.
    QSqlQuery(database()).exec(QStringLiteral("VACUUM"));
    return cleared;
}

QList<NotebookEntry> SqlLearningRecord::notebook()
{
    QList<NotebookEntry> entries;
    if (!opened)
        return entries;
    QSqlQuery query(database());
    query.setForwardOnly(true);
    if (!query.exec(QStringLiteral("SELECT question, answer, misses, corrects, correct_ticks,"
                                   " fast_streak, last_miss_ms, last_timeout_typed FROM pairs"
                                   " WHERE in_notebook")))
        return entries;
    while (query.next()) {
        entries.append({{query.value(0).toByteArray(), query.value(1).toByteArray()},
                        {query.value(2).toInt(), query.value(3).toInt(),
                         query.value(4).toLongLong(), query.value(5).toInt(), true,
                         timeFrom(query.value(6)), query.value(7).toByteArray()}});
    }
    return entries;
}

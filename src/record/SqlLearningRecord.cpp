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

#include <cstdio>
#include <functional>

namespace {

// SQLite's own result codes, as Qt passes them on.
const QString Busy = QStringLiteral("5");
const QString Locked = QStringLiteral("6");
const QString Corrupt = QStringLiteral("11");
const QString NotADatabase = QStringLiteral("26");

RecordFailure::Kind kindOf(const QSqlError& error)
{
    const QString code = error.nativeErrorCode();
    if (code == Busy || code == Locked)
        return RecordFailure::Kind::Busy;
    if (code == Corrupt || code == NotADatabase)
        return RecordFailure::Kind::Damaged;
    return RecordFailure::Kind::Refused;
}

// SQLite names a read-only file system or a denied folder only as a file it cannot open or write;
// the system says which.
QString systemWords(const QString& path)
{
    QFile probe(QFileInfo::exists(path) ? path : QFileInfo(path).absolutePath() + "/.tazune-probe");
    const bool created = !QFileInfo::exists(probe.fileName());
    if (!probe.open(QIODevice::ReadWrite))
        return probe.errorString();
    probe.close();
    if (created)
        probe.remove();
    return {};
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

QVariant milliseconds(const std::optional<qint64>& value)
{
    return value ? QVariant(*value) : QVariant(QMetaType(QMetaType::LongLong));
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

void SqlLearningRecord::refuse(const QString& reason)
{
    failure = {RecordFailure::Kind::Refused, reason};
    std::fprintf(stderr, "tazune: learning record %s: %s\n", qPrintable(path), qPrintable(reason));
}

void SqlLearningRecord::fail(const QSqlError& error)
{
    failure.kind = kindOf(error);
    failure.reason = error.databaseText().isEmpty() ? error.driverText() : error.databaseText();
    if (failure.kind == RecordFailure::Kind::Refused) {
        const QString system = systemWords(path);
        if (!system.isEmpty() && !failure.reason.contains(system, Qt::CaseInsensitive))
            failure.reason += QStringLiteral(" (%1)").arg(system);
    }
    if (failure.kind == RecordFailure::Kind::Damaged)
        failure.reason = QStringLiteral("壊れています (%1)").arg(failure.reason);
    // A held lock is no failure the log needs; the same failure on every retry is told once.
    if (failure.kind == RecordFailure::Kind::Busy || failure.reason == lastLogged)
        return;
    lastLogged = failure.reason;
    std::fprintf(stderr, "tazune: learning record %s: %s: %s (SQLite %s)\n", qPrintable(path),
                 qPrintable(error.driverText()), qPrintable(error.databaseText()),
                 qPrintable(error.nativeErrorCode()));
}

bool SqlLearningRecord::exec(QSqlQuery& query)
{
    if (query.exec())
        return true;
    fail(query.lastError());
    return false;
}

bool SqlLearningRecord::exec(QSqlQuery& query, const QString& statement)
{
    if (query.exec(statement))
        return true;
    fail(query.lastError());
    return false;
}

void SqlLearningRecord::noteIfStopped(const QSqlQuery& query)
{
    if (query.lastError().isValid())
        fail(query.lastError());
}

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
    failure = {};
    rescued.reset();
    if (access == Access::ReadOnly) {
        opened = connectReadOnly();
        if (!opened)
            disconnect();
        return opened ? OpenOutcome::Opened : OpenOutcome::Unavailable;
    }
    disconnect();
    if (!QDir().mkpath(QFileInfo(path).absolutePath())) {
        refuse(systemWords(path));
        return OpenOutcome::Unavailable;
    }
    const Connect connected = connect();
    if (connected == Connect::Damaged)
        return startAfresh() ? OpenOutcome::StartedAfresh : OpenOutcome::Unavailable;
    if (connected != Connect::Ready) {
        disconnect();
        return OpenOutcome::Unavailable;
    }
    opened = true;
    return OpenOutcome::Opened;
}

bool SqlLearningRecord::startAfresh()
{
    failure = {};
    disconnect();
    if (!moveDamagedFileAside())
        return false;
    if (connect() != Connect::Ready) {
        disconnect();
        return false;
    }
    rescued = carryOver(rescued->movedTo);
    opened = true;
    return true;
}

SqlLearningRecord::Connect SqlLearningRecord::connect()
{
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connectionName);
    db.setDatabaseName(path);
    // No wait for another running Tazune's write lock: the thread that writes also draws the
    // game, and the writer tries again later. URIs let a damaged copy be read without writing.
    db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=0;QSQLITE_OPEN_URI"));
    if (!db.open()) {
        fail(db.lastError());
        return Connect::Failed;
    }
    QSqlQuery query(db);
    // The first statements read the file's header and first page: a file that is no record
    // fails here. Damage further in is met by the statement that reads it, or by the whole
    // file's check.
    for (const QString& statement : {QStringLiteral("PRAGMA journal_mode=WAL"),
                                     QStringLiteral("SELECT count(*) FROM sqlite_master")}) {
        if (!exec(query, statement))
            return failure.kind == RecordFailure::Kind::Damaged ? Connect::Damaged
                                                                : Connect::Failed;
    }
    // In WAL a process that dies loses nothing it committed; only a power cut can take the last
    // answers.
    query.exec(QStringLiteral("PRAGMA synchronous=NORMAL"));
    query.exec(QStringLiteral("PRAGMA foreign_keys=ON"));
    if (!upgradeSchema())
        return failure.kind == RecordFailure::Kind::Damaged ? Connect::Damaged : Connect::Failed;
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
    if (!QFile::rename(path, target)) {
        refuse(systemWords(path));
        return false;
    }
    // The journal files belong to the damaged file, and would be replayed into the new one.
    for (const QString& suffix : {QStringLiteral("-wal"), QStringLiteral("-shm")}) {
        if (QFileInfo::exists(path + suffix))
            QFile::rename(path + suffix, target + suffix);
    }
    rescued = RecordRescue{target, 0, 0};
    return true;
}

bool SqlLearningRecord::inTransaction(const std::function<bool()>& work)
{
    QSqlQuery query(database());
    // The write lock is taken at once, so two running copies wait for each other at the start
    // instead of failing halfway.
    if (!exec(query, QStringLiteral("BEGIN IMMEDIATE")))
        return false;
    if (work() && exec(query, QStringLiteral("COMMIT")))
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
    if (!exec(query))
        return std::nullopt;
    query.prepare(QStringLiteral("SELECT id FROM files WHERE path = ? AND content_hash = ?"));
    query.addBindValue(file.path);
    query.addBindValue(blob(file.contentHash));
    if (!exec(query) || !query.next())
        return std::nullopt;
    return query.value(0).toLongLong();
}

std::optional<qint64> SqlLearningRecord::beginGame(const GameStart& start)
{
    failure = {};
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
        if (!exec(query))
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
    if (!exec(query))
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
    if (!exec(query))
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
    return exec(query);
}

bool SqlLearningRecord::recordAnswer(qint64 game, const AnswerOutcome& outcome)
{
    failure = {};
    if (!opened)
        return false;
    return inTransaction([&] {
        PairProgress progress;
        const std::optional<qint64> pair = pairId(outcome.pair, progress);
        if (!pair || !storeProgress(*pair, NotebookRule::after(progress, outcome)))
            return false;
        QSqlQuery query(database());
        query.prepare(QStringLiteral("INSERT INTO outcomes (game_id, pair_id, at, correct_ticks,"
                                     " typed, first_key_ms, match_ms, keys, corrections,"
                                     " input_mode) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"));
        query.addBindValue(game);
        query.addBindValue(*pair);
        query.addBindValue(timeText(outcome.at));
        query.addBindValue(outcome.correctTicks ? QVariant(*outcome.correctTicks)
                                                : QVariant(QMetaType(QMetaType::Int)));
        query.addBindValue(outcome.correctTicks ? QVariant(QMetaType(QMetaType::QByteArray))
                                                : blob(outcome.typed));
        const AnswerTiming& timing = outcome.timing;
        query.addBindValue(milliseconds(timing.firstKeyMs));
        query.addBindValue(milliseconds(timing.matchMs));
        query.addBindValue(timing.keys);
        query.addBindValue(timing.corrections);
        query.addBindValue(static_cast<int>(timing.mode));
        return exec(query);
    });
}

bool SqlLearningRecord::finishGame(qint64 game, const GameResult& result)
{
    failure = {};
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
        return exec(query) && exec(query, markAnswersMissing(game));
    });
}

bool SqlLearningRecord::removeFromNotebook(const QuestionItem& pair)
{
    failure = {};
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
    failure = {};
    if (!opened)
        return false;
    const bool cleared = inTransaction([&] {
        QSqlQuery query(database());
        for (const char* table : {"outcomes", "results", "games", "pairs", "files"}) {
            if (!exec(query, QStringLiteral("DELETE FROM ") + QLatin1String(table)))
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
    failure = {};
    if (!opened)
        return entries;
    QSqlQuery query(database());
    query.setForwardOnly(true);
    if (!exec(query, QStringLiteral("SELECT question, answer, misses, corrects, correct_ticks,"
                                    " fast_streak, last_miss_ms, last_timeout_typed FROM pairs"
                                    " WHERE in_notebook")))
        return entries;
    while (query.next()) {
        entries.append({{query.value(0).toByteArray(), query.value(1).toByteArray()},
                        {query.value(2).toInt(), query.value(3).toInt(),
                         query.value(4).toLongLong(), query.value(5).toInt(), true,
                         timeFrom(query.value(6)), query.value(7).toByteArray()}});
    }
    noteIfStopped(query);
    return entries;
}

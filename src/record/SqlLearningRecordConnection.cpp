// The record's connection: opening, damage moved aside, and failures told in their own words.

#include "record/SqlLearningRecord.h"

#include "ProductInfo.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QUrl>
#include <QVariant>

#include <cstdio>

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
    if (!upgradeSchema() || !rescheduleIfStale())
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

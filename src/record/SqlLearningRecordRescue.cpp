// What a damaged record still holds, carried into the new record started beside it, and the
// check of every page that finds damage no statement has met yet.

#include "record/SqlLearningRecord.h"

#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>
#include <QThread>
#include <QUrl>
#include <QVariant>

#include <cstdio>

namespace {

// Parents before the rows that refer to them.
const QStringList Tables{QStringLiteral("files"), QStringLiteral("pairs"), QStringLiteral("games"),
                         QStringLiteral("results"), QStringLiteral("outcomes")};

constexpr int CarriedPerBatch = 5000;

QStringList columnsOf(QSqlDatabase db, const QString& schema, const QString& table)
{
    QStringList columns;
    QSqlQuery query(db);
    if (query.exec(QStringLiteral("PRAGMA %1.table_info(%2)").arg(schema, table))) {
        while (query.next())
            columns << query.value(1).toString();
    }
    return columns;
}

// The columns both records have: a damaged record of an older version lacks the newer ones.
QString sharedColumns(QSqlDatabase db, const QString& table)
{
    const QStringList damaged = columnsOf(db, QStringLiteral("damaged"), table);
    QStringList shared;
    for (const QString& column : columnsOf(db, QStringLiteral("main"), table)) {
        if (damaged.contains(column))
            shared << column;
    }
    return shared.join(u',');
}

} // namespace

RecordRescue SqlLearningRecord::carryOver(const QString& damagedPath)
{
    RecordRescue rescue{damagedPath, 0, 0};
    QSqlQuery query(database());
    // Read only, so that reading leaves the damaged copy and its log as they were.
    query.prepare(QStringLiteral("ATTACH DATABASE ? AS damaged"));
    query.addBindValue(QUrl::fromLocalFile(QFileInfo(damagedPath).absoluteFilePath())
                           .toString(QUrl::FullyEncoded) +
                       QStringLiteral("?mode=ro"));
    if (!query.exec())
        return rescue;
    for (const QString& table : Tables) {
        const qint64 carried = carryTable(table);
        if (table == QLatin1String("outcomes"))
            rescue.answersSaved = carried;
    }
    // Answers are numbered from one without gaps, so the highest number that reads tells how
    // many there were; the last ones may be past reading too.
    qint64 highest = rescue.answersSaved;
    if (query.exec(QStringLiteral("SELECT max(id) FROM damaged.outcomes")) && query.next())
        highest = std::max(highest, query.value(0).toLongLong());
    if (query.exec(QStringLiteral("SELECT max(id) FROM main.outcomes")) && query.next())
        highest = std::max(highest, query.value(0).toLongLong());
    rescue.answersLost = highest - rescue.answersSaved;
    // Results whose answers did not all read keep their figures, marked.
    query.exec(markAnswersMissing());
    query.exec(QStringLiteral("DETACH DATABASE damaged"));
    return rescue;
}

// The whole table at once when it reads; otherwise in batches in the order of their ids, jumping
// ever further past a page that cannot be read. A row whose parent was lost is left out. No
// batch is read while one is written: after a read met damage SQLite fails the rest of the
// transaction it happened in.
qint64 SqlLearningRecord::carryTable(const QString& table)
{
    const QString columns = sharedColumns(database(), table);
    if (columns.isEmpty())
        return 0;
    QSqlQuery query(database());
    if (query.exec(QStringLiteral("INSERT INTO main.%1 (%2) SELECT %2 FROM damaged.%1")
                       .arg(table, columns)))
        return query.numRowsAffected();

    const int width = static_cast<int>(columns.count(u',')) + 1;
    QSqlQuery insert(database());
    insert.prepare(QStringLiteral("INSERT OR IGNORE INTO main.%1 (%2) VALUES (%3)")
                       .arg(table, columns, QStringLiteral("?,").repeated(width).chopped(1)));
    QSqlQuery rows(database());
    rows.setForwardOnly(true);
    rows.prepare(QStringLiteral("SELECT rowid, %2 FROM damaged.%1 WHERE rowid > ?"
                                " ORDER BY rowid LIMIT %3")
                     .arg(table, columns)
                     .arg(CarriedPerBatch));
    qint64 carried = 0;
    qint64 after = 0;
    qint64 jump = 1;
    while (after < (qint64(1) << 53)) {
        QList<QVariantList> batch;
        rows.addBindValue(after);
        if (rows.exec()) {
            while (rows.next()) {
                QVariantList row;
                for (int k = 0; k <= width; ++k)
                    row << rows.value(k);
                batch << row;
            }
        }
        const bool stopped = rows.lastError().isValid();
        rows.finish();
        query.exec(QStringLiteral("BEGIN IMMEDIATE"));
        for (const QVariantList& row : std::as_const(batch)) {
            for (int k = 1; k <= width; ++k)
                insert.addBindValue(row[k]);
            if (insert.exec() && insert.numRowsAffected() > 0)
                ++carried;
        }
        query.exec(QStringLiteral("COMMIT"));
        if (!batch.isEmpty()) {
            after = batch.constLast().constFirst().toLongLong();
            jump = 1;
        }
        if (!stopped && batch.size() < CarriedPerBatch)
            break;
        if (stopped) {
            after += jump;
            jump *= 2;
        }
    }
    return carried;
}

bool SqlLearningRecord::wholeFileSound() const
{
    const QString name =
        connectionName +
        QStringLiteral("-check-%1").arg(reinterpret_cast<quintptr>(QThread::currentThread()));
    bool sound = true;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(path);
        db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY;QSQLITE_BUSY_TIMEOUT=1000"));
        if (db.open()) {
            QSqlQuery query(db);
            if (query.exec(QStringLiteral("PRAGMA quick_check")))
                sound = query.next() && query.value(0).toString() == QLatin1String("ok");
            else
                sound = query.lastError().nativeErrorCode() != QLatin1String("11") &&
                        query.lastError().nativeErrorCode() != QLatin1String("26");
            if (!sound)
                std::fprintf(stderr, "tazune: learning record %s: damaged: %s\n", qPrintable(path),
                             qPrintable(query.isActive() ? query.value(0).toString()
                                                         : query.lastError().databaseText()));
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(name);
    return sound;
}

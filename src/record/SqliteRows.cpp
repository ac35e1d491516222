#include "record/SqliteRows.h"

#include <QSqlDriver>
#include <QVariant>

#include <sqlite3.h>

SqliteRows::SqliteRows(const QSqlDatabase& database, const char* text)
{
    const QVariant handle = database.driver() ? database.driver()->handle() : QVariant();
    if (qstrcmp(handle.typeName(), "sqlite3*") == 0)
        connection = *static_cast<sqlite3* const*>(handle.constData());
    if (!connection) {
        failure = QSqlError(QStringLiteral("No SQLite connection"), {}, QSqlError::ConnectionError);
        return;
    }
    if (sqlite3_prepare_v2(connection, text, -1, &statement, nullptr) != SQLITE_OK)
        fail("Unable to execute statement");
}

SqliteRows::~SqliteRows()
{
    sqlite3_finalize(statement);
}

void SqliteRows::bind(int parameter, qint64 value)
{
    if (statement && sqlite3_bind_int64(statement, parameter, value) != SQLITE_OK)
        fail("Unable to bind parameters");
}

bool SqliteRows::next()
{
    if (!statement || failure.isValid())
        return false;
    const int result = sqlite3_step(statement);
    if (result == SQLITE_ROW)
        return true;
    if (result != SQLITE_DONE)
        fail("Unable to fetch row");
    return false;
}

void SqliteRows::fail(const char* what)
{
    failure = QSqlError(QString::fromLatin1(what), QString::fromUtf8(sqlite3_errmsg(connection)),
                        QSqlError::StatementError, QString::number(sqlite3_errcode(connection)));
}

qint64 SqliteRows::integer(int column) const
{
    return sqlite3_column_int64(statement, column);
}

double SqliteRows::real(int column) const
{
    return sqlite3_column_double(statement, column);
}

std::optional<qint64> SqliteRows::optionalInteger(int column) const
{
    if (sqlite3_column_type(statement, column) == SQLITE_NULL)
        return std::nullopt;
    return integer(column);
}

QByteArray SqliteRows::bytes(int column) const
{
    // The pointer must be asked for before the size, which it may change.
    const auto* data = static_cast<const char*>(sqlite3_column_blob(statement, column));
    return QByteArray(data, sqlite3_column_bytes(statement, column));
}

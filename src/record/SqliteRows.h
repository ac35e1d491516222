#pragma once

#include <QByteArray>
#include <QSqlDatabase>
#include <QSqlError>

#include <optional>

struct sqlite3;
struct sqlite3_stmt;

// Reads the rows of one statement straight from SQLite, on the connection Qt SQL opened. Qt's
// driver turns every value of every row into a QVariant; over the notebook's 100,000 rows that
// costs more than the read itself. For large reads only: everything else goes through QSqlQuery.
class SqliteRows
{
public:
    SqliteRows(const QSqlDatabase& database, const char* statement);
    ~SqliteRows();
    SqliteRows(const SqliteRows&) = delete;
    SqliteRows& operator=(const SqliteRows&) = delete;

    // Binds a number to the statement's parameter, counted from 1, before the first next().
    void bind(int parameter, qint64 value);

    // The next row; false at the end or on failure, which error() then tells.
    bool next();
    // The failure in Qt SQL's own shape, with SQLite's result code as its native code; invalid
    // when the read went to its end.
    const QSqlError& error() const { return failure; }

    qint64 integer(int column) const;
    double real(int column) const;
    std::optional<qint64> optionalInteger(int column) const;
    QByteArray bytes(int column) const;

private:
    void fail(const char* what);

    sqlite3* connection = nullptr;
    sqlite3_stmt* statement = nullptr;
    QSqlError failure;
};

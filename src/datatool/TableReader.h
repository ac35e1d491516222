#pragma once

#include "datatool/Table.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QList>

#include <optional>

// One row of a table: the line it starts on and its fields, or what kept it from being read.
struct TableRow
{
    int line = 0;
    QList<QByteArray> fields;
    std::optional<TableError> error;
};

// Reads the rows of a TSV table, or of a CSV table quoted as RFC 4180 has it, from CP932 bytes.
// Line ends are LF or CRLF; blank lines are skipped. Tabs, commas, quotes and line ends are ASCII
// and no CP932 character has a second byte below 0x40, so the bytes are cut without decoding.
class TableReader
{
public:
    TableReader(QByteArrayView table, TableFormat format) : table(table), format(format) {}

    // Reads the next row that is not blank; false at the end of the table. A row that cannot be
    // read carries its error and the reader goes on at the next line.
    bool next(TableRow& row);

private:
    bool nextTsvRow(TableRow& row);
    bool nextCsvRow(TableRow& row);
    bool readCsvField(TableRow& row);
    bool readQuotedField(QByteArray& field, TableRow& row);
    bool atLineEnd() const;
    void skipLineEnd();
    void skipRestOfLine();
    void fail(TableRow& row, TableError::Kind kind);

    QByteArrayView table;
    TableFormat format;
    qsizetype position = 0;
    int line = 1;
};

#pragma once

#include "questions/QuestionBank.h"
#include "readings/ReadingsTable.h"
#include "tables/Table.h"

#include <QByteArray>
#include <QList>

#include <optional>

struct ImportOptions
{
    TableFormat format = TableFormat::Tsv;
    // Detected when not given.
    std::optional<TableEncoding> encoding;
};

struct ImportResult
{
    QuestionBank bank;
    // The readings of the rows that have them, in step with the bank.
    ReadingsTable readings;
    // Every fault of the table; when there is any, the bank is incomplete and must not be saved.
    QList<TableError> errors;
};

// Rows of level (its number 1, 2, 3 or its name), question and answer become pairs of the bank, in
// their order within each level. A row may go on with the pair's reading, its alternatives joined
// by "|" and any mark for a reading that waits for a check. A first row whose level reads "level"
// or "レベル" is a header.
// The table is taken by value so that a caller who moves it in lets its memory go early.
ImportResult importTable(QByteArray table, const ImportOptions& options);

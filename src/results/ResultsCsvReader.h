#pragma once

#include "results/CsvText.h"
#include "results/ResultRow.h"

#include <QByteArrayView>
#include <QList>
#include <QString>

#include <optional>

// What keeps a results table from being read, at the line (counted from 1) where it is.
struct ResultsCsvError
{
    enum class Kind
    {
        NoHeader,
        UnterminatedQuote,
        TextAfterClosingQuote,
        QuoteInUnquotedField,
        ColumnCount,
        BadNumber,
        BadDate,
        BadLevel,
        BadReviewFlag,
        BadTimeOut
    };

    Kind kind;
    int line = 0;
    // The column at fault and the text found in it; for ColumnCount the number of fields.
    QString column;
    QString text;

    friend bool operator==(const ResultsCsvError&, const ResultsCsvError&) = default;
};

struct ResultsCsvRead
{
    QList<ResultRow> rows; // empty when there is an error
    std::optional<ResultsCsvError> error;
};

namespace ResultsCsvReader {

// A table as the results export writes it, in UTF-8 (byte order mark or not) or CP932; stops at
// the first malformed line.
ResultsCsvRead read(QByteArrayView bytes);

// One line of the table after its header, for a file that carries a game's line among others.
std::optional<ResultsCsvError> rowFrom(const CsvText::Record& record, ResultRow& row);

} // namespace ResultsCsvReader

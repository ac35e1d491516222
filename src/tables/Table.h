#pragma once

#include <QString>

// The largest table read: its bytes, their CP932 form and the pairs made of them stay within the
// memory an import may take.
inline constexpr qint64 MaxTableSize = 64 * 1024 * 1024;

// A table as a spreadsheet saves it: one row per question/answer pair, the fields level,
// question and answer.
enum class TableFormat
{
    Tsv,
    Csv
};

enum class TableEncoding
{
    Utf8,
    Cp932
};

// Something in a table that keeps it from becoming a question file, with the line (counted from
// 1, as an editor shows it) where the user will find it.
struct TableError
{
    enum class Kind
    {
        InvalidUtf8,
        NeitherUtf8NorCp932,
        NoCp932Form,
        StrayCarriageReturn,
        QuoteInUnquotedField,
        TextAfterClosingQuote,
        UnclosedQuote,
        FieldCount,
        UnknownLevel,
        ReadingNotKana
    };

    Kind kind;
    int line = 0;
    // The character without a CP932 form, the number of fields found, the level as written or the
    // first character of a reading that is not kana.
    QString detail;

    friend bool operator==(const TableError&, const TableError&) = default;
};

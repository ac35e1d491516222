#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <optional>

// Tables as spreadsheets open them: RFC 4180 records in UTF-8 with a byte order mark, which
// spreadsheets need to tell UTF-8 from the system's code page, or in CP932 for older ones.
namespace CsvText {

enum class Encoding
{
    Utf8,
    Cp932
};

// One record: the fields joined by commas, each with SeparatedText::formulaNeutralised, then quoted
// when it holds a comma, a quote, CR or LF (its quotes doubled), ending in CRLF.
QString record(const QStringList& fields);

struct Encoded
{
    QByteArray bytes;
    // Every character that has no CP932 form, in order; the bytes are empty when there is one.
    QStringList withoutCp932Form;
};

Encoded encode(const QString& text, Encoding encoding);

// UTF-8 after a byte order mark or when the bytes are valid UTF-8, CP932 otherwise.
QString decode(QByteArrayView bytes);

struct Record
{
    int line = 0; // where the record starts, counted from 1
    QStringList fields;
};

struct ParseError
{
    enum class Kind
    {
        UnterminatedQuote,
        TextAfterClosingQuote,
        QuoteInUnquotedField
    };

    Kind kind;
    int line = 0;
};

struct Parsed
{
    QList<Record> records;
    std::optional<ParseError> error; // the first; the records read before it are kept
};

// Records end in CRLF or LF; blank lines are skipped. Every field goes through
// SeparatedText::formulaRestored.
Parsed parse(QStringView text);

} // namespace CsvText

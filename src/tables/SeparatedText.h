#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>
#include <QStringView>

#include <optional>

// Text cut into records of fields by one separator, as spreadsheets and flash-card programs save
// it: CSV, TSV and the other program's text export. Records end in LF or CRLF; blank lines are
// skipped. Bytes are cut without decoding: separators, quotes and line ends are ASCII, and neither
// UTF-8 nor CP932 has a character with a byte below 0x40 after its first.
namespace SeparatedText {

enum class Quoting
{
    // Quotes are text (TSV).
    None,
    // RFC 4180: a field is quoted whole or not at all, and a quote inside it is doubled.
    Strict,
    // A quote opens a quoted field only where the field starts; what follows the closing quote
    // belongs to the field, and a quote never closed runs to the end of the text.
    Lenient
};

struct Rules
{
    char16_t separator = u',';
    Quoting quoting = Quoting::Strict;
    // A carriage return outside quotes and not before a line feed; kept as text when allowed.
    bool strayCarriageReturnIsFault = false;
};

enum class Fault
{
    StrayCarriageReturn,
    QuoteInUnquotedField,
    TextAfterClosingQuote,
    UnclosedQuote
};

template <typename Text> struct Record
{
    // The line the record starts on, counted from the reader's first line.
    int line = 0;
    QList<Text> fields;
    std::optional<Fault> fault;
    // Where the fault is: an unclosed quote where it opens, anything else where it is found.
    int faultLine = 0;
};

// Reads QByteArrayView into QByteArray fields, or QStringView into QString fields.
template <typename View> class Reader
{
public:
    using Text = std::conditional_t<std::is_same_v<View, QStringView>, QString, QByteArray>;

    Reader(View text, Rules rules, int firstLine = 1) : text(text), rules(rules), line(firstLine) {}

    // The next record; false at the end of the text. A record with a fault carries it and the
    // reader goes on at the next line (after an unclosed quote, at the end).
    bool next(Record<Text>& record);

private:
    bool readField(Text& field, Record<Text>& record);
    bool readQuoted(Text& field, Record<Text>& record);
    bool fail(Record<Text>& record, Fault fault);
    bool is(qsizetype at, char16_t character) const;
    bool atLineEnd() const;
    bool atFieldEnd() const;
    void skipLineEnd();
    void skipRestOfLine();

    View text;
    Rules rules;
    qsizetype position = 0;
    int line = 1;
    // Records of one text are mostly as wide as the one before.
    qsizetype lastWidth = 0;
};

// The text after a UTF-8 byte order mark, or all of it when there is none.
QByteArrayView withoutByteOrderMark(QByteArrayView bytes);
inline constexpr char Utf8ByteOrderMark[] = "\xEF\xBB\xBF";

// The writer's quoting: the field between quotes, its quotes doubled, as every quoting reads it
// back. Each format decides which fields need it.
QString quoted(QStringView field);
QByteArray quoted(QByteArrayView field);

// A comma-separated field a spreadsheet would take for a formula (one starting with = + - @, a tab
// or CR, other than a signed number such as "-0.150") gets a leading apostrophe, which
// spreadsheets hide; so does one that only apostrophes keep from being such a field, so that
// formulaRestored tells the two apart and gives back exactly what was written. The bytes are
// ASCII or CP932, whose lead bytes are never an apostrophe.
QString formulaNeutralised(const QString& field);
QByteArray formulaNeutralised(const QByteArray& field);
QString formulaRestored(const QString& field);
QByteArray formulaRestored(const QByteArray& field);

} // namespace SeparatedText

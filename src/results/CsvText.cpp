#include "results/CsvText.h"

#include "questions/TextCodec.h"

namespace CsvText {

namespace {

const QByteArray Utf8ByteOrderMark = QByteArrayLiteral("\xEF\xBB\xBF");

QString quoted(const QString& field)
{
    static const QString needsQuotes = QStringLiteral(",\"\r\n");
    if (std::none_of(field.cbegin(), field.cend(), [](QChar c) { return needsQuotes.contains(c); }))
        return field;
    QString text = field;
    text.replace(u'"', QStringLiteral("\"\""));
    return u'"' + text + u'"';
}

// Reads one record from position on; the caller has skipped blank lines.
class RecordReader
{
public:
    explicit RecordReader(QStringView text) : text(text) {}

    bool atEnd() const { return position >= text.size(); }
    int currentLine() const { return line; }

    void skipBlankLines()
    {
        while (!atEnd() && lineEndLength() > 0)
            endLine();
    }

    std::optional<ParseError::Kind> read(QStringList& fields)
    {
        for (;;) {
            QString field;
            if (const std::optional<ParseError::Kind> error = readField(field))
                return error;
            fields.append(field);
            if (atEnd())
                return std::nullopt;
            if (lineEndLength() > 0) {
                endLine();
                return std::nullopt;
            }
            ++position; // the comma
        }
    }

private:
    qsizetype lineEndLength() const
    {
        if (text[position] == u'\n')
            return 1;
        if (text[position] == u'\r' && position + 1 < text.size() && text[position + 1] == u'\n')
            return 2;
        return 0;
    }

    void endLine()
    {
        position += lineEndLength();
        ++line;
    }

    bool atFieldEnd() const { return atEnd() || text[position] == u',' || lineEndLength() > 0; }

    std::optional<ParseError::Kind> readField(QString& field)
    {
        if (!atEnd() && text[position] == u'"')
            return readQuotedField(field);
        const qsizetype start = position;
        while (!atFieldEnd()) {
            if (text[position] == u'"')
                return ParseError::Kind::QuoteInUnquotedField;
            ++position;
        }
        field = text.sliced(start, position - start).toString();
        return std::nullopt;
    }

    std::optional<ParseError::Kind> readQuotedField(QString& field)
    {
        ++position;
        for (;;) {
            const qsizetype quote = text.indexOf(u'"', position);
            if (quote < 0)
                return ParseError::Kind::UnterminatedQuote;
            const QStringView part = text.sliced(position, quote - position);
            line += int(part.count(u'\n'));
            field += part;
            position = quote + 1;
            if (position < text.size() && text[position] == u'"') {
                field += u'"';
                ++position;
                continue;
            }
            return atFieldEnd() ? std::nullopt
                                : std::optional(ParseError::Kind::TextAfterClosingQuote);
        }
    }

    QStringView text;
    qsizetype position = 0;
    int line = 1;
};

} // namespace

QString record(const QStringList& fields)
{
    QString text;
    for (qsizetype i = 0; i < fields.size(); ++i) {
        if (i > 0)
            text += u',';
        text += quoted(fields[i]);
    }
    return text + QStringLiteral("\r\n");
}

Encoded encode(const QString& text, Encoding encoding)
{
    if (encoding == Encoding::Utf8)
        return {Utf8ByteOrderMark + text.toUtf8(), {}};
    if (std::optional<QByteArray> bytes = TextCodec::encode(text))
        return {*std::move(bytes), {}};
    return {{}, TextCodec::charactersWithoutForm(text)};
}

QString decode(QByteArrayView bytes)
{
    if (bytes.startsWith(Utf8ByteOrderMark))
        return QString::fromUtf8(bytes.sliced(Utf8ByteOrderMark.size()));
    return bytes.isValidUtf8() ? QString::fromUtf8(bytes) : TextCodec::decode(bytes);
}

Parsed parse(QStringView text)
{
    Parsed parsed;
    RecordReader reader(text);
    for (reader.skipBlankLines(); !reader.atEnd(); reader.skipBlankLines()) {
        Record record{reader.currentLine(), {}};
        if (const std::optional<ParseError::Kind> error = reader.read(record.fields)) {
            // An open quote is looked for where it opened; anything else where it was found.
            const bool unclosed = *error == ParseError::Kind::UnterminatedQuote;
            parsed.error = ParseError{*error, unclosed ? record.line : reader.currentLine()};
            return parsed;
        }
        parsed.records.append(std::move(record));
    }
    return parsed;
}

} // namespace CsvText

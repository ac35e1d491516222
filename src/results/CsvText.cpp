#include "results/CsvText.h"

#include "questions/TextCodec.h"
#include "tables/SeparatedText.h"

namespace CsvText {

namespace {

QString quoted(const QString& field)
{
    static const QString needsQuotes = QStringLiteral(",\"\r\n");
    if (std::none_of(field.cbegin(), field.cend(), [](QChar c) { return needsQuotes.contains(c); }))
        return field;
    return SeparatedText::quoted(field);
}

ParseError::Kind kindOf(SeparatedText::Fault fault)
{
    switch (fault) {
    case SeparatedText::Fault::UnclosedQuote:
        return ParseError::Kind::UnterminatedQuote;
    case SeparatedText::Fault::TextAfterClosingQuote:
        return ParseError::Kind::TextAfterClosingQuote;
    case SeparatedText::Fault::QuoteInUnquotedField:
    case SeparatedText::Fault::StrayCarriageReturn:
        break;
    }
    return ParseError::Kind::QuoteInUnquotedField;
}

} // namespace

QString record(const QStringList& fields)
{
    QString text;
    for (qsizetype i = 0; i < fields.size(); ++i) {
        if (i > 0)
            text += u',';
        text += quoted(SeparatedText::formulaNeutralised(fields[i]));
    }
    return text + QStringLiteral("\r\n");
}

Encoded encode(const QString& text, Encoding encoding)
{
    if (encoding == Encoding::Utf8)
        return {SeparatedText::Utf8ByteOrderMark + text.toUtf8(), {}};
    if (std::optional<QByteArray> bytes = TextCodec::encode(text))
        return {*std::move(bytes), {}};
    return {{}, TextCodec::charactersWithoutForm(text)};
}

QString decode(QByteArrayView bytes)
{
    const QByteArrayView text = SeparatedText::withoutByteOrderMark(bytes);
    if (text.size() < bytes.size() || text.isValidUtf8())
        return QString::fromUtf8(text);
    return TextCodec::decode(text);
}

// Strict quoting; a carriage return outside quotes is text. The first fault ends the reading.
Parsed parse(QStringView text)
{
    Parsed parsed;
    parsed.records.reserve(text.count(u'\n') + 1);
    SeparatedText::Reader<QStringView> reader(text, {u',', SeparatedText::Quoting::Strict, false});
    SeparatedText::Record<QString> record;
    while (reader.next(record)) {
        if (record.fault) {
            parsed.error = ParseError{kindOf(*record.fault), record.faultLine};
            return parsed;
        }
        // Most fields are left as they are, and are not copied for it.
        for (QString& field : record.fields) {
            if (field.startsWith(u'\''))
                field = SeparatedText::formulaRestored(field);
        }
        parsed.records.append({record.line, std::move(record.fields)});
    }
    return parsed;
}

} // namespace CsvText

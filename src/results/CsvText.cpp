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

// A signed decimal such as a change of rate, "-0.150": a spreadsheet takes it as the number it is.
bool isSignedNumber(QStringView text)
{
    const QStringView digits = text.mid(1);
    const qsizetype point = digits.indexOf(u'.');
    const QStringView whole = point < 0 ? digits : digits.first(point);
    const QStringView fraction = point < 0 ? QStringView() : digits.mid(point + 1);
    const auto allDigits = [](QStringView part) {
        return std::all_of(part.begin(), part.end(),
                           [](QChar c) { return c >= u'0' && c <= u'9'; });
    };
    return (text.startsWith(u'-') || text.startsWith(u'+')) && !whole.isEmpty() &&
           allDigits(whole) && (point < 0 || (!fraction.isEmpty() && allDigits(fraction)));
}

// Whether a spreadsheet would read the text after its leading apostrophes as a formula.
bool looksLikeFormula(QStringView field)
{
    static const QString starts = QStringLiteral("=+-@\t\r");
    qsizetype first = 0;
    while (first < field.size() && field[first] == u'\'')
        ++first;
    const QStringView text = field.mid(first);
    return !text.isEmpty() && starts.contains(text.front()) && !isSignedNumber(text);
}

} // namespace

QString neutralised(const QString& field)
{
    return looksLikeFormula(field) ? u'\'' + field : field;
}

QString restored(const QString& field)
{
    return field.startsWith(u'\'') && looksLikeFormula(field) ? field.mid(1) : field;
}

QString record(const QStringList& fields)
{
    QString text;
    for (qsizetype i = 0; i < fields.size(); ++i) {
        if (i > 0)
            text += u',';
        text += quoted(neutralised(fields[i]));
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
    SeparatedText::Reader<QStringView> reader(text, {u',', SeparatedText::Quoting::Strict, false});
    SeparatedText::Record<QString> record;
    while (reader.next(record)) {
        if (record.fault) {
            parsed.error = ParseError{kindOf(*record.fault), record.faultLine};
            return parsed;
        }
        for (QString& field : record.fields)
            field = restored(field);
        parsed.records.append({record.line, std::move(record.fields)});
    }
    return parsed;
}

} // namespace CsvText

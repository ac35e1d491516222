#include "tables/SeparatedText.h"

#include <algorithm>

namespace SeparatedText {

namespace {

qsizetype find(QByteArrayView text, char character, qsizetype from)
{
    return text.indexOf(character, from);
}

qsizetype find(QStringView text, char character, qsizetype from)
{
    return text.indexOf(QLatin1Char(character), from);
}

void appendQuote(QByteArray& field)
{
    field.append('"');
}

void appendQuote(QString& field)
{
    field.append(u'"');
}

} // namespace

template <typename View> bool Reader<View>::is(qsizetype at, char16_t character) const
{
    return at < text.size() && text[at] == character;
}

template <typename View> bool Reader<View>::atLineEnd() const
{
    return is(position, u'\n') || (is(position, u'\r') && is(position + 1, u'\n'));
}

template <typename View> bool Reader<View>::atFieldEnd() const
{
    return position >= text.size() || is(position, rules.separator) || atLineEnd();
}

template <typename View> void Reader<View>::skipLineEnd()
{
    if (is(position, u'\r'))
        ++position;
    if (is(position, u'\n')) {
        ++position;
        ++line;
    }
}

template <typename View> void Reader<View>::skipRestOfLine()
{
    const qsizetype end = find(text, '\n', position);
    position = end < 0 ? text.size() : end + 1;
    if (end >= 0)
        ++line;
}

template <typename View> bool Reader<View>::fail(Record<Text>& record, Fault fault)
{
    record.fault = fault;
    record.faultLine = line;
    skipRestOfLine();
    return false;
}

template <typename View> bool Reader<View>::next(Record<Text>& record)
{
    record = {};
    while (position < text.size() && atLineEnd())
        skipLineEnd();
    if (position >= text.size())
        return false;
    record.line = line;
    record.fields.reserve(lastWidth);
    for (;;) {
        Text field;
        if (!readField(field, record))
            return true;
        record.fields.append(std::move(field));
        if (!is(position, rules.separator)) {
            skipLineEnd();
            lastWidth = record.fields.size();
            return true;
        }
        ++position;
    }
}

// Reads one field up to its separator or line end; false on a fault.
template <typename View> bool Reader<View>::readField(Text& field, Record<Text>& record)
{
    if (rules.quoting != Quoting::None && is(position, u'"')) {
        if (!readQuoted(field, record))
            return false;
        if (rules.quoting == Quoting::Strict)
            return atFieldEnd() || fail(record, Fault::TextAfterClosingQuote);
    }
    const qsizetype start = position;
    for (; position < text.size(); ++position) {
        const auto character = text[position];
        if (character == rules.separator || atLineEnd())
            break;
        if (character == u'\r' && rules.strayCarriageReturnIsFault)
            return fail(record, Fault::StrayCarriageReturn);
        if (character == u'"' && rules.quoting == Quoting::Strict)
            return fail(record, Fault::QuoteInUnquotedField);
    }
    field.append(text.sliced(start, position - start));
    return true;
}

// A quoted field may hold separators and line breaks; a doubled quote stands for one.
template <typename View> bool Reader<View>::readQuoted(Text& field, Record<Text>& record)
{
    const int startLine = line;
    ++position;
    for (;;) {
        qsizetype quote = find(text, '"', position);
        if (quote < 0 && rules.quoting == Quoting::Strict) {
            record.fault = Fault::UnclosedQuote;
            record.faultLine = startLine;
            position = text.size();
            return false;
        }
        if (quote < 0)
            quote = text.size();
        const View part = text.sliced(position, quote - position);
        line += int(std::count(part.begin(), part.end(), u'\n'));
        field.append(part);
        position = std::min(quote + 1, text.size());
        if (!is(position, u'"'))
            return true;
        appendQuote(field);
        ++position;
    }
}

template class Reader<QByteArrayView>;
template class Reader<QStringView>;

QByteArrayView withoutByteOrderMark(QByteArrayView bytes)
{
    return bytes.startsWith(Utf8ByteOrderMark) ? bytes.sliced(qstrlen(Utf8ByteOrderMark)) : bytes;
}

QString quoted(QStringView field)
{
    QString text = field.toString();
    text.replace(u'"', QStringLiteral("\"\""));
    return u'"' + text + u'"';
}

QByteArray quoted(QByteArrayView field)
{
    QByteArray text = field.toByteArray();
    text.replace('"', "\"\"");
    return '"' + text + '"';
}

namespace {

char16_t at(QStringView text, qsizetype index)
{
    return text[index].unicode();
}

char16_t at(QByteArrayView text, qsizetype index)
{
    return uchar(text[index]);
}

bool isDigit(char16_t c)
{
    return c >= u'0' && c <= u'9';
}

// A sign, digits, and at most one point with digits after it.
template <typename View> bool isSignedNumber(View text, qsizetype start)
{
    if (start >= text.size() || (at(text, start) != u'-' && at(text, start) != u'+'))
        return false;
    qsizetype index = start + 1;
    const qsizetype wholeStart = index;
    while (index < text.size() && isDigit(at(text, index)))
        ++index;
    if (index == wholeStart)
        return false;
    if (index == text.size())
        return true;
    if (at(text, index) != u'.')
        return false;
    const qsizetype fractionStart = ++index;
    while (index < text.size() && isDigit(at(text, index)))
        ++index;
    return index == text.size() && index > fractionStart;
}

// Whether a spreadsheet would read the text after its leading apostrophes as a formula.
template <typename View> bool looksLikeFormula(View text)
{
    qsizetype first = 0;
    while (first < text.size() && at(text, first) == u'\'')
        ++first;
    if (first == text.size())
        return false;
    const char16_t c = at(text, first);
    const bool startsLikeOne =
        c == u'=' || c == u'+' || c == u'-' || c == u'@' || c == u'\t' || c == u'\r';
    return startsLikeOne && !isSignedNumber(text, first);
}

} // namespace

QString formulaNeutralised(const QString& field)
{
    return looksLikeFormula(QStringView(field)) ? u'\'' + field : field;
}

QByteArray formulaNeutralised(const QByteArray& field)
{
    return looksLikeFormula(QByteArrayView(field)) ? '\'' + field : field;
}

QString formulaRestored(const QString& field)
{
    return field.startsWith(u'\'') && looksLikeFormula(QStringView(field)) ? field.mid(1) : field;
}

QByteArray formulaRestored(const QByteArray& field)
{
    return field.startsWith('\'') && looksLikeFormula(QByteArrayView(field)) ? field.mid(1) : field;
}

} // namespace SeparatedText

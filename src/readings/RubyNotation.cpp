#include "readings/RubyNotation.h"

namespace {

void appendBare(RubySegments& segments, QStringView text)
{
    if (text.isEmpty())
        return;
    if (!segments.isEmpty() && segments.last().ruby.isEmpty())
        segments.last().base += text;
    else
        segments.append({text.toString(), {}});
}

} // namespace

namespace RubyNotation {

RubySegments parse(const QString& text)
{
    RubySegments segments;
    qsizetype from = 0; // where the text not yet given to a piece starts
    qsizetype open = text.indexOf(QLatin1Char('['));
    while (open >= 0) {
        const qsizetype close = text.indexOf(QLatin1Char(']'), open + 1);
        if (close < 0)
            break;
        // lastIndexOf from -1 would search from the end.
        const qsizetype space = open > from ? text.lastIndexOf(QLatin1Char(' '), open - 1) : -1;
        const qsizetype baseStart = space >= from ? space + 1 : from;
        const QString ruby = text.sliced(open + 1, close - open - 1);
        if (baseStart == open || ruby.isEmpty() || ruby.contains(QLatin1Char('['))) {
            open = text.indexOf(QLatin1Char('['), open + 1);
            continue;
        }
        // The marking space is dropped; any space before it is text.
        const qsizetype bareEnd = space >= from ? space : baseStart;
        appendBare(segments, QStringView(text).sliced(from, bareEnd - from));
        segments.append({text.sliced(baseStart, open - baseStart), ruby});
        from = close + 1;
        open = text.indexOf(QLatin1Char('['), from);
    }
    appendBare(segments, QStringView(text).sliced(from));
    return segments;
}

QString format(const RubySegments& segments)
{
    QString text;
    for (const RubySegment& segment : segments) {
        if (segment.ruby.isEmpty()) {
            text += segment.base;
            continue;
        }
        if (!text.isEmpty() && !text.endsWith(QLatin1Char(']')))
            text += QLatin1Char(' ');
        text += segment.base + QLatin1Char('[') + segment.ruby + QLatin1Char(']');
    }
    return text;
}

} // namespace RubyNotation

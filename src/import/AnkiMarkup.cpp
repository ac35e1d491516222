#include "import/AnkiMarkup.h"

#include "import/Deck.h"
#include "readings/RubyNotation.h"

#include <QHash>
#include <QRegularExpression>

namespace AnkiMarkup {

namespace {

const QHash<QString, QChar>& namedEntities()
{
    static const QHash<QString, QChar> entities{
        {QStringLiteral("amp"), u'&'},
        {QStringLiteral("lt"), u'<'},
        {QStringLiteral("gt"), u'>'},
        {QStringLiteral("quot"), u'"'},
        {QStringLiteral("apos"), u'\''},
        {QStringLiteral("nbsp"), u' '},
        {QStringLiteral("ensp"), u' '},
        {QStringLiteral("emsp"), QChar(0x3000)},
        {QStringLiteral("ndash"), QChar(0x2013)},
        {QStringLiteral("mdash"), QChar(0x2014)},
        {QStringLiteral("hellip"), QChar(0x2026)},
        {QStringLiteral("times"), QChar(0x00D7)},
        {QStringLiteral("divide"), QChar(0x00F7)},
        {QStringLiteral("laquo"), QChar(0x00AB)},
        {QStringLiteral("raquo"), QChar(0x00BB)},
        {QStringLiteral("deg"), QChar(0x00B0)},
    };
    return entities;
}

// The entity at text[start] ('&'), decoded and with its length; nothing when it is no entity
// this reader knows, and the '&' then stays as written.
std::optional<std::pair<QString, qsizetype>> entityAt(const QString& text, qsizetype start)
{
    const qsizetype end = text.indexOf(u';', start + 1);
    if (end < 0 || end - start > 12)
        return std::nullopt;
    const QString name = text.sliced(start + 1, end - start - 1);
    if (name.startsWith(u'#')) {
        bool ok = false;
        const uint point = name.size() > 1 && (name[1] == u'x' || name[1] == u'X')
                               ? name.sliced(2).toUInt(&ok, 16)
                               : name.sliced(1).toUInt(&ok, 10);
        if (!ok || point == 0 || point > 0x10FFFF || (point >= 0xD800 && point <= 0xDFFF))
            return std::nullopt;
        const char32_t character = point == 0xA0 ? U' ' : char32_t(point);
        return std::pair{QString::fromUcs4(&character, 1), end - start + 1};
    }
    const auto known = namedEntities().constFind(name);
    if (known == namedEntities().cend())
        return std::nullopt;
    return std::pair{QString(*known), end - start + 1};
}

bool breaksLine(QStringView tag)
{
    const auto is = [tag](QLatin1String name) {
        return tag.compare(name, Qt::CaseInsensitive) == 0;
    };
    return is(QLatin1String("br")) || is(QLatin1String("br/")) || is(QLatin1String("div")) ||
           is(QLatin1String("/div")) || is(QLatin1String("p")) || is(QLatin1String("/p")) ||
           is(QLatin1String("li")) || is(QLatin1String("tr"));
}

bool hidesContent(QStringView tag)
{
    return tag.compare(QLatin1String("style"), Qt::CaseInsensitive) == 0 ||
           tag.compare(QLatin1String("script"), Qt::CaseInsensitive) == 0;
}

// Runs of breaks count as one, and none at the edges.
QString joinLines(const QStringList& lines, LineBreaks lineBreaks)
{
    QStringList kept;
    for (const QString& line : lines) {
        const QString trimmed = line.trimmed();
        if (!trimmed.isEmpty())
            kept.append(trimmed);
    }
    return kept.join(lineBreaks == LineBreaks::Keep ? u'\n' : u' ');
}

} // namespace

QString plainText(const QString& html, LineBreaks lineBreaks)
{
    QStringList lines{QString()};
    for (qsizetype i = 0; i < html.size();) {
        const QChar c = html[i];
        if (c == u'<') {
            const qsizetype close = html.indexOf(u'>', i + 1);
            if (close < 0) {
                lines.last().append(html.sliced(i));
                break;
            }
            const QStringView inside = QStringView(html).sliced(i + 1, close - i - 1).trimmed();
            const QStringView tag = inside.left(inside.indexOf(u' ')).trimmed();
            i = close + 1;
            if (breaksLine(tag)) {
                lines.append(QString());
            } else if (hidesContent(tag)) {
                const qsizetype end =
                    html.indexOf(QStringLiteral("</") + tag.toString(), i, Qt::CaseInsensitive);
                i = end < 0 ? html.size() : end;
            }
        } else if (c == u'&') {
            if (const auto entity = entityAt(html, i)) {
                lines.last().append(entity->first);
                i += entity->second;
            } else {
                lines.last().append(c);
                ++i;
            }
        } else if (c == u' ' || c == u'\n' || c == u'\r' || c == u'\t') {
            // White space of the source counts once, as a browser shows it.
            if (!lines.last().endsWith(u' '))
                lines.last().append(u' ');
            ++i;
        } else {
            lines.last().append(c);
            ++i;
        }
    }
    return joinLines(lines, lineBreaks);
}

QString plainLines(const QString& text, LineBreaks lineBreaks)
{
    QString unified = text;
    unified.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return joinLines(unified.split(u'\n'), lineBreaks);
}

QString withoutSounds(const QString& text)
{
    static const QRegularExpression sound(QStringLiteral("\\[sound:[^\\]]*\\]"));
    if (!text.contains(QLatin1String("[sound:")))
        return text;
    QString result = text;
    result.remove(sound);
    return result.trimmed();
}

bool hasFurigana(const QString& text)
{
    if (!text.contains(u'['))
        return false;
    const RubySegments segments = RubyNotation::parse(text);
    return std::any_of(segments.cbegin(), segments.cend(),
                       [](const RubySegment& segment) { return !segment.ruby.isEmpty(); });
}

QString withoutReadings(const QString& text)
{
    if (!text.contains(u'['))
        return text;
    QString shown;
    for (const RubySegment& segment : RubyNotation::parse(text))
        shown += segment.base;
    return shown;
}

QString readingsOnly(const QString& text)
{
    if (!text.contains(u'['))
        return text;
    QString reading;
    for (const RubySegment& segment : RubyNotation::parse(text))
        reading += segment.ruby.isEmpty() ? segment.base : segment.ruby;
    return reading;
}

void moveReadingsToFields(Deck& deck)
{
    const qsizetype fieldCount = deck.fieldNames.size();
    for (qsizetype field = 0; field < fieldCount; ++field) {
        const bool used =
            std::any_of(deck.notes.cbegin(), deck.notes.cend(), [field](const DeckNote& note) {
                return field < note.fields.size() && hasFurigana(note.fields[field]);
            });
        if (!used)
            continue;
        const int reading = deck.addField(readingFieldName(deck.fieldNames[field]));
        for (DeckNote& note : deck.notes) {
            note.fields[reading] = readingsOnly(note.fields[field]);
            note.fields[field] = withoutReadings(note.fields[field]);
        }
    }
}

} // namespace AnkiMarkup

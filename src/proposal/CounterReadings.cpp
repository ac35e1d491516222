#include "proposal/CounterReadings.h"

#include <QString>

#include <array>
#include <optional>

namespace CounterReadings {

namespace {

// How a number and its counter sound together, by the number's last part: 1 to 9, 10 (a number
// ending in 十) and 100. An empty form is the number's own reading followed by the counter's.
struct Counter
{
    QStringView spelling;
    QStringView reading;
    std::array<QStringView, 11> lastPartForms; // 1..9, then 10 at [9] and 100 at [10]
    // Whole numbers read in a way of their own (一人 ひとり, 二十日 はつか); "|" between readings.
    std::array<std::pair<int, QStringView>, 12> wholeNumbers;
    // A counter that reads 4, 7 and 9 as し, しち and く (四月, 七時, 九日).
    bool oldFourSevenNine = false;
};

using namespace Qt::StringLiterals;

// clang-format off
const std::array<Counter, 19> Counters{{
    {u"本", u"ほん", {u"いっぽん", {}, u"さんぼん", {}, {}, u"ろっぽん", {}, u"はっぽん", {}, u"じゅっぽん", u"ひゃっぽん"}, {}},
    {u"匹", u"ひき", {u"いっぴき", {}, u"さんびき", {}, {}, u"ろっぴき", {}, u"はっぴき", {}, u"じゅっぴき", u"ひゃっぴき"}, {}},
    {u"杯", u"はい", {u"いっぱい", {}, u"さんばい", {}, {}, u"ろっぱい", {}, u"はっぱい", {}, u"じゅっぱい", u"ひゃっぱい"}, {}},
    {u"分", u"ふん", {u"いっぷん", {}, u"さんぷん", u"よんぷん", {}, u"ろっぷん", {}, u"はっぷん", {}, u"じゅっぷん", u"ひゃっぷん"}, {}},
    {u"個", u"こ", {u"いっこ", {}, {}, {}, {}, u"ろっこ", {}, u"はっこ", {}, u"じゅっこ", u"ひゃっこ"}, {}},
    {u"回", u"かい", {u"いっかい", {}, {}, {}, {}, u"ろっかい", {}, u"はっかい", {}, u"じゅっかい", u"ひゃっかい"}, {}},
    {u"階", u"かい", {u"いっかい", {}, u"さんがい", {}, {}, u"ろっかい", {}, u"はっかい", {}, u"じゅっかい", u"ひゃっかい"}, {}},
    {u"冊", u"さつ", {u"いっさつ", {}, {}, {}, {}, {}, {}, u"はっさつ", {}, u"じゅっさつ", u"ひゃくさつ"}, {}},
    {u"歳", u"さい", {u"いっさい", {}, {}, {}, {}, {}, {}, u"はっさい", {}, u"じゅっさい", u"ひゃくさい"}, {{{20, u"はたち|にじゅっさい"}}}},
    {u"才", u"さい", {u"いっさい", {}, {}, {}, {}, {}, {}, u"はっさい", {}, u"じゅっさい", u"ひゃくさい"}, {{{20, u"はたち|にじゅっさい"}}}},
    {u"枚", u"まい", {}, {}},
    {u"台", u"だい", {}, {}},
    {u"足", u"そく", {u"いっそく", {}, u"さんぞく", {}, {}, {}, {}, u"はっそく", {}, u"じゅっそく", u"ひゃくそく"}, {}},
    {u"軒", u"けん", {u"いっけん", {}, u"さんげん", {}, {}, u"ろっけん", {}, u"はっけん", {}, u"じゅっけん", u"ひゃっけん"}, {}},
    {u"人", u"にん", {{{}, {}, {}, u"よにん", {}, {}, u"ななにん|しちにん", {}, {}, {}, {}}}, {{{1, u"ひとり"}, {2, u"ふたり"}}}},
    {u"日", u"にち", {{{}, {}, {}, u"よっか", {}, {}, {}, {}, {}, {}, {}}},
     {{{1, u"ついたち|いちにち"}, {2, u"ふつか"}, {3, u"みっか"}, {4, u"よっか"}, {5, u"いつか"}, {6, u"むいか"},
       {7, u"なのか"}, {8, u"ようか"}, {9, u"ここのか"}, {10, u"とおか"}, {20, u"はつか"}}}, true},
    {u"時", u"じ", {{{}, {}, {}, u"よじ", {}, {}, {}, {}, {}, {}, {}}}, {}, true},
    {u"月", u"がつ", {}, {}, true},
    {u"年", u"ねん", {{{}, {}, {}, u"よねん", {}, {}, u"ななねん|しちねん", {}, {}, {}, {}}}, {}},
}};
// clang-format on

// 一ヶ月, 一か月, 一カ月, 一箇月: months counted, not named.
const std::array<QStringView, 4> MonthsCounted{u"ヶ月", u"か月", u"カ月", u"箇月"};
const std::array<QStringView, 11> MonthsCountedForms{
    u"いっかげつ",  {}, {}, {}, {}, u"ろっかげつ", {}, u"はっかげつ", {}, u"じゅっかげつ",
    u"ひゃっかげつ"};

const std::array<QStringView, 10> Digits{u"",   u"いち", u"に",   u"さん", u"よん",
                                         u"ご", u"ろく", u"なな", u"はち", u"きゅう"};
const std::array<QStringView, 10> OldDigits{u"",   u"いち", u"に",   u"さん", u"し",
                                            u"ご", u"ろく", u"しち", u"はち", u"く"};

std::optional<int> digitOf(QChar c)
{
    static const QString KanjiDigits = u"〇一二三四五六七八九"_s;
    if (c >= u'0' && c <= u'9')
        return c.unicode() - u'0';
    if (c.unicode() >= u'０' && c.unicode() <= u'９')
        return c.unicode() - u'０';
    const qsizetype kanji = KanjiDigits.indexOf(c);
    return kanji >= 0 ? std::optional(int(kanji)) : std::nullopt;
}

struct Number
{
    int value = 0;
    qsizetype length = 0;
};

// 二十五 or 25 at the start of text: a value from 1 to 100, or nothing.
std::optional<Number> numberAt(QStringView text)
{
    int value = 0;
    qsizetype i = 0;
    bool kanjiForm = false;
    int smallestUnit = 1000;
    for (; i < text.size(); ++i) {
        if (text[i] == u'十' || text[i] == u'百') {
            const int unit = text[i] == u'十' ? 10 : 100;
            // 十十 is no number, and neither is 十百.
            if (unit >= smallestUnit)
                break;
            smallestUnit = unit;
            const int multiplier =
                value % 10 == 0 && (i == 0 || !digitOf(text[i - 1])) ? 1 : value % 10;
            value = value - value % 10 + multiplier * unit;
            kanjiForm = true;
        } else if (const std::optional<int> digit = digitOf(text[i])) {
            value = kanjiForm ? value + *digit : value * 10 + *digit;
        } else {
            break;
        }
        // No longer a number of the table, however many digits follow.
        if (value > 100)
            return std::nullopt;
    }
    if (i == 0 || value < 1)
        return std::nullopt;
    return Number{value, i};
}

QString numberReading(int value, bool oldDigits, QStringView lastPartForm, QStringView counter)
{
    const auto& digits = oldDigits ? OldDigits : Digits;
    if (value == 100)
        return lastPartForm.isEmpty() ? u"ひゃく"_s + counter.toString() : lastPartForm.toString();
    const int tens = value / 10;
    const int units = value % 10;
    QString reading = tens > 1 ? Digits[tens].toString() : QString();
    if (units == 0)
        return reading + (lastPartForm.isEmpty() ? u"じゅう"_s + counter.toString()
                                                 : lastPartForm.toString());
    if (tens > 0)
        reading += u"じゅう"_s;
    return reading + (lastPartForm.isEmpty() ? digits[units].toString() + counter.toString()
                                             : lastPartForm.toString());
}

int lastPartIndex(int value)
{
    if (value == 100)
        return 10;
    return value % 10 == 0 ? 9 : value % 10 - 1;
}

QStringList readingsOf(int value, const Counter& counter)
{
    for (const auto& [number, readings] : counter.wholeNumbers) {
        if (number == value)
            return readings.toString().split(u'|');
    }
    const QStringView form = counter.lastPartForms[lastPartIndex(value)];
    QStringList readings;
    for (QStringView each : form.isEmpty() ? QList<QStringView>{form} : form.split(u'|'))
        readings << numberReading(value, counter.oldFourSevenNine, each, counter.reading);
    return readings;
}

std::optional<Span> counterAt(QStringView text, qsizetype start)
{
    const std::optional<Number> number = numberAt(text.mid(start));
    if (!number)
        return std::nullopt;
    const QStringView rest = text.mid(start + number->length);
    for (QStringView months : MonthsCounted) {
        if (rest.startsWith(months)) {
            const Counter counted{months, u"かげつ", MonthsCountedForms, {}};
            return Span{start, number->length + months.size(), readingsOf(number->value, counted)};
        }
    }
    for (const Counter& counter : Counters) {
        if (rest.startsWith(counter.spelling) && (counter.spelling != u"月" || number->value <= 12))
            return Span{start, number->length + counter.spelling.size(),
                        readingsOf(number->value, counter)};
    }
    return std::nullopt;
}

} // namespace

std::vector<Span> find(QStringView text)
{
    std::vector<Span> spans;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const bool startsNumber = digitOf(text[i]) || text[i] == u'十' || text[i] == u'百';
        const bool afterNumber =
            i > 0 && (digitOf(text[i - 1]) || text[i - 1] == u'十' || text[i - 1] == u'百');
        if (!startsNumber || afterNumber)
            continue;
        if (const std::optional<Span> span = counterAt(text, i)) {
            spans.push_back(*span);
            i += span->length - 1;
        }
    }
    return spans;
}

} // namespace CounterReadings

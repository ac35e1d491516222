#include "romaji/RomajiAnswer.h"

namespace {

constexpr char16_t HalfWidthVoicedMark = u'\uFF9E';
constexpr char16_t HalfWidthSemiVoicedMark = u'\uFF9F';

bool isHalfOrFullWidthForm(QChar c)
{
    return (c.unicode() >= 0xFF01 && c.unicode() <= 0xFFEF) || c == u'\u3000';
}

// Full-width letters and half-width katakana fold to what a key or a kana of the table is; other
// compatibility characters (①, ㌔) stay as they are and cannot be typed.
QChar canonical(QStringView text)
{
    if (text.size() == 1 && !isHalfOrFullWidthForm(text.front()))
        return text.front();
    const QString folded = text.toString().normalized(QString::NormalizationForm_KC);
    return folded.size() == 1 ? folded.front() : QChar();
}

RomajiUnit unitOf(QChar c, qsizetype end)
{
    const char16_t code = c.unicode();
    if (code >= 0x20 && code <= 0x7E)
        return {RomajiUnit::Kind::TypedAsItself, c, end};
    if (code >= 0x30A1 && code <= 0x30F6)
        return {RomajiUnit::Kind::Kana, QChar(char16_t(code - 0x60)), end};
    if ((code >= 0x3041 && code <= 0x3096) || QStringView(u"ー、。「」・").contains(c))
        return {RomajiUnit::Kind::Kana, c, end};
    return {RomajiUnit::Kind::Untypable, c, end};
}

} // namespace

QList<RomajiUnit> romajiUnits(const QString& answer)
{
    QList<RomajiUnit> units;
    qsizetype start = 0;
    while (start < answer.size()) {
        qsizetype length = 1;
        QChar key = canonical(QStringView(answer).sliced(start, 1));
        if (start + 1 < answer.size()) {
            const QChar mark = answer[start + 1];
            if (mark == HalfWidthVoicedMark || mark == HalfWidthSemiVoicedMark) {
                if (const QChar voiced = canonical(QStringView(answer).sliced(start, 2));
                    !voiced.isNull()) {
                    key = voiced;
                    length = 2;
                }
            }
        }
        start += length;
        units.append(key.isNull() ? RomajiUnit{RomajiUnit::Kind::Untypable, key, start}
                                  : unitOf(key, start));
    }
    return units;
}

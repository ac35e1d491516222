#include "proposal/KanaText.h"

namespace KanaText {

namespace {

constexpr char16_t KatakanaSmallA = u'ァ';
constexpr char16_t KatakanaSmallKe = u'ヶ';
constexpr char16_t KatakanaToHiragana = u'ァ' - u'ぁ';

bool isHalfWidthKatakana(QChar c)
{
    return c.unicode() >= 0xFF66 && c.unicode() <= 0xFF9F;
}

QChar hiraganaOf(QChar c)
{
    if (c.unicode() >= KatakanaSmallA && c.unicode() <= KatakanaSmallKe)
        return QChar(char16_t(c.unicode() - KatakanaToHiragana));
    if (c == u'ヽ' || c == u'ヾ')
        return QChar(char16_t(c.unicode() - KatakanaToHiragana));
    return c;
}

} // namespace

bool isKanji(QChar c)
{
    const char16_t u = c.unicode();
    return (u >= 0x4E00 && u <= 0x9FFF) || (u >= 0x3400 && u <= 0x4DBF) ||
           (u >= 0xF900 && u <= 0xFAFF) || c.isSurrogate() || u == u'々' || u == u'〆' ||
           u == u'ヶ' || u == u'ヵ';
}

bool needsReading(QChar c)
{
    return isKanji(c) || c.isDigit();
}

bool hasKanji(QStringView text)
{
    for (QChar c : text) {
        if (isKanji(c))
            return true;
    }
    return false;
}

QString toHiragana(QStringView text)
{
    QString hiragana;
    hiragana.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (isHalfWidthKatakana(text[i])) {
            // A sound mark follows its kana as a character of its own; composed together.
            qsizetype end = i + 1;
            while (end < text.size() && isHalfWidthKatakana(text[end]))
                ++end;
            hiragana += toHiragana(
                text.mid(i, end - i).toString().normalized(QString::NormalizationForm_KC));
            i = end - 1;
            continue;
        }
        hiragana += hiraganaOf(text[i]);
    }
    return hiragana;
}

} // namespace KanaText

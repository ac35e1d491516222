#include "readings/Kana.h"

namespace Kana {

namespace {

constexpr char32_t SmallKa = U'\u30F5';
constexpr char32_t SmallKe = U'\u30F6';

bool inRange(char32_t character, char32_t first, char32_t last)
{
    return character >= first && character <= last;
}

// ゝゞヽヾ repeat the kana before them; the reading spells the repeated sound out, so they need a
// reading like 々 does.
bool isKanaIterationMark(char32_t character)
{
    return character == U'\u309D' || character == U'\u309E' || character == U'\u30FD' ||
           character == U'\u30FE';
}

bool isKanaCharacter(char32_t character)
{
    if (isKanaIterationMark(character) || character == SmallKa || character == SmallKe)
        return false;
    return inRange(character, U'\u3041', U'\u3096') || // hiragana
           inRange(character, U'\u309B', U'\u309C') || // sound marks
           inRange(character, U'\u30A1', U'\u30FA') || // katakana
           character == U'\u30FC' ||                   // long-vowel mark
           inRange(character, U'\u31F0', U'\u31FF') || // small katakana for Ainu
           inRange(character, U'\uFF66', U'\uFF9F');   // half-width katakana
}

} // namespace

char32_t nextCharacter(QStringView text, qsizetype& at)
{
    const QChar first = text[at++];
    if (first.isHighSurrogate() && at < text.size() && text[at].isLowSurrogate())
        return QChar::surrogateToUcs4(first, text[at++]);
    return first.unicode();
}

Kind kindOf(char32_t character)
{
    if (isKanaCharacter(character))
        return Kind::Kana;
    if (QChar::script(character) == QChar::Script_Han || QChar::isLetterOrNumber(character) ||
        isKanaIterationMark(character) || character == SmallKa || character == SmallKe)
        return Kind::NeedsReading;
    return Kind::Bare;
}

QString toHiragana(QStringView text)
{
    QString hiragana;
    hiragana.reserve(text.size());
    for (QChar character : text) {
        // Half-width katakana become full width, their sound marks joined to the kana before.
        if (inRange(character.unicode(), u'\uFF61', u'\uFF9F'))
            hiragana += QString(character).normalized(QString::NormalizationForm_KC);
        else
            hiragana += character;
    }
    if (hiragana.contains(QChar(u'\u3099')) || hiragana.contains(QChar(u'\u309A')))
        hiragana = hiragana.normalized(QString::NormalizationForm_C);
    for (QChar& character : hiragana) {
        if (inRange(character.unicode(), u'\u30A1', u'\u30F4'))
            character = QChar(character.unicode() - 0x60);
    }
    return hiragana;
}

bool containsKanji(QStringView text)
{
    for (qsizetype at = 0; at < text.size();) {
        if (QChar::script(nextCharacter(text, at)) == QChar::Script_Han)
            return true;
    }
    return false;
}

QString firstNonKana(QStringView text)
{
    for (qsizetype at = 0; at < text.size();) {
        const char32_t character = nextCharacter(text, at);
        // In a reading the marks that need one in a text are kana like any other (いすゞ).
        if (!isKanaCharacter(character) && !isKanaIterationMark(character) &&
            character != SmallKa && character != SmallKe)
            return QString::fromUcs4(&character, 1);
    }
    return {};
}

} // namespace Kana

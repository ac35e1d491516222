#pragma once

#include <QString>
#include <QStringView>

// Which characters of a Japanese text are kana, which need a reading, and the hiragana form that
// lets katakana (full or half width) and hiragana be compared.
namespace Kana {

enum class Kind
{
    Kana,         // hiragana, katakana, the long-vowel mark: read as written
    NeedsReading, // kanji, iteration marks, small ヶ/ヵ, letters and digits
    Bare          // punctuation, symbols, spaces: read as nothing
};

Kind kindOf(char32_t character);

// The character at at, a surrogate pair taken whole; at moves past it. A lone surrogate is a
// character of its own.
char32_t nextCharacter(QStringView text, qsizetype& at);

// Katakana as hiragana, half-width katakana first made full width; everything else unchanged.
QString toHiragana(QStringView text);

// Whether the text holds at least one kanji (a character of the Han script).
bool containsKanji(QStringView text);

// The first character of text that is not kana, or nothing when all are; for a reading.
QString firstNonKana(QStringView text);

} // namespace Kana

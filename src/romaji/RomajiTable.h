#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

// Which keys spell which kana. Kana are given in hiragana: katakana and half-width katakana are
// looked up as the hiragana they stand for.
namespace RomajiTable {

inline constexpr QChar SmallTsu = u'っ';
inline constexpr QChar Syllabic = u'ん';

// The spellings of one kana, or of a kana with the small kana after it (しゃ, ふぁ), the first
// being the one the guide shows. Empty for a text the table does not hold. ん and っ have
// spellings of their own here (nn, xtu); the single n and the doubled consonant depend on what
// follows and are the judge's to allow.
const QStringList& spellingsOf(QStringView kana);

// Every kana text the table holds, in table order.
const QStringList& kanaTexts();

// A lower-case letter other than a vowel.
bool isConsonant(QChar key);

} // namespace RomajiTable

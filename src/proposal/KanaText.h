#pragma once

#include <QChar>
#include <QString>
#include <QStringView>

// Characters of Japanese text as readings see them.
namespace KanaText {

// A character whose reading has to be found: an ideograph, or a sign that stands for one
// (々 repeats the kanji before it, 〆, and ヶ/ヵ as in 一ヶ月).
bool isKanji(QChar c);
bool hasKanji(QStringView text);
// A kanji, or a digit, which a counter's reading spells out (3本 さんぼん).
bool needsReading(QChar c);

// Katakana, half-width katakana included, turned into hiragana; everything else stays. The
// long-vowel mark ー is kept, not spelled out as a vowel: the learner types コーヒー as こーひー,
// and the analysers' readings spell the long vowels of kanji words out already (とうきょう).
QString toHiragana(QStringView text);

} // namespace KanaText

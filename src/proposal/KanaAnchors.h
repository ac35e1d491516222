#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

#include <optional>

// A reading laid over its word: the word's own kana (and any other character that is neither a
// kanji nor a digit) must stand in the reading where they stand in the word, and each run of kanji
// and digits between them reads as at least one kana. 食べる fits たべる (た for 食) but not
// たべた; 東京 fits anything.
namespace KanaAnchors {

// The reading of each run of kanji, in order; nothing when the reading does not fit the word.
// Where a reading fits in several ways, the earlier runs read as short as they can.
std::optional<QStringList> align(QStringView word, QStringView reading);

} // namespace KanaAnchors

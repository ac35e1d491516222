#pragma once

#include <QList>
#include <QString>

#include <optional>

// A piece of a text with the reading shown above it; an empty ruby leaves the piece bare.
struct RubySegment
{
    QString base;
    QString ruby;

    friend bool operator==(const RubySegment&, const RubySegment&) = default;
};

using RubySegments = QList<RubySegment>;

namespace RubyText {

// Longer texts are never aligned: no question needs it, and the search must stay short.
inline constexpr qsizetype MaxBaseLength = 512;
inline constexpr qsizetype MaxReadingLength = 1024;

// Splits base into the pieces a reading goes over. The kana of base are anchors that the reading
// must spell at their place (katakana and hiragana compare alike) and stay bare; each run of
// kanji gets the part of the reading between its anchors. Runs of kanji with only punctuation
// between them (東京・大阪) share one ruby, as nothing tells where one ends. Where an anchor's
// kana could match at several places, each run takes the shortest reading that lets the rest
// still fit. Nothing when the reading does not fit; a base that needs no reading comes back as
// one bare piece whatever the reading.
std::optional<RubySegments> align(const QString& base, const QString& reading);

// The text as a screen reader should read it, each reading in full-width brackets after its
// piece: お父（とう）さん.
QString bracketText(const RubySegments& segments);

} // namespace RubyText

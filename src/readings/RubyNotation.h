#pragma once

#include "readings/RubyText.h"

// Text with readings in brackets, as flash-card decks write them: 漢字[かんじ]. A reading belongs
// to the text before it back to the last space, or to the previous reading; the space only marks
// where that text starts and is not part of the text: 食[た]べ 物[もの].
namespace RubyNotation {

RubySegments parse(const QString& text);

// The pieces in that notation, a space put before each piece with a reading that follows other
// text, so that parse gives the same pieces back.
QString format(const RubySegments& segments);

} // namespace RubyNotation

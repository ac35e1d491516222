#pragma once

#include <QFont>

namespace LineFont {

// The font the question and input lines take when the user confirmed chosen in a font dialog
// preset with preset: the chosen face, size and style, where the style is only bold or not and
// italic or not; underline and strike-out stay as preset, as the dialog offers no effects.
QFont fromChoice(const QFont& preset, const QFont& chosen);

} // namespace LineFont

#pragma once

#include <QFont>

// The face every window of the program is designed for.
namespace JapaneseFont {

inline const QString Family = QStringLiteral("ＭＳ Ｐゴシック");

// Lets the designed face render on systems that lack it, with the nearest proportional Gothic.
void installSubstitutes();

QFont ofPixelSize(int pixels);

} // namespace JapaneseFont

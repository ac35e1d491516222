#include "settings/LineFont.h"

namespace LineFont {

QFont fromChoice(const QFont& preset, const QFont& chosen)
{
    QFont font = preset;
    font.setFamily(chosen.family());
    if (chosen.pixelSize() > 0)
        font.setPixelSize(chosen.pixelSize());
    else
        font.setPointSizeF(chosen.pointSizeF());
    font.setWeight(chosen.weight() > QFont::Normal ? QFont::Bold : QFont::Normal);
    font.setItalic(chosen.italic());
    return font;
}

} // namespace LineFont

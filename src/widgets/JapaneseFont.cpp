#include "widgets/JapaneseFont.h"

#include <QFontDatabase>
#include <QStringList>

namespace JapaneseFont {

void installSubstitutes()
{
    QStringList substitutes{QStringLiteral("IPAPGothic"), QStringLiteral("IPAGothic")};
    // Any other installed Japanese Gothic comes after the IPA faces.
    for (const QString& family : QFontDatabase::families(QFontDatabase::Japanese)) {
        if (family.contains(QStringLiteral("Gothic"), Qt::CaseInsensitive) ||
            family.contains(QStringLiteral("ゴシック")))
            substitutes << family;
    }
    QFont::insertSubstitutions(Family, substitutes);
}

QFont ofPixelSize(int pixels)
{
    QFont font(Family);
    font.setPixelSize(pixels);
    font.setStyleHint(QFont::SansSerif);
    return font;
}

} // namespace JapaneseFont

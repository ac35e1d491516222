#pragma once

#include <QRect>
#include <QStyle>

class QPushButton;
class QWidget;

// Pieces every window of the program is built from the same way.
namespace WindowParts {

// Places the window in the middle of its screen's free area, wherever its owner stands.
void centreOnScreen(QWidget* window);

// A window's caption while it holds a file: the title, "　－　[", the path as given and "]".
QString captionWithFile(const QString& title, const QString& path);

// A push button with the style's glyph, at fixed bounds: the dialogs' OK, Cancel and reset.
QPushButton* glyphButton(QWidget* parent, const QString& name, QStyle::StandardPixmap glyph,
                         const QString& caption, const QRect& bounds);

// A push button of a window laid out by its layouts: Enter does not press it, and a screen reader
// says the spoken name, the caption without its mnemonic and dots.
QPushButton* layoutButton(QWidget* parent, const QString& name, const QString& caption,
                          const QString& spoken);

} // namespace WindowParts

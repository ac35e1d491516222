#include "widgets/WindowParts.h"

#include <QPushButton>
#include <QScreen>
#include <QWidget>

namespace WindowParts {

void centreOnScreen(QWidget* window)
{
    QRect frame = window->frameGeometry();
    frame.moveCenter(window->screen()->availableGeometry().center());
    window->move(frame.topLeft());
}

QString captionWithFile(const QString& title, const QString& path)
{
    return title + QStringLiteral("　－　[") + path + QLatin1Char(']');
}

QPushButton* glyphButton(QWidget* parent, const QString& name, QStyle::StandardPixmap glyph,
                         const QString& caption, const QRect& bounds)
{
    auto* button = new QPushButton(parent->style()->standardIcon(glyph), caption, parent);
    button->setObjectName(name);
    button->setGeometry(bounds);
    return button;
}

} // namespace WindowParts

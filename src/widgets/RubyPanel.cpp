#include "widgets/RubyPanel.h"

#include <QPainter>

RubyPanel::RubyPanel(QWidget* parent, const QString& objectName) : BevelPanel(parent, objectName) {}

void RubyPanel::setRubyRoom(bool on)
{
    room = on;
    update();
}

// As setPanelText, the same question again leaves the line alone.
void RubyPanel::setRubyText(const QString& text, const RubySegments& ruby)
{
    RubySegments shown = ruby.isEmpty() ? RubySegments{{text, {}}} : ruby;
    setPanelText(ruby.isEmpty() ? text : RubyText::bracketText(ruby));
    if (shown == segments)
        return;
    segments = std::move(shown);
    if (room)
        update();
}

// The line's own font when it leaves room for the readings, else smaller until it does.
QFont RubyPanel::fittedFont() const
{
    QFont font = this->font();
    const int height = contentsRect().height();
    int pixels = QFontInfo(font).pixelSize();
    while (pixels > 6 && RubyPainter::lineHeight(font) > height) {
        --pixels;
        font.setPixelSize(pixels);
    }
    return font;
}

void RubyPanel::paintEvent(QPaintEvent* event)
{
    if (!room) {
        BevelPanel::paintEvent(event);
        return;
    }
    QPainter painter(this);
    drawFrame(&painter);
    painter.setPen(palette().color(foregroundRole()));
    const QRect area = contentsRect().adjusted(margin() + 2, 0, -margin(), 0);
    RubyPainter::paint(painter, area, segments, fittedFont(), alignment());
}

#include "widgets/MarkImages.h"

#include <QPainter>

namespace {

constexpr int Side = 33;
constexpr int Margin = 5;
constexpr int PenWidth = 4;

QPixmap drawMark(const QColor& colour, void (*shape)(QPainter&, const QRect&))
{
    QPixmap pixmap(Side, Side);
    pixmap.fill(Qt::white);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(colour, PenWidth, Qt::SolidLine, Qt::RoundCap));
    shape(painter, QRect(Margin, Margin, Side - 2 * Margin, Side - 2 * Margin));
    return pixmap;
}

} // namespace

namespace MarkImages {

QPixmap timeOutCross()
{
    return drawMark(Qt::red, [](QPainter& painter, const QRect& box) {
        painter.drawLine(box.topLeft(), box.bottomRight());
        painter.drawLine(box.topRight(), box.bottomLeft());
    });
}

QPixmap correctCircle()
{
    return drawMark(Qt::blue,
                    [](QPainter& painter, const QRect& box) { painter.drawEllipse(box); });
}

} // namespace MarkImages

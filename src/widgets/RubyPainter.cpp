#include "widgets/RubyPainter.h"

#include <QFontMetrics>
#include <QPainter>

#include <algorithm>

namespace RubyPainter {

QFont rubyFont(const QFont& base)
{
    QFont font = base;
    if (base.pixelSize() > 0)
        font.setPixelSize(std::max(1, base.pixelSize() / 2));
    else
        font.setPointSizeF(base.pointSizeF() / 2);
    return font;
}

int rubyHeight(const QFont& base)
{
    return QFontMetrics(rubyFont(base)).height();
}

int lineHeight(const QFont& base)
{
    return rubyHeight(base) + QFontMetrics(base).height();
}

namespace {

int segmentWidth(const RubySegment& segment, const QFontMetrics& baseMetrics,
                 const QFontMetrics& rubyMetrics)
{
    return std::max(baseMetrics.horizontalAdvance(segment.base),
                    rubyMetrics.horizontalAdvance(segment.ruby));
}

} // namespace

int width(const RubySegments& segments, const QFont& base)
{
    const QFontMetrics baseMetrics(base);
    const QFontMetrics rubyMetrics(rubyFont(base));
    int total = 0;
    for (const RubySegment& segment : segments)
        total += segmentWidth(segment, baseMetrics, rubyMetrics);
    return total;
}

void paint(QPainter& painter, const QRect& rect, const RubySegments& segments, const QFont& base,
           Qt::Alignment alignment)
{
    const QFont ruby = rubyFont(base);
    const QFontMetrics baseMetrics(base);
    const QFontMetrics rubyMetrics(ruby);
    const int total = width(segments, base);
    int x = rect.left();
    if (alignment & Qt::AlignHCenter)
        x += (rect.width() - total) / 2;
    else if (alignment & Qt::AlignRight)
        x = rect.right() - total;
    const int baseTop = rect.bottom() - baseMetrics.height() + 1;
    const int rubyTop = baseTop - rubyMetrics.height();
    painter.save();
    for (const RubySegment& segment : segments) {
        const int cell = segmentWidth(segment, baseMetrics, rubyMetrics);
        painter.setFont(base);
        painter.drawText(QRect(x, baseTop, cell, baseMetrics.height()), Qt::AlignHCenter,
                         segment.base);
        if (!segment.ruby.isEmpty()) {
            painter.setFont(ruby);
            painter.drawText(QRect(x, rubyTop, cell, rubyMetrics.height()), Qt::AlignHCenter,
                             segment.ruby);
        }
        x += cell;
    }
    painter.restore();
}

} // namespace RubyPainter

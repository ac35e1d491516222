#include "app/ApplicationIcon.h"

#include <QHash>
#include <QIconEngine>
#include <QPainter>
#include <QPixmap>

#include <algorithm>
#include <array>

namespace {

constexpr std::array DrawnSizes{16, 22, 24, 32, 48, 64, 128, 256};
// What Qt hands a window system for an icon without sizes of its own, as it did when the icon
// was drawn from the SVG.
const QList<QSize> OfferedSizes{{16, 16}, {32, 32}, {64, 64}, {128, 128}};

// The window icon is drawn in the normal mode only, so the engine does not derive the others.
class DrawingsEngine : public QIconEngine
{
public:
    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override
    {
        painter->drawPixmap(rect, pixmap(rect.size(), mode, state));
    }

    QPixmap pixmap(const QSize& size, QIcon::Mode, QIcon::State) override
    {
        const int drawn = drawnSizeFor(size);
        QPixmap& decoded = drawings[drawn];
        if (decoded.isNull())
            decoded.load(QStringLiteral(":/icons/tazune-%1.png").arg(drawn));
        if (decoded.width() <= std::min(size.width(), size.height()))
            return decoded;
        return decoded.scaled(size, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    }

    QSize actualSize(const QSize& size, QIcon::Mode, QIcon::State) override
    {
        const int side = std::min({size.width(), size.height(), drawnSizeFor(size)});
        return {side, side};
    }

    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override { return OfferedSizes; }

    bool isNull() override { return false; }

    QString key() const override { return QStringLiteral("DrawingsEngine"); }

    QIconEngine* clone() const override { return new DrawingsEngine(*this); }

private:
    // The smallest drawing at least as large as asked, else the largest.
    static int drawnSizeFor(const QSize& size)
    {
        const int side = std::min(size.width(), size.height());
        const auto* found = std::lower_bound(DrawnSizes.begin(), DrawnSizes.end(), side);
        return found == DrawnSizes.end() ? DrawnSizes.back() : *found;
    }

    QHash<int, QPixmap> drawings;
};

} // namespace

namespace ApplicationIcon {

QIcon create()
{
    return QIcon(new DrawingsEngine);
}

} // namespace ApplicationIcon

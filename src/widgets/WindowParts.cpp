#include "widgets/WindowParts.h"

#include <QApplication>
#include <QIconEngine>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QWidget>

namespace {

// The style's glyph, fetched from the style only when it is first drawn or measured. Fetching
// decodes several images per glyph, and the dialogs that hold most glyph buttons are all built
// before the main window shows, long before any of them is opened.
class StyleGlyphEngine : public QIconEngine
{
public:
    StyleGlyphEngine(QStyle* style, QStyle::StandardPixmap glyph) : style(style), glyph(glyph) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override
    {
        fetched().paint(painter, rect, Qt::AlignCenter, mode, state);
    }

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        return fetched().pixmap(size, mode, state);
    }

    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state,
                         qreal scale) override
    {
        return fetched().pixmap(size / scale, scale, mode, state);
    }

    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        return fetched().actualSize(size, mode, state);
    }

    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override
    {
        return fetched().availableSizes(mode, state);
    }

    // Every style the program runs under draws these glyphs; asking would fetch them.
    bool isNull() override { return false; }

    QString key() const override { return QStringLiteral("StyleGlyphEngine"); }

    QIconEngine* clone() const override { return new StyleGlyphEngine(*this); }

private:
    const QIcon& fetched()
    {
        if (icon.isNull()) {
            QStyle* source = style ? style.data() : QApplication::style();
            icon = source->standardIcon(glyph);
        }
        return icon;
    }

    QPointer<QStyle> style;
    QStyle::StandardPixmap glyph;
    QIcon icon;
};

} // namespace

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
    auto* button =
        new QPushButton(QIcon(new StyleGlyphEngine(parent->style(), glyph)), caption, parent);
    button->setObjectName(name);
    button->setGeometry(bounds);
    return button;
}

QPushButton* layoutButton(QWidget* parent, const QString& name, const QString& caption,
                          const QString& spoken)
{
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setAutoDefault(false);
    button->setAccessibleName(spoken);
    return button;
}

} // namespace WindowParts

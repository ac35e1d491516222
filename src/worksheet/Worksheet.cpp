#include "worksheet/Worksheet.h"

#include "questions/AtomicFile.h"
#include "questions/LevelNames.h"
#include "results/A4Pdf.h"
#include "results/PageBreaks.h"
#include "widgets/JapaneseFont.h"
#include "widgets/RubyPainter.h"

#include <QPagedPaintDevice>
#include <QPainter>

#include <functional>

namespace {

// The page is laid out in units of which it is this many across, whatever the device's
// resolution; fonts are sized in the same units. Its height follows from the paper.
constexpr int PageWidth = 1000;
constexpr int NumberWidth = 80;
constexpr int QuestionWidth = 500;
constexpr int AnswerWidth = PageWidth - NumberWidth - QuestionWidth;
constexpr int QuestionPixels = 30;
// A question too long for its column is set smaller, down to this, and cut off beyond it.
constexpr int SmallestQuestionPixels = 14;
constexpr int RowPadding = 14;
constexpr int SmallPixels = 20;
constexpr int FooterHeight = 50;

struct Block
{
    PageBreaks::Block size;
    std::function<void(QPainter&, int top)> draw;
};

QFont fontOf(int pixels, bool bold = false)
{
    QFont font = JapaneseFont::ofPixelSize(pixels);
    font.setBold(bold);
    return font;
}

void drawText(QPainter& painter, const QRect& rect, const QString& text, const QFont& font,
              Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter)
{
    painter.setFont(font);
    painter.drawText(rect, int(alignment), text);
}

Block titleBlock(const WorksheetContent& content)
{
    const QString heading = Worksheet::title(content);
    const QString count = QStringLiteral("%1問").arg(content.questions.size());
    return {{130, true}, [=](QPainter& painter, int top) {
                drawText(painter, QRect(0, top, PageWidth, 60), heading, fontOf(36, true));
                drawText(painter, QRect(0, top + 60, PageWidth / 2, 50), count,
                         fontOf(SmallPixels));
                drawText(painter, QRect(PageWidth / 2, top + 60, PageWidth / 2, 50),
                         QStringLiteral("名前（　　　　　　　　　　　　）"), fontOf(SmallPixels),
                         Qt::AlignRight | Qt::AlignVCenter);
            }};
}

Block columnsBlock()
{
    return {{40, true}, [](QPainter& painter, int top) {
                const QFont font = fontOf(SmallPixels, true);
                drawText(painter, QRect(0, top, NumberWidth, 36), QStringLiteral("番号"), font,
                         Qt::AlignCenter);
                drawText(painter, QRect(NumberWidth, top, QuestionWidth, 36),
                         QStringLiteral("問題"), font);
                drawText(painter, QRect(NumberWidth + QuestionWidth, top, AnswerWidth, 36),
                         QStringLiteral("答え"), font);
                painter.drawLine(0, top + 38, PageWidth, top + 38);
            }};
}

QFont questionFontFor(const RubySegments& question, int width)
{
    for (int pixels = QuestionPixels; pixels > SmallestQuestionPixels; pixels -= 2) {
        if (RubyPainter::width(question, fontOf(pixels)) <= width)
            return fontOf(pixels);
    }
    return fontOf(SmallestQuestionPixels);
}

Block questionBlock(int number, const RubySegments& question)
{
    const int height = RubyPainter::lineHeight(fontOf(QuestionPixels)) + 2 * RowPadding;
    return {{double(height), false}, [=](QPainter& painter, int top) {
                const QFont font = questionFontFor(question, QuestionWidth - 10);
                const int lineHeight = RubyPainter::lineHeight(font);
                const int lineTop = top + (height - lineHeight) / 2;
                drawText(painter, QRect(0, lineTop, NumberWidth, lineHeight),
                         QStringLiteral("%1.").arg(number), fontOf(SmallPixels),
                         Qt::AlignHCenter | Qt::AlignBottom);
                painter.save();
                painter.setClipRect(QRect(NumberWidth, top, QuestionWidth - 10, height));
                RubyPainter::paint(painter,
                                   QRect(NumberWidth, lineTop, QuestionWidth - 10, lineHeight),
                                   question, font, Qt::AlignLeft);
                painter.restore();
                painter.drawRect(
                    QRect(NumberWidth + QuestionWidth, top + 6, AnswerWidth - 1, height - 12));
            }};
}

QList<Block> blocksOf(const WorksheetContent& content)
{
    QList<Block> blocks{titleBlock(content), columnsBlock()};
    for (qsizetype i = 0; i < content.questions.size(); ++i)
        blocks << questionBlock(int(i + 1), content.questions[i]);
    return blocks;
}

void drawPageNumber(QPainter& painter, int pageHeight, int page, int pageCount)
{
    drawText(painter, QRect(0, pageHeight - FooterHeight / 2, PageWidth, FooterHeight / 2),
             QStringLiteral("%1 / %2").arg(page + 1).arg(pageCount), fontOf(SmallPixels),
             Qt::AlignCenter);
}

} // namespace

namespace Worksheet {

QString title(const WorksheetContent& content)
{
    return QStringLiteral("練習プリント　%1　%2")
        .arg(content.fileName, LevelNames::name(content.level));
}

void paint(QPagedPaintDevice& device, const WorksheetContent& content)
{
    QPainter painter(&device);
    const double scale = double(device.width()) / PageWidth;
    painter.scale(scale, scale);
    const int pageHeight = int(device.height() / scale);
    const QList<Block> blocks = blocksOf(content);
    QList<PageBreaks::Block> sizes;
    for (const Block& block : blocks)
        sizes << block.size;
    const QList<int> pages = PageBreaks::pagesOf(sizes, pageHeight - FooterHeight);
    const int pageCount = pages.constLast() + 1;
    int top = 0;
    for (qsizetype i = 0; i < blocks.size(); ++i) {
        if (i > 0 && pages[i] != pages[i - 1]) {
            device.newPage();
            top = 0;
        }
        blocks[i].draw(painter, top);
        top += int(blocks[i].size.height);
        if (i + 1 == blocks.size() || pages[i + 1] != pages[i])
            drawPageNumber(painter, pageHeight, pages[i], pageCount);
    }
}

QByteArray pdf(const WorksheetContent& content)
{
    return A4Pdf::write(title(content), [&](QPagedPaintDevice& device) { paint(device, content); });
}

Outcome<QString> writePdf(const QString& path, const WorksheetContent& content)
{
    return AtomicFile::replace(path, pdf(content));
}

} // namespace Worksheet

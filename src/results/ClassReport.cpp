#include "results/ClassReport.h"

#include "drill/ReportFigures.h"
#include "results/A4Pdf.h"
#include "results/ClassCsv.h"
#include "results/PageBreaks.h"
#include "results/ResultsCsv.h"
#include "widgets/JapaneseFont.h"

#include <QPagedPaintDevice>
#include <QPainter>

#include <functional>

namespace {

// The page is laid out in units of which it is this many across, whatever the device's
// resolution; fonts are sized in the same units. Its height follows from the paper.
constexpr double PageWidth = 500;
constexpr double LineHeight = 13;
constexpr double TitleHeight = 30;
// Below the blocks of every page: its number.
constexpr double FooterHeight = 2 * LineHeight;

struct Block
{
    PageBreaks::Block size;
    std::function<void(QPainter&, double top)> draw;
};

void setFontSize(QPainter& painter, int size, bool bold = false)
{
    QFont font = JapaneseFont::ofPixelSize(size);
    font.setBold(bold);
    painter.setFont(font);
}

// Cells from left in columns of the given widths, each cut short to fit its column.
void drawCells(QPainter& painter, double top, const QList<double>& widths, const QStringList& cells)
{
    double left = 0;
    for (qsizetype column = 0; column < widths.size(); ++column) {
        const QRectF cell(left + 2, top, widths[column] - 4, LineHeight);
        painter.drawText(
            cell, Qt::AlignLeft | Qt::AlignVCenter,
            painter.fontMetrics().elidedText(cells.value(column), Qt::ElideRight, cell.width()));
        left += widths[column];
    }
}

QString dateText(const QDateTime& time)
{
    return time.toLocalTime().toString(QStringLiteral("yyyy/MM/dd"));
}

// A mean as the class table writes it, "-" where no game had the figure.
QString shown(const QString& text)
{
    return text.isEmpty() ? ReportFigures::Unavailable : text;
}

QString changeText(const QString& text)
{
    return text.isEmpty() || text.startsWith(u'-') || text.toDouble() == 0 ? shown(text)
                                                                           : u'+' + text;
}

Block textBlock(const QString& text, int size, bool bold, double height, bool keepWithNext)
{
    return {{height, keepWithNext}, [=](QPainter& painter, double top) {
                setFontSize(painter, size, bold);
                drawCells(painter, top + (height - LineHeight) / 2, {PageWidth}, {text});
            }};
}

Block titleBlock(const ClassTable& table, const QDate& madeOn)
{
    QStringList learners;
    for (const ClassRow& row : table.rows) {
        if (!learners.contains(row.learner))
            learners << row.learner;
    }
    const QString line = QStringLiteral("作成日：%1　　学習者：%2人")
                             .arg(madeOn.toString(QStringLiteral("yyyy/MM/dd")))
                             .arg(learners.size());
    return {{TitleHeight + 2 * LineHeight, false}, [=](QPainter& painter, double top) {
                setFontSize(painter, 18, true);
                painter.drawText(QRectF(0, top, PageWidth, TitleHeight),
                                 Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("クラスの成績"));
                setFontSize(painter, 10);
                drawCells(painter, top + TitleHeight, {PageWidth}, {line});
            }};
}

// One learner's progress on one file and level: the games, the days, and the first and the
// latest games' means with their change.
Block learnerBlock(const ClassRow& row)
{
    const QString heading = row.learner + QStringLiteral("　") + row.file + QStringLiteral("　") +
                            ResultsCsv::levelText(row.level);
    const QString games = QStringLiteral("ゲーム %1回（復習 %2回）　%3 〜 %4")
                              .arg(row.games)
                              .arg(row.reviewGames)
                              .arg(dateText(row.firstPlayed), dateText(row.lastPlayed));
    const QString first = QStringLiteral("最初%1回").arg(ClassMerge::Window);
    const QString recent = QStringLiteral("最近%1回").arg(ClassMerge::Window);
    const QList<QStringList> figures{
        {{}, first, recent, QStringLiteral("変化")},
        {ReportFigures::CorrectRateCaption + QStringLiteral("（％）"),
         shown(ClassCsv::rateText(row.firstCorrectRate)),
         shown(ClassCsv::rateText(row.recentCorrectRate)),
         changeText(
             ClassCsv::rateText(ClassCsv::change(row.firstCorrectRate, row.recentCorrectRate)))},
        {ReportFigures::AverageCorrectTimeCaption,
         shown(ClassCsv::timeText(row.firstAverageCorrectTime)),
         shown(ClassCsv::timeText(row.recentAverageCorrectTime)),
         changeText(ClassCsv::timeText(
             ClassCsv::change(row.firstAverageCorrectTime, row.recentAverageCorrectTime)))}};
    return {{6 * LineHeight, false}, [=](QPainter& painter, double top) {
                setFontSize(painter, 10, true);
                drawCells(painter, top, {PageWidth}, {heading});
                setFontSize(painter, 8);
                drawCells(painter, top + LineHeight, {20, PageWidth - 20}, {{}, games});
                for (qsizetype line = 0; line < figures.size(); ++line)
                    drawCells(painter, top + (line + 2) * LineHeight, {20, 110, 70, 70, 70},
                              QStringList{{}} + figures[line]);
            }};
}

QList<Block> missedBlocks(const QList<ClassMissedPair>& missed)
{
    const QList<double> widths{50, 50, 200, 200};
    QList<Block> blocks{textBlock(
        QStringLiteral("クラス全体で時間切れの多い問題（最大%1問）").arg(ClassReport::MissedPairs),
        10, true, 2 * LineHeight, true)};
    if (missed.isEmpty()) {
        blocks << textBlock(QStringLiteral("時間切れになった問題はありません"), 8, false,
                            LineHeight, false);
        return blocks;
    }
    blocks << Block{{LineHeight, true}, [=](QPainter& painter, double top) {
                        setFontSize(painter, 8, true);
                        drawCells(painter, top, widths,
                                  {QStringLiteral("時間切れ"), QStringLiteral("学習者数"),
                                   QStringLiteral("問題"), QStringLiteral("答え")});
                        painter.drawLine(QPointF(0, top + LineHeight),
                                         QPointF(PageWidth, top + LineHeight));
                    }};
    for (const ClassMissedPair& pair :
         missed.first(std::min<qsizetype>(ClassReport::MissedPairs, missed.size()))) {
        const QStringList cells{QString::number(pair.timeOuts), QString::number(pair.learners),
                                pair.question, pair.answer};
        blocks << Block{{LineHeight, false}, [=](QPainter& painter, double top) {
                            setFontSize(painter, 8);
                            drawCells(painter, top, widths, cells);
                        }};
    }
    return blocks;
}

QList<Block> blocksOf(const ClassTable& table, const QDate& madeOn)
{
    QList<Block> blocks{titleBlock(table, madeOn)};
    if (table.rows.isEmpty())
        blocks << textBlock(QStringLiteral("ゲームがありません"), 10, false, 2 * LineHeight, false);
    for (const ClassRow& row : table.rows)
        blocks << learnerBlock(row);
    return blocks + missedBlocks(table.missed);
}

} // namespace

namespace ClassReport {

void paint(QPagedPaintDevice& device, const ClassTable& table, const QDate& madeOn)
{
    QPainter painter(&device);
    const double scale = device.width() / PageWidth;
    painter.scale(scale, scale);
    const double pageHeight = device.height() / scale;
    const QList<Block> blocks = blocksOf(table, madeOn);
    QList<PageBreaks::Block> sizes;
    for (const Block& block : blocks)
        sizes << block.size;
    const QList<int> pages = PageBreaks::pagesOf(sizes, pageHeight - FooterHeight);
    const int pageCount = pages.constLast() + 1;
    double top = 0;
    for (qsizetype i = 0; i < blocks.size(); ++i) {
        if (i > 0 && pages[i] != pages[i - 1]) {
            device.newPage();
            top = 0;
        }
        blocks[i].draw(painter, top);
        top += blocks[i].size.height;
        if (i + 1 == blocks.size() || pages[i + 1] != pages[i]) {
            setFontSize(painter, 8);
            painter.drawText(QRectF(0, pageHeight - LineHeight, PageWidth, LineHeight),
                             Qt::AlignHCenter | Qt::AlignVCenter,
                             QStringLiteral("%1 / %2").arg(pages[i] + 1).arg(pageCount));
        }
    }
}

QByteArray pdf(const ClassTable& table, const QDate& madeOn)
{
    return A4Pdf::write(QStringLiteral("クラスの成績"),
                        [&](QPagedPaintDevice& device) { paint(device, table, madeOn); });
}

} // namespace ClassReport

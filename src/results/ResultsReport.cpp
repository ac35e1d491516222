#include "results/ResultsReport.h"

#include "questions/AtomicFile.h"
#include "questions/LevelNames.h"
#include "questions/TextCodec.h"
#include "results/A4Pdf.h"
#include "results/HistoryChart.h"
#include "results/HistoryModel.h"
#include "results/HistorySummary.h"
#include "widgets/JapaneseFont.h"

#include <QChart>
#include <QGraphicsScene>
#include <QPagedPaintDevice>
#include <QPainter>

namespace {

// The page is laid out on a grid of this many units across, whatever the device's resolution;
// fonts are sized in the same units.
constexpr double PageWidth = 500;
// What the content takes at most; a page shorter than A4 for its width gets it smaller.
constexpr double PageHeight = 710;
constexpr double LineHeight = 13;
constexpr QSizeF ChartSize{PageWidth, 190};
// The chart is drawn at screen size first and scaled onto the page, fine enough for paper.
constexpr int ChartPixelsPerUnit = 4;

void setFontSize(QPainter& painter, int size, bool bold = false)
{
    QFont font = JapaneseFont::ofPixelSize(size);
    font.setBold(bold);
    painter.setFont(font);
}

// Writes one line at the top of the area left and moves the area's top below it.
void writeLine(QPainter& painter, double& top, const QString& text, double height = LineHeight)
{
    painter.drawText(QRectF(0, top, PageWidth, height), Qt::AlignLeft | Qt::AlignVCenter, text);
    top += height;
}

void drawChart(QPainter& painter, double& top, const QList<FinishedGame>& games)
{
    QGraphicsScene scene;
    QChart* chart = HistoryChart::create(HistorySummary::series(games));
    scene.addItem(chart);
    const QSizeF screen = ChartSize * 2;
    chart->resize(screen);
    QImage image((screen * ChartPixelsPerUnit / 2).toSize(), QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        QPainter imagePainter(&image);
        imagePainter.setRenderHint(QPainter::Antialiasing);
        scene.render(&imagePainter, QRectF(image.rect()), QRectF(QPointF(), screen));
    }
    painter.drawImage(QRectF(QPointF(0, top), ChartSize), image);
    top += ChartSize.height() + LineHeight;
}

// Rows of cells in columns of the given widths; the first row is the heading.
void drawTable(QPainter& painter, double& top, const QList<double>& widths,
               const QList<QStringList>& rows)
{
    for (qsizetype row = 0; row < rows.size(); ++row) {
        setFontSize(painter, 8, row == 0);
        double left = 0;
        for (qsizetype column = 0; column < widths.size(); ++column) {
            const QRectF cell(left + 2, top, widths[column] - 4, LineHeight);
            painter.drawText(cell, Qt::AlignLeft | Qt::AlignVCenter,
                             painter.fontMetrics().elidedText(rows[row].value(column),
                                                              Qt::ElideRight, cell.width()));
            left += widths[column];
        }
        top += LineHeight;
        if (row == 0)
            painter.drawLine(QPointF(0, top), QPointF(PageWidth, top));
    }
    top += LineHeight;
}

QList<QStringList> gameRows(const QList<FinishedGame>& games)
{
    HistoryModel model;
    model.setGames(games.mid(std::max<qsizetype>(0, games.size() - ResultsReport::TableGames)));
    QList<QStringList> rows{{}};
    for (int column = 0; column < HistoryModel::ColumnCount; ++column)
        rows[0] << model.headerData(column, Qt::Horizontal).toString();
    // Newest first, as the window shows them at first.
    for (int row = model.rowCount() - 1; row >= 0; --row) {
        QStringList cells;
        for (int column = 0; column < HistoryModel::ColumnCount; ++column)
            cells << model.index(row, column).data().toString();
        rows << cells;
    }
    return rows;
}

QList<QStringList> missedRows(const QList<MissedPair>& missed)
{
    QList<QStringList> rows{
        {QStringLiteral("時間切れ"), QStringLiteral("問題"), QStringLiteral("答え")}};
    for (const MissedPair& each : missed)
        rows << QStringList{QString::number(each.timeOuts), TextCodec::decode(each.pair.question),
                            TextCodec::decode(each.pair.answer)};
    return rows;
}

void paintPage(QPainter& painter, const ResultsReportContent& content)
{
    double top = 0;
    setFontSize(painter, 18, true);
    writeLine(painter, top, QStringLiteral("成績の記録"), 30);
    setFontSize(painter, 10);
    writeLine(painter, top, QStringLiteral("名前：") + content.learnerName);
    writeLine(painter, top, QStringLiteral("ファイル：") + content.filePath);
    writeLine(painter, top,
              QStringLiteral("レベル：") + LevelNames::name(content.level) +
                  QStringLiteral("　　印刷日：") +
                  content.printedOn.toString(QStringLiteral("yyyy/MM/dd")));
    setFontSize(painter, 10, true);
    writeLine(painter, top, HistorySummary::line(content.games), LineHeight * 2);
    drawChart(painter, top, content.games);

    setFontSize(painter, 10, true);
    writeLine(painter, top,
              QStringLiteral("最近のゲーム（最大%1回）").arg(ResultsReport::TableGames));
    drawTable(painter, top, {78, 26, 34, 34, 42, 56, 115, 115}, gameRows(content.games));
    setFontSize(painter, 10, true);
    writeLine(painter, top,
              QStringLiteral("時間切れの多い問題（最大%1問）").arg(MostMissed::Count));
    drawTable(painter, top, {50, 225, 225}, missedRows(content.mostMissed));
}

} // namespace

namespace ResultsReport {

void paint(QPagedPaintDevice& device, const ResultsReportContent& content)
{
    QPainter painter(&device);
    const double scale = std::min(device.width() / PageWidth, device.height() / PageHeight);
    painter.scale(scale, scale);
    paintPage(painter, content);
}

bool writePdf(const QString& path, const ResultsReportContent& content)
{
    const QByteArray bytes = A4Pdf::write(
        QStringLiteral("成績の記録"), [&](QPagedPaintDevice& device) { paint(device, content); });
    return static_cast<bool>(AtomicFile::replace(path, bytes));
}

} // namespace ResultsReport

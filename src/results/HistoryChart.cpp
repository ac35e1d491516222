#include "results/HistoryChart.h"

#include "drill/Drill.h"

#include <QChart>
#include <QLineSeries>
#include <QValueAxis>

#include <algorithm>
#include <cmath>

namespace {

// A correct answer can take at most the ten seconds of the bar; a longer figure comes only from
// stored settings outside the dialog's ranges, and the axis then grows to hold it.
constexpr double BarSeconds = Drill::secondsOf(Drill::BarMaximum);

QValueAxis* axis(const QString& title, double maximum, Qt::Alignment side, QChart* chart)
{
    auto* created = new QValueAxis(chart);
    created->setTitleText(title);
    created->setRange(side == Qt::AlignBottom ? 1.0 : 0.0, maximum);
    created->setLabelFormat(QStringLiteral("%d"));
    chart->addAxis(created, side);
    return created;
}

QLineSeries* line(const QString& name, const QList<QPointF>& points, QChart* chart)
{
    auto* series = new QLineSeries(chart);
    series->setName(name);
    series->replace(points);
    chart->addSeries(series);
    return series;
}

double longestSeconds(const QList<QPointF>& points)
{
    const auto longest = std::max_element(points.cbegin(), points.cend(),
                                          [](auto a, auto b) { return a.y() < b.y(); });
    return longest == points.cend() ? 0.0 : longest->y();
}

} // namespace

namespace HistoryChart {

QChart* create(const HistorySeries& series)
{
    auto* chart = new QChart;
    chart->legend()->setAlignment(Qt::AlignBottom);
    const double games = std::max(2, series.games);
    QValueAxis* x = axis(QStringLiteral("ゲーム"), games, Qt::AlignBottom, chart);
    x->setTickCount(std::min(11, static_cast<int>(games)));
    QValueAxis* percent = axis(QStringLiteral("正解率（％）"), 100.0, Qt::AlignLeft, chart);
    const double seconds =
        std::max(BarSeconds, std::ceil(longestSeconds(series.averageCorrectSeconds)));
    QValueAxis* time =
        axis(QStringLiteral("正解1問あたりの時間（秒）"), seconds, Qt::AlignRight, chart);

    const auto attach = [chart](QLineSeries* each, QValueAxis* x, QValueAxis* y) {
        each->attachAxis(x);
        each->attachAxis(y);
    };
    attach(line(QStringLiteral("正解率"), series.correctRates, chart), x, percent);
    attach(line(QStringLiteral("正解1問あたりの時間"), series.averageCorrectSeconds, chart), x,
           time);
    if (!series.movingAverage.isEmpty()) {
        attach(line(QStringLiteral("直近%1回の平均正解率").arg(HistorySummary::Span),
                    series.movingAverage, chart),
               x, percent);
    }
    return chart;
}

} // namespace HistoryChart

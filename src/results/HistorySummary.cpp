#include "results/HistorySummary.h"

#include "drill/Drill.h"

#include <cmath>
#include <numeric>

namespace HistorySummary {

namespace {

// The rates of the games that have one, oldest first, with each game's place in the list.
QList<QPointF> ratePoints(const QList<FinishedGame>& games)
{
    QList<QPointF> points;
    for (qsizetype k = 0; k < games.size(); ++k) {
        if (const std::optional<double> rate = correctRate(games[k]))
            points.append({static_cast<double>(k + 1), *rate});
    }
    return points;
}

double meanOf(const QList<QPointF>& points, qsizetype from, qsizetype count)
{
    const auto begin = points.cbegin() + from;
    const double sum = std::accumulate(
        begin, begin + count, 0.0, [](double total, const QPointF& p) { return total + p.y(); });
    return sum / static_cast<double>(count);
}

int roundedMean(const QList<QPointF>& points, qsizetype from, qsizetype count)
{
    return static_cast<int>(std::lround(meanOf(points, from, count)));
}

QString signedDifference(int difference)
{
    if (difference == 0)
        return QStringLiteral("±0");
    return (difference > 0 ? QStringLiteral("+") : QStringLiteral("-")) +
           QString::number(std::abs(difference));
}

} // namespace

std::optional<double> correctRate(const FinishedGame& game)
{
    const ReportInputs& inputs = game.result.inputs;
    const std::optional<qint64> rate =
        ReportFigures::correctRate(inputs.correctCount, inputs.questionsPerGame);
    return rate ? std::optional<double>(static_cast<double>(*rate)) : std::nullopt;
}

std::optional<double> averageCorrectSeconds(const FinishedGame& game)
{
    const ReportInputs& inputs = game.result.inputs;
    if (inputs.correctCount <= 0)
        return std::nullopt;
    return Drill::secondsOf(inputs.correctTimeSum) / inputs.correctCount;
}

HistorySeries series(const QList<FinishedGame>& games)
{
    HistorySeries result;
    result.games = static_cast<int>(games.size());
    result.correctRates = ratePoints(games);
    for (qsizetype k = 0; k < games.size(); ++k) {
        if (const std::optional<double> seconds = averageCorrectSeconds(games[k]))
            result.averageCorrectSeconds.append({static_cast<double>(k + 1), *seconds});
    }
    const QList<QPointF>& rates = result.correctRates;
    for (qsizetype last = Span - 1; last < rates.size(); ++last)
        result.movingAverage.append({rates[last].x(), meanOf(rates, last - Span + 1, Span)});
    return result;
}

QString line(const QList<FinishedGame>& games)
{
    const QList<QPointF> rates = ratePoints(games);
    const qsizetype count = rates.size();
    if (count == 0)
        return QStringLiteral("まだ成績がありません");
    if (count < Span)
        return QStringLiteral("これまで%1回の正解率 %2％")
            .arg(count)
            .arg(roundedMean(rates, 0, count));
    const int recent = roundedMean(rates, count - Span, Span);
    const QString text = QStringLiteral("直近%1回の正解率 %2％").arg(Span).arg(recent);
    if (count < 2 * Span)
        return text;
    const int before = roundedMean(rates, count - 2 * Span, Span);
    return text +
           QStringLiteral("（前の%1回より%2）").arg(Span).arg(signedDifference(recent - before));
}

} // namespace HistorySummary

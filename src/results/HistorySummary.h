#pragma once

#include "record/LearningRecord.h"

#include <QList>
#include <QPointF>
#include <QString>

#include <optional>

// The curves of the results chart, x being the game's place in the list (1 for the oldest).
// A game whose figure the report could not compute leaves a gap in that curve only.
struct HistorySeries
{
    int games = 0;
    QList<QPointF> correctRates;          // percent
    QList<QPointF> averageCorrectSeconds; // seconds per correct answer
    // The mean correct rate of each game and the nine with a rate before it, from the tenth on.
    QList<QPointF> movingAverage;
};

namespace HistorySummary {

inline constexpr int Span = 10;

// The report's correct rate, C of N to the whole percent; nothing when N is not at least 1.
std::optional<double> correctRate(const FinishedGame& game);

// A ÷ C in seconds: how long a correct answer took on average; nothing without a correct answer.
std::optional<double> averageCorrectSeconds(const FinishedGame& game);

HistorySeries series(const QList<FinishedGame>& games);

// One line over the games that have a correct rate, means rounded to the whole percent:
//  none:          "まだ成績がありません"
//  1 to 9:        "これまで5回の正解率 74％" (too few for a span of ten)
//  10 to 19:      "直近10回の正解率 82％" (no earlier ten to compare with)
//  20 and more:   "直近10回の正解率 82％（前の10回より+6）", the difference of the two rounded
//                 means, "±0" when they are equal.
QString line(const QList<FinishedGame>& games);

} // namespace HistorySummary

#pragma once

#include "results/HistorySummary.h"

class QChart;

namespace HistoryChart {

// The correct rate and, once there are ten games, its moving average against a left axis of
// 0 to 100 %; the time per correct answer (A ÷ C) against a right axis in seconds; the games
// along the bottom. The time is named so that it is never taken for the report's 正解平均タイム,
// A ÷ (S × N), which also counts the questions missed. The caller owns the chart.
QChart* create(const HistorySeries& series);

} // namespace HistoryChart

#pragma once

#include "results/HistorySummary.h"

class QChart;

namespace HistoryChart {

// The correct rate and, once there are ten games, its moving average against a left axis of
// 0 to 100 %; the average correct time against a right axis in seconds; the games along the
// bottom. The caller owns the chart.
QChart* create(const HistorySeries& series);

} // namespace HistoryChart

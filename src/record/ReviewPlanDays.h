#pragma once

#include "schedule/ReviewPlan.h"

#include <QDate>
#include <QDateTime>

struct LoggedReview;

// The days 復習の予定 counts in, by the learner's own day that starts at 04:00 local time.
namespace ReviewPlanDays {

inline constexpr int ForecastDays = 30;

// The learner's date of a moment: an hour after midnight still belongs to the evening before.
QDate learnerDate(const QDateTime& now);
// The calendar's first day: twelve months back, so that today's date a year ago is left out.
QDate firstCalendarDate(QDate today);
PlanDays of(const QDateTime& now);

// A plan replayed from a review log in any order.
ReviewPlan replay(std::vector<LoggedReview> log, const Scheduler& scheduler, const QDateTime& now);

} // namespace ReviewPlanDays

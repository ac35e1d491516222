#include "record/ReviewPlanDays.h"

#include "record/LearningRecord.h"
#include "record/ScheduleTime.h"

#include <algorithm>

namespace ReviewPlanDays {

QDate learnerDate(const QDateTime& now)
{
    return ScheduleTime::dayStart(now).toLocalTime().date();
}

QDate firstCalendarDate(QDate today)
{
    return today.addYears(-1).addDays(1);
}

PlanDays of(const QDateTime& now)
{
    const QDate today = learnerDate(now);
    const QDate first = firstCalendarDate(today);
    PlanDays days;
    days.calendarDays = int(first.daysTo(today)) + 1;
    days.now = ScheduleTime::instantOf(now);
    for (QDate date = first; date <= today.addDays(ForecastDays); date = date.addDays(1))
        days.starts.push_back(ScheduleTime::instantOf(QDateTime(date, QTime(4, 0))));
    return days;
}

ReviewPlan replay(std::vector<LoggedReview> log, const Scheduler& scheduler, const QDateTime& now)
{
    std::stable_sort(log.begin(), log.end(), [](const LoggedReview& a, const LoggedReview& b) {
        return std::pair(a.pair, a.atMs) < std::pair(b.pair, b.atMs);
    });
    ReviewPlanBuilder plan(scheduler, of(now));
    for (std::size_t k = 0; k < log.size(); ++k) {
        if (k == 0 || log[k].pair != log[k - 1].pair)
            plan.beginPair(quint64(log[k].pair));
        plan.addReview(Instant{std::chrono::milliseconds(log[k].atMs)}, log[k].grade);
    }
    return plan.finish();
}

} // namespace ReviewPlanDays

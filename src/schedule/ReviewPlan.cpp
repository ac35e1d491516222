#include "schedule/ReviewPlan.h"

#include <algorithm>

namespace {

constexpr int MonthDays = 30;

} // namespace

ReviewPlanBuilder::ReviewPlanBuilder(const Scheduler& scheduler, PlanDays days)
    : scheduler(scheduler), days(std::move(days))
{
    const int dayCount = int(this->days.starts.size()) - 1;
    plan.reviewsByDay.assign(std::size_t(this->days.calendarDays), 0);
    plan.dueByDay.assign(std::size_t(dayCount - this->days.calendarDays + 1), 0);
    plan.desiredRetention = scheduler.parameters().retention;
    leftDueChanges.assign(std::size_t(this->days.calendarDays) + 1, 0);
}

void ReviewPlanBuilder::beginPair(std::uint64_t id)
{
    endPair();
    inPair = true;
    pairId = id;
    schedule = {};
}

void ReviewPlanBuilder::addReview(Instant at, Grade grade)
{
    const int day = dayOf(at);
    if (day < 0)
        reviewedBeforeCalendar = true;
    else if (day < days.calendarDays) {
        ++plan.reviewsByDay[std::size_t(day)];
        if (firstReviewDay < 0 || day < firstReviewDay)
            firstReviewDay = day;
    }
    if (schedule.state != PairState::New)
        markLeftDue(schedule.due, at);
    tallyRetention(at, grade);
    schedule = scheduler.review(schedule, grade, at, pairId);
}

// A pair in review counts as due on the day its due time falls in or any day after.
void ReviewPlanBuilder::tallyRetention(Instant at, Grade grade)
{
    if (schedule.state != PairState::Review)
        return;
    const int day = dayOf(at);
    if (day < 0 || day >= days.calendarDays || dayOf(schedule.due) > day)
        return;
    const bool passed = grade != Grade::Again;
    ++plan.calendar.due;
    plan.calendar.passed += passed;
    if (day >= days.calendarDays - MonthDays) {
        ++plan.lastMonth.due;
        plan.lastMonth.passed += passed;
    }
}

// The pair stood due from its due time until it was answered: every day that ended inside that
// span ended with something left due.
void ReviewPlanBuilder::markLeftDue(Instant due, Instant until)
{
    if (until <= due)
        return;
    const auto ends = days.starts.begin() + 1;
    const auto endsStop = ends + days.calendarDays;
    const auto first = std::upper_bound(ends, endsStop, due);
    const auto last = std::lower_bound(ends, endsStop, until);
    if (first >= last)
        return;
    ++leftDueChanges[std::size_t(first - ends)];
    --leftDueChanges[std::size_t(last - ends)];
}

void ReviewPlanBuilder::endPair()
{
    if (!inPair)
        return;
    inPair = false;
    if (schedule.state == PairState::New)
        return;
    if (schedule.due <= days.now)
        dueNow = true;
    markLeftDue(schedule.due, Instant::max());
    if (schedule.due >= days.starts.back())
        return;
    const int today = days.calendarDays - 1;
    ++plan.dueByDay[std::size_t(std::max(dayOf(schedule.due), today) - today)];
}

// Past the last day's end, an instant counts to the last day.
int ReviewPlanBuilder::dayOf(Instant at) const
{
    const auto next = std::upper_bound(days.starts.begin(), days.starts.end() - 1, at);
    return int(next - days.starts.begin()) - 1;
}

// Today is still under way: it joins the run once nothing is due, and until then does not break
// it. Days before the learner's first review are no part of any run.
ReviewPlan ReviewPlanBuilder::finish()
{
    endPair();
    if (firstReviewDay < 0 && !reviewedBeforeCalendar)
        return plan;
    const int today = days.calendarDays - 1;
    const int firstDay = reviewedBeforeCalendar ? 0 : firstReviewDay;
    int open = 0;
    std::vector<bool> leftDue;
    for (int day = 0; day < today; ++day) {
        open += leftDueChanges[std::size_t(day)];
        leftDue.push_back(open > 0);
    }
    int day = today - 1;
    while (day >= firstDay && !leftDue[std::size_t(day)])
        --day;
    plan.clearedRun = today - 1 - day + (dueNow ? 0 : 1);
    plan.runFillsCalendar = reviewedBeforeCalendar && day < 0;
    return plan;
}

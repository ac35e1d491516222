#pragma once

#include "schedule/Scheduler.h"

#include <cstdint>
#include <vector>

// How many of the reviews that came due were passed: Hard, Good or Easy on a pair in review
// whose due day had come.
struct RetentionTally
{
    int due = 0;
    int passed = 0;

    friend bool operator==(const RetentionTally&, const RetentionTally&) = default;
};

// The learner's reviews as a plan: what falls due on each coming day, how many reviews each past
// day saw, for how many days in a row nothing was left due at the day's end, and the share of
// due reviews that were passed.
struct ReviewPlan
{
    std::vector<int> dueByDay;     // today first; today's count takes in everything overdue
    std::vector<int> reviewsByDay; // the calendar, today last
    int clearedRun = 0;            // days, today among them once nothing is due
    bool runFillsCalendar = false; // the run may go back further than the calendar
    RetentionTally lastMonth;      // the last 30 days of the calendar
    RetentionTally calendar;
    double desiredRetention = 0;

    friend bool operator==(const ReviewPlan&, const ReviewPlan&) = default;
};

// The days a plan is counted in, as the instants they start at, oldest first: the calendar's
// days, today the last of them, then the coming days, then the end of the last one. Days are
// given by their starts since they follow the learner's local clock, which is not always 24
// hours a day.
struct PlanDays
{
    std::vector<Instant> starts;
    int calendarDays = 0; // today is starts[calendarDays - 1]
    Instant now{};
};

// Builds a plan by replaying the review log, one pair at a time, each pair's reviews in time
// order, through the scheduler that set the stored schedules.
class ReviewPlanBuilder
{
public:
    ReviewPlanBuilder(const Scheduler& scheduler, PlanDays days);

    void beginPair(std::uint64_t pairId);
    void addReview(Instant at, Grade grade);
    ReviewPlan finish();

private:
    void endPair();
    // The day an instant falls in, -1 before the first.
    int dayOf(Instant at) const;
    void markLeftDue(Instant due, Instant until);
    void tallyRetention(Instant at, Grade grade);

    const Scheduler& scheduler;
    PlanDays days;
    ReviewPlan plan;
    // Per day end: +1 where a span left something due begins, -1 after it ends.
    std::vector<int> leftDueChanges;
    int firstReviewDay = -1;
    bool reviewedBeforeCalendar = false;
    bool dueNow = false;
    bool inPair = false;
    std::uint64_t pairId = 0;
    PairSchedule schedule;
};

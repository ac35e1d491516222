#include "schedule/ReviewPlan.h"

#include <QTest>

#include <numeric>

using namespace std::chrono;

class ReviewPlanTest : public QObject
{
    Q_OBJECT

private slots:
    void runAndRetentionFollowWhatWasLeftDue_data();
    void runAndRetentionFollowWhatWasLeftDue();
    void duePairsAreCountedOnTheirComingDays();
};

namespace {

// Days start at 04:00 UTC here; the first Easy on a new pair is due 8 days later, unfuzzed.
const Instant FirstDay = sys_days(2026y / January / 1) + 4h;

struct Review
{
    int pair;
    double day; // days and fractions of a day after the first day's start
    Grade grade;
};

Instant at(double day)
{
    return FirstDay + milliseconds(llround(day * 86'400'000));
}

PlanDays daysUntil(int today, int forecastDays, double nowInToday = 0.33)
{
    PlanDays days;
    days.calendarDays = today + 1;
    days.now = at(today + nowInToday);
    for (int day = 0; day <= today + forecastDays; ++day)
        days.starts.push_back(at(day));
    return days;
}

Scheduler unfuzzed()
{
    SchedulerParameters parameters;
    parameters.fuzz = false;
    return Scheduler(parameters);
}

// The reviews are given grouped by pair and in time order, as the record streams them.
ReviewPlan planOf(const QList<Review>& reviews, PlanDays days)
{
    const Scheduler scheduler = unfuzzed();
    ReviewPlanBuilder builder(scheduler, std::move(days));
    for (qsizetype k = 0; k < reviews.size(); ++k) {
        if (k == 0 || reviews[k].pair != reviews[k - 1].pair)
            builder.beginPair(std::uint64_t(reviews[k].pair));
        builder.addReview(at(reviews[k].day), reviews[k].grade);
    }
    return builder.finish();
}

} // namespace

Q_DECLARE_METATYPE(QList<Review>)
Q_DECLARE_METATYPE(RetentionTally)

void ReviewPlanTest::runAndRetentionFollowWhatWasLeftDue_data()
{
    QTest::addColumn<QList<Review>>("reviews");
    QTest::addColumn<int>("today");
    QTest::addColumn<int>("run");
    QTest::addColumn<bool>("fillsCalendar");
    QTest::addColumn<RetentionTally>("lastMonth");
    QTest::addColumn<RetentionTally>("calendar");

    using enum Grade;
    QTest::addRow("nothing reviewed")
        << QList<Review>{} << 59 << 0 << false << RetentionTally{} << RetentionTally{};
    QTest::addRow("answered on its due day")
        << QList<Review>{{1, 50.3, Easy}, {1, 58.5, Good}} << 59 << 10 << false
        << RetentionTally{1, 1} << RetentionTally{1, 1};
    QTest::addRow("answered a day late, after the day's end")
        << QList<Review>{{1, 50.3, Easy}, {1, 59.1, Good}} << 59 << 1 << false
        << RetentionTally{1, 1} << RetentionTally{1, 1};
    QTest::addRow("answered early is no due review")
        << QList<Review>{{1, 50.3, Easy}, {1, 55.3, Good}} << 59 << 10 << false << RetentionTally{}
        << RetentionTally{};
    QTest::addRow("forgotten when due and left relearning")
        << QList<Review>{{1, 50.3, Easy}, {1, 58.5, Again}} << 59 << 0 << false
        << RetentionTally{1, 0} << RetentionTally{1, 0};
    QTest::addRow("due now: today still under way does not break the run")
        << QList<Review>{{1, 51.2, Easy}} << 59 << 8 << false << RetentionTally{}
        << RetentionTally{};
    QTest::addRow("a month ago counts for the year only")
        << QList<Review>{{1, 10.3, Easy}, {1, 18.4, Easy}, {2, 50.3, Easy}, {2, 58.4, Good}} << 59
        << 50 << false << RetentionTally{1, 1} << RetentionTally{2, 2};
    QTest::addRow("the run reaches back past the calendar")
        << QList<Review>{{1, -5.0, Easy}, {1, 3.5, Easy}} << 20 << 21 << true
        << RetentionTally{1, 1} << RetentionTally{1, 1};
    QTest::addRow("two pairs: one left overnight breaks the run there")
        << QList<Review>{{1, 40.3, Easy}, {1, 48.5, Easy}, {2, 50.3, Again}, {2, 53.2, Easy}} << 55
        << 3 << false << RetentionTally{1, 1} << RetentionTally{1, 1};
}

void ReviewPlanTest::runAndRetentionFollowWhatWasLeftDue()
{
    QFETCH(QList<Review>, reviews);
    QFETCH(int, today);

    const ReviewPlan plan = planOf(reviews, daysUntil(today, 30));

    QTEST(plan.clearedRun, "run");
    QTEST(plan.runFillsCalendar, "fillsCalendar");
    QTEST(plan.lastMonth, "lastMonth");
    QTEST(plan.calendar, "calendar");
    QCOMPARE(std::accumulate(plan.reviewsByDay.begin(), plan.reviewsByDay.end(), 0),
             std::count_if(reviews.begin(), reviews.end(),
                           [](const Review& review) { return review.day >= 0; }));
}

// Overdue pairs are today's; pairs due past the last coming day are left out.
void ReviewPlanTest::duePairsAreCountedOnTheirComingDays()
{
    using enum Grade;
    const ReviewPlan plan = planOf({{1, 10.3, Easy}, // due day 18, overdue
                                    {2, 54.5, Again},
                                    {3, 47.3, Easy}, // due day 55, later today
                                    {4, 50.3, Easy}, // due day 58
                                    {5, 55.2, Easy}},
                                   daysUntil(55, 5));

    QCOMPARE(plan.dueByDay, (std::vector<int>{3, 0, 0, 1, 0}));
    QCOMPARE(plan.reviewsByDay[54], 1);
    QCOMPARE(plan.reviewsByDay[55], 1);
    QCOMPARE(plan.desiredRetention, 0.9);
}

QTEST_APPLESS_MAIN(ReviewPlanTest)
#include "ReviewPlanTest.moc"

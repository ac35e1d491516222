#include "schedule/Scheduler.h"
#include "schedule/IntervalFuzz.h"

#include <QTest>

#include <cmath>
#include <set>

using namespace std::chrono;

class SchedulerTest : public QObject
{
    Q_OBJECT

private slots:
    void reviewsAtTheirDueTimeFollowTheModelsIntervals();
    void memoryAfterSpacedReviewsMatchesTheModel();
    void sameDayStepsComeInMinutes_data();
    void sameDayStepsComeInMinutes();
    void clockSetBackCountsAsNoTimeElapsed();
    void fuzzStaysInItsBandAndRepeatsForTheSameSeed_data();
    void fuzzStaysInItsBandAndRepeatsForTheSameSeed();
    void scheduledIntervalsAreFuzzedOnlyWhenAsked();
    void intervalNeverPassesTheMaximum();
};

namespace {

const Instant Start = sys_days(2022y / November / 29) + 12h + 30min;
constexpr std::uint64_t PairId = 42;

SchedulerParameters unfuzzed()
{
    SchedulerParameters parameters;
    parameters.fuzz = false;
    parameters.maximumIntervalDays = 36500;
    return parameters;
}

long wholeDays(Instant from, Instant to)
{
    return static_cast<long>(floor<days>(to - from).count());
}

} // namespace

void SchedulerTest::reviewsAtTheirDueTimeFollowTheModelsIntervals()
{
    const Scheduler scheduler(unfuzzed());
    const std::vector<Grade> grades{
        Grade::Good,  Grade::Good, Grade::Good, Grade::Good, Grade::Good, Grade::Good, Grade::Again,
        Grade::Again, Grade::Good, Grade::Good, Grade::Good, Grade::Good, Grade::Good};
    PairSchedule pair;
    Instant at = Start;
    std::vector<long> intervals;
    for (const Grade grade : grades) {
        pair = scheduler.review(pair, grade, at, PairId);
        intervals.push_back(wholeDays(at, pair.due));
        at = pair.due;
    }
    const std::vector<long> expected{0, 2, 11, 46, 163, 498, 0, 0, 2, 4, 7, 12, 21};
    QCOMPARE(intervals, expected);
}

void SchedulerTest::memoryAfterSpacedReviewsMatchesTheModel()
{
    const Scheduler scheduler(unfuzzed());
    const std::vector<std::pair<Grade, int>> reviews{{Grade::Again, 0}, {Grade::Good, 0},
                                                     {Grade::Good, 1},  {Grade::Good, 3},
                                                     {Grade::Good, 8},  {Grade::Good, 21}};
    PairSchedule pair;
    Instant at = Start;
    for (const auto& [grade, gapDays] : reviews) {
        at += days(gapDays);
        pair = scheduler.review(pair, grade, at, PairId);
    }
    QVERIFY2(std::abs(pair.stability - 53.6269) < 1e-4,
             qPrintable(QString::number(pair.stability)));
    QVERIFY2(std::abs(pair.difficulty - 6.35749) < 1e-5,
             qPrintable(QString::number(pair.difficulty)));
}

void SchedulerTest::sameDayStepsComeInMinutes_data()
{
    QTest::addColumn<QList<int>>("grades");
    QTest::addColumn<int>("state");
    QTest::addColumn<int>("minutesToDue");

    QTest::addRow("new_again_first_step") << QList<int>{1} << int(PairState::Learning) << 1;
    QTest::addRow("new_hard_between_steps") << QList<int>{2} << int(PairState::Learning) << 5;
    QTest::addRow("new_good_second_step") << QList<int>{3} << int(PairState::Learning) << 10;
    QTest::addRow("new_easy_graduates") << QList<int>{4} << int(PairState::Review) << 8 * 24 * 60;
    QTest::addRow("good_on_last_step_graduates")
        << QList<int>{3, 3} << int(PairState::Review) << 2 * 24 * 60;
    QTest::addRow("hard_on_last_step_repeats_it")
        << QList<int>{3, 2} << int(PairState::Learning) << 10;
    QTest::addRow("again_back_to_first_step") << QList<int>{3, 1} << int(PairState::Learning) << 1;
    QTest::addRow("lapse_relearns_in_ten_minutes")
        << QList<int>{4, 1} << int(PairState::Relearning) << 10;
    QTest::addRow("hard_on_only_relearning_step_waits_half_again")
        << QList<int>{4, 1, 2} << int(PairState::Relearning) << 15;
    QTest::addRow("good_ends_relearning")
        << QList<int>{4, 1, 3} << int(PairState::Review) << 3 * 24 * 60;
}

void SchedulerTest::sameDayStepsComeInMinutes()
{
    QFETCH(QList<int>, grades);
    QFETCH(int, state);
    QFETCH(int, minutesToDue);

    const Scheduler scheduler(unfuzzed());
    PairSchedule pair;
    for (const int grade : grades)
        pair = scheduler.review(pair, static_cast<Grade>(grade), Start, PairId);
    QCOMPARE(int(pair.state), state);
    QCOMPARE(duration_cast<minutes>(pair.due - Start).count(), minutesToDue);
}

void SchedulerTest::clockSetBackCountsAsNoTimeElapsed()
{
    const Scheduler scheduler(unfuzzed());
    PairSchedule learnt = scheduler.review({}, Grade::Easy, Start, PairId);
    const Instant earlier = Start - days(3);
    const PairSchedule backwards = scheduler.review(learnt, Grade::Good, earlier, PairId);
    const PairSchedule sameInstant = scheduler.review(learnt, Grade::Good, Start, PairId);

    QVERIFY(std::isfinite(backwards.stability) && std::isfinite(backwards.difficulty));
    QCOMPARE(backwards.stability, sameInstant.stability);
    QCOMPARE(backwards.difficulty, sameInstant.difficulty);
    QCOMPARE(backwards.lastReview, earlier);
    QVERIFY(backwards.due > earlier);
    QCOMPARE(scheduler.retrievability(learnt, earlier), 1.0);
}

void SchedulerTest::fuzzStaysInItsBandAndRepeatsForTheSameSeed_data()
{
    QTest::addColumn<int>("interval");
    QTest::addColumn<int>("maximum");
    QTest::addColumn<int>("shortest");
    QTest::addColumn<int>("longest");

    QTest::addRow("under_two_and_a_half_days_kept") << 2 << 36500 << 2 << 2;
    QTest::addRow("three_days_fifteen_percent") << 3 << 36500 << 2 << 4;
    QTest::addRow("ten_days_two_bands") << 10 << 36500 << 8 << 12;
    QTest::addRow("fifty_days_three_bands") << 50 << 36500 << 46 << 54;
    QTest::addRow("capped_by_maximum") << 300 << 305 << 283 << 305;
}

void SchedulerTest::fuzzStaysInItsBandAndRepeatsForTheSameSeed()
{
    QFETCH(int, interval);
    QFETCH(int, maximum);
    QFETCH(int, shortest);
    QFETCH(int, longest);

    std::set<int> drawn;
    for (std::uint64_t pair = 0; pair < 2000; ++pair) {
        const Instant at = Start + minutes(pair * 7);
        const int days = fuzzedIntervalDays(interval, maximum, pair, at);
        QVERIFY2(days >= shortest && days <= longest, qPrintable(QString::number(days)));
        QCOMPARE(fuzzedIntervalDays(interval, maximum, pair, at), days);
        drawn.insert(days);
    }
    // Every day of the band comes up, the ends included.
    QCOMPARE(int(drawn.size()), longest - shortest + 1);
}

void SchedulerTest::scheduledIntervalsAreFuzzedOnlyWhenAsked()
{
    SchedulerParameters fuzzed = unfuzzed();
    fuzzed.fuzz = true;
    const Scheduler plain(unfuzzed());
    const Scheduler spread(fuzzed);
    // Easy on a new pair: 8 days unspread, 6 to 10 spread.
    const long unspread = wholeDays(Start, plain.review({}, Grade::Easy, Start, PairId).due);
    QCOMPARE(unspread, 8L);
    std::set<long> seen;
    for (std::uint64_t pair = 0; pair < 100; ++pair) {
        const PairSchedule once = spread.review({}, Grade::Easy, Start, pair);
        QCOMPARE(spread.review({}, Grade::Easy, Start, pair).due, once.due);
        seen.insert(wholeDays(Start, once.due));
    }
    QCOMPARE(seen, (std::set<long>{6, 7, 8, 9, 10}));
}

void SchedulerTest::intervalNeverPassesTheMaximum()
{
    SchedulerParameters parameters = unfuzzed();
    parameters.maximumIntervalDays = 30;
    const Scheduler scheduler(parameters);
    PairSchedule pair;
    Instant at = Start;
    for (int i = 0; i < 8; ++i) {
        pair = scheduler.review(pair, Grade::Easy, at, PairId);
        QVERIFY(wholeDays(at, pair.due) <= 30);
        at = pair.due;
    }
    QCOMPARE(wholeDays(pair.lastReview, pair.due), 30L);
}

QTEST_APPLESS_MAIN(SchedulerTest)
#include "SchedulerTest.moc"

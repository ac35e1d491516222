#include "record/NotebookRule.h"

#include <QTest>

namespace {
const QDateTime Now = QDateTime(QDate(2026, 3, 1), QTime(12, 0), Qt::UTC);
const QDateTime Earlier = Now.addDays(-30);
} // namespace

class NotebookRuleTest : public QObject
{
    Q_OBJECT

private slots:
    void outcomeMovesThePair_data();
    void outcomeMovesThePair();
    void reviewWeight_data();
    void reviewWeight();
    void averageIsInSeconds();
};

void NotebookRuleTest::outcomeMovesThePair_data()
{
    QTest::addColumn<int>("streakBefore");
    QTest::addColumn<bool>("inNotebookBefore");
    QTest::addColumn<int>("ticks"); // -1: a time-out
    QTest::addColumn<int>("streakAfter");
    QTest::addColumn<bool>("inNotebookAfter");
    QTest::addColumn<bool>("missDated");

    QTest::addRow("time_out_enters") << 0 << false << -1 << 0 << true << true;
    QTest::addRow("time_out_breaks_a_streak") << 2 << true << -1 << 0 << true << true;
    QTest::addRow("fast_answer_of_a_known_pair") << 0 << false << 30 << 1 << false << false;
    QTest::addRow("five_seconds_is_still_fast") << 0 << false << 50 << 1 << false << false;
    QTest::addRow("slow_answer_enters") << 4 << false << 51 << 0 << true << true;
    QTest::addRow("answer_at_full_bar_is_slow") << 0 << false << 100 << 0 << true << true;
    QTest::addRow("second_fast_answer_stays") << 1 << true << 10 << 2 << true << false;
    QTest::addRow("third_fast_answer_in_a_row_leaves") << 2 << true << 10 << 3 << false << false;
}

void NotebookRuleTest::outcomeMovesThePair()
{
    QFETCH(int, streakBefore);
    QFETCH(bool, inNotebookBefore);
    QFETCH(int, ticks);
    QFETCH(int, streakAfter);
    QFETCH(bool, inNotebookAfter);
    QFETCH(bool, missDated);

    const PairProgress before{2, 3, 90, streakBefore, inNotebookBefore, Earlier, "old"};
    AnswerOutcome outcome{{"Q", "a"}, std::nullopt, "typed", Now, {}, {}};
    if (ticks >= 0)
        outcome.correctTicks = ticks;
    const PairProgress after = NotebookRule::after(before, outcome);

    QCOMPARE(after.fastStreak, streakAfter);
    QCOMPARE(after.inNotebook, inNotebookAfter);
    QCOMPARE(after.lastMiss, missDated ? Now : Earlier);
    QCOMPARE(after.misses, ticks < 0 ? 3 : 2);
    QCOMPARE(after.corrects, ticks < 0 ? 3 : 4);
    QCOMPARE(after.correctTicks, ticks < 0 ? 90 : 90 + ticks);
    QCOMPARE(after.lastTimeOutTyped, QByteArray(ticks < 0 ? "typed" : "old"));
}

void NotebookRuleTest::reviewWeight_data()
{
    QTest::addColumn<int>("misses");
    QTest::addColumn<QDateTime>("lastMiss");
    QTest::addColumn<int>("weight");

    QTest::addRow("slow_never_missed_long_ago") << 0 << Now.addDays(-30) << 1;
    QTest::addRow("missed_twice_an_hour_ago") << 2 << Now.addSecs(-3600) << 12;
    QTest::addRow("missed_twice_three_days_ago") << 2 << Now.addDays(-3) << 6;
    QTest::addRow("missed_twice_a_week_ago") << 2 << Now.addDays(-7) << 3;
    QTest::addRow("many_misses_are_capped") << 500 << Now.addDays(-1).addSecs(1) << 40;
    QTest::addRow("no_date") << 1 << QDateTime() << 2;
    QTest::addRow("date_after_now_from_another_clock") << 1 << Now.addDays(1) << 2;
}

void NotebookRuleTest::reviewWeight()
{
    QFETCH(int, misses);
    QFETCH(QDateTime, lastMiss);
    QFETCH(int, weight);

    PairProgress progress;
    progress.misses = misses;
    progress.lastMiss = lastMiss;
    QCOMPARE(NotebookRule::reviewWeight(progress, Now), weight);
}

void NotebookRuleTest::averageIsInSeconds()
{
    PairProgress progress;
    QCOMPARE(NotebookRule::averageCorrectSeconds(progress), std::nullopt);
    progress.corrects = 4;
    progress.correctTicks = 130;
    QCOMPARE(NotebookRule::averageCorrectSeconds(progress), 3.25);
}

QTEST_APPLESS_MAIN(NotebookRuleTest)
#include "NotebookRuleTest.moc"

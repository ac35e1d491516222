#include "session/TodaysReview.h"
#include "UpperCaseBank.h"

#include "record/ScheduleTime.h"

#include <QTest>

namespace {

const QDateTime Now(QDate(2026, 12, 10), QTime(9, 0), QTimeZone::utc());

// Due a day ago, after a review `daysBefore` that: the lower the stability, the lower the chance
// of recall now.
ScheduledPair dueOne(const QByteArray& answer, double stability)
{
    const Instant dayAgo = ScheduleTime::instantOf(Now.addDays(-1));
    return {{answer.toUpper(), answer},
            {PairState::Review, 0, stability, 5, dayAgo, dayAgo - std::chrono::days(3)}};
}

QByteArrayList answersOf(const PackedPairs& pairs)
{
    QByteArrayList answers;
    for (qsizetype k = 0; k < pairs.size(); ++k)
        answers << pairs.at(k).answer.toByteArray();
    return answers;
}

} // namespace

class TodaysReviewTest : public QObject
{
    Q_OBJECT

private slots:
    void planTakesTheLeastRecalledThenNewPairs_data()
    {
        QTest::addColumn<QByteArrayList>("met");
        QTest::addColumn<qsizetype>("newAllowed");
        QTest::addColumn<qsizetype>("questions");
        QTest::addColumn<QByteArrayList>("planned");

        QTest::addRow("due_then_new_in_file_order")
            << QByteArrayList{} << qsizetype(10) << qsizetype(10)
            << QByteArrayList{"weak", "firm", "a", "b", "c"};
        QTest::addRow("game_caps_the_due")
            << QByteArrayList{} << qsizetype(10) << qsizetype(1) << QByteArrayList{"weak"};
        QTest::addRow("game_caps_the_new") << QByteArrayList{} << qsizetype(10) << qsizetype(3)
                                           << QByteArrayList{"weak", "firm", "a"};
        QTest::addRow("day_allowance_caps_the_new")
            << QByteArrayList{} << qsizetype(2) << qsizetype(10)
            << QByteArrayList{"weak", "firm", "a", "b"};
        QTest::addRow("allowance_used_up")
            << QByteArrayList{} << qsizetype(0) << qsizetype(10) << QByteArrayList{"weak", "firm"};
        QTest::addRow("met_pairs_are_not_new")
            << QByteArrayList{"a", "c"} << qsizetype(10) << qsizetype(10)
            << QByteArrayList{"weak", "firm", "b"};
    }

    void planTakesTheLeastRecalledThenNewPairs()
    {
        QFETCH(QByteArrayList, met);
        QFETCH(qsizetype, newAllowed);
        QFETCH(qsizetype, questions);
        QFETCH(QByteArrayList, planned);

        const QList<ScheduledPair> due{dueOne("firm", 40), dueOne("weak", 2)};
        QList<QuestionItem> scheduled{due[0].pair, due[1].pair};
        for (const QByteArray& answer : met)
            scheduled.append({answer.toUpper(), answer});
        // "a" twice in the file, and a due pair of the file too: each is asked once.
        const QuestionBank bank = upperCaseBank({{"a", "firm", "a", "b", "c"}, {"d"}, {}});

        const TodaysReview::Plan plan =
            TodaysReview::plan({due, scheduled, bank, 0}, newAllowed, questions, Scheduler(), Now);
        QCOMPARE(answersOf(plan.pairs), planned);
        QCOMPARE(plan.due + plan.fresh, planned.size());
    }
};

QTEST_GUILESS_MAIN(TodaysReviewTest)
#include "TodaysReviewTest.moc"

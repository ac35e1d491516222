#include "results/MostMissed.h"

#include <QTest>

namespace {

QuestionItem pair(int n)
{
    return {"Q" + QByteArray::number(n), "a" + QByteArray::number(n)};
}

// Time-outs of the numbered pairs, in the order given.
QList<GameTimeOut> timeOutsOf(const QList<int>& pairs)
{
    QList<GameTimeOut> timeOuts;
    for (int n : pairs)
        timeOuts << GameTimeOut{1, pair(n), "typed"};
    return timeOuts;
}

QList<int> rankedPairs(const QList<MissedPair>& ranking)
{
    QList<int> numbers;
    for (const MissedPair& each : ranking)
        numbers << each.pair.question.mid(1).toInt();
    return numbers;
}

} // namespace

class MostMissedTest : public QObject
{
    Q_OBJECT

private slots:
    void ranking_data()
    {
        QTest::addColumn<QList<int>>("timeOuts");
        QTest::addColumn<QList<int>>("ranked");

        QTest::addRow("none") << QList<int>{} << QList<int>{};
        QTest::addRow("most_time_outs_first")
            << QList<int>{1, 2, 2, 3, 3, 3} << QList<int>{3, 2, 1};
        QTest::addRow("tie_goes_to_the_latest_miss")
            << QList<int>{4, 5, 6, 5, 4} << QList<int>{4, 5, 6};
        QTest::addRow("only_ten") << QList<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 1}
                                  << QList<int>{1, 12, 11, 10, 9, 8, 7, 6, 5, 4};
    }

    void ranking()
    {
        QFETCH(QList<int>, timeOuts);
        QFETCH(QList<int>, ranked);
        QCOMPARE(rankedPairs(MostMissed::ranking(timeOutsOf(timeOuts))), ranked);
    }

    void pairIsKnownByBothTexts()
    {
        const QList<GameTimeOut> timeOuts{
            {1, {"Q", "a"}, ""}, {2, {"Q", "b"}, ""}, {2, {"Q", "a"}, ""}};
        QCOMPARE(MostMissed::ranking(timeOuts),
                 (QList<MissedPair>{{{"Q", "a"}, 2}, {{"Q", "b"}, 1}}));
    }
};

QTEST_GUILESS_MAIN(MostMissedTest)
#include "MostMissedTest.moc"

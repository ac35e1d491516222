#include "results/HistorySummary.h"

#include <QTest>

namespace {

FinishedGame game(qint32 corrects, qint32 questions = 10, qint32 correctTicks = 0)
{
    FinishedGame finished;
    finished.result.inputs = {20, questions, corrects, correctTicks, 0};
    return finished;
}

// Games of ten questions each, with these numbers of correct answers.
QList<FinishedGame> gamesOf(const QList<int>& corrects)
{
    QList<FinishedGame> games;
    for (int each : corrects)
        games << game(each);
    return games;
}

QList<int> repeated(int corrects, int times)
{
    return QList<int>(times, corrects);
}

QList<double> values(const QList<QPointF>& points, bool x = false)
{
    QList<double> result;
    for (const QPointF& point : points)
        result << (x ? point.x() : point.y());
    return result;
}

} // namespace

class HistorySummaryTest : public QObject
{
    Q_OBJECT

private slots:
    void summaryLine_data()
    {
        QTest::addColumn<QList<int>>("corrects");
        QTest::addColumn<QString>("line");
        QTest::addColumn<int>("averages");

        QTest::addRow("no_games") << QList<int>{} << "まだ成績がありません" << 0;
        QTest::addRow("five_games_mean_of_all")
            << QList<int>{6, 7, 8, 9, 7} << "これまで5回の正解率 74％" << 0;
        QTest::addRow("ten_games_no_earlier_ten")
            << (repeated(8, 8) << 9 << 9) << "直近10回の正解率 82％" << 1;
        QTest::addRow("fifteen_games_still_no_earlier_ten")
            << (repeated(5, 5) << repeated(8, 8) << 9 << 9) << "直近10回の正解率 82％" << 6;
        QTest::addRow("twenty_games_better")
            << (repeated(7, 4) << repeated(8, 6) << repeated(8, 8) << 9 << 9)
            << "直近10回の正解率 82％（前の10回より+6）" << 11;
        QTest::addRow("twenty_five_games_compare_the_last_two_tens")
            << (repeated(0, 5) << repeated(9, 10) << repeated(6, 10))
            << "直近10回の正解率 60％（前の10回より-30）" << 16;
        QTest::addRow("equal_means")
            << repeated(5, 20) << "直近10回の正解率 50％（前の10回より±0）" << 11;
    }

    void summaryLine()
    {
        QFETCH(QList<int>, corrects);
        QFETCH(QString, line);
        QFETCH(int, averages);

        const QList<FinishedGame> games = gamesOf(corrects);
        QCOMPARE(HistorySummary::line(games), line);
        QCOMPARE(HistorySummary::series(games).movingAverage.size(), averages);
    }

    void halfPercentMeanRoundsUp()
    {
        QList<FinishedGame> games(9, game(10, 20));
        games << game(11, 20);
        QCOMPARE(HistorySummary::line(games), QStringLiteral("直近10回の正解率 51％"));
    }

    void movingAverageStartsAtTheTenthGame()
    {
        const HistorySeries series =
            HistorySummary::series(gamesOf({0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 10}));
        QCOMPARE(values(series.movingAverage, true), (QList<double>{10, 11, 12}));
        QCOMPARE(values(series.movingAverage), (QList<double>{45, 55, 64}));
    }

    // Only stored settings outside the dialog's ranges give a game without a rate (N of 0) or
    // without an average (no correct answer); such a game leaves a gap in its curve, is not
    // counted by the summary and does not shorten the span of ten.
    void gameWithoutAFigureIsSkipped()
    {
        QList<FinishedGame> games = gamesOf(repeated(8, 9));
        games.insert(3, game(0, 0));
        games << game(0);
        const HistorySeries series = HistorySummary::series(games);
        QCOMPARE(series.games, 11);
        QCOMPARE(values(series.correctRates, true),
                 (QList<double>{1, 2, 3, 5, 6, 7, 8, 9, 10, 11}));
        QCOMPARE(series.averageCorrectSeconds.size(), 9);
        QCOMPARE(HistorySummary::line(games), QStringLiteral("直近10回の正解率 72％"));
    }

    void averageCorrectTimeIsInSecondsPerCorrectAnswer()
    {
        QCOMPARE(HistorySummary::averageCorrectSeconds(game(7, 10, 215)).value_or(-1), 215.0 / 70);
        QCOMPARE(HistorySummary::averageCorrectSeconds(game(0, 10, 0)), std::nullopt);
        QCOMPARE(HistorySummary::correctRate(game(1, 8)), 12.0);
    }
};

QTEST_GUILESS_MAIN(HistorySummaryTest)
#include "HistorySummaryTest.moc"

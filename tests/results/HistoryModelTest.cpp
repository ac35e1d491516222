#include "results/HistoryModel.h"

#include <QAbstractItemModelTester>
#include <QSortFilterProxyModel>
#include <QTest>

#include <ctime>

namespace {

FinishedGame game(const QString& finishedUtc, ReportInputs inputs, bool review = false)
{
    FinishedGame finished;
    finished.review = review;
    finished.result = {inputs, ReportFigures::texts(inputs),
                       QDateTime::fromString(finishedUtc, Qt::ISODate)};
    return finished;
}

QStringList columnTexts(const QAbstractItemModel& model, int column)
{
    QStringList texts;
    for (int row = 0; row < model.rowCount(); ++row)
        texts << model.index(row, column).data().toString();
    return texts;
}

} // namespace

class HistoryModelTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        qputenv("TZ", "Asia/Tokyo");
        tzset();
    }

    void rowShowsTheGameAsItsReportDid()
    {
        HistoryModel model;
        QAbstractItemModelTester tester(&model);
        model.setGames({game("2026-03-01T12:00:00Z", {20, 10, 7, 215, 515}, true)});
        QStringList cells;
        QStringList spoken;
        for (int k = 0; k < HistoryModel::ColumnCount; ++k) {
            cells << model.index(0, k).data().toString();
            spoken << model.index(0, k).data(Qt::AccessibleTextRole).toString();
        }
        QCOMPARE(cells, (QStringList{"2026/03/01 21:00", "復習", "10", "7", "70／％", "200／秒",
                                     "1.075／秒", "2.575／秒"}));
        QCOMPARE(spoken, cells);
    }

    // The texts are the stored ones: a report computed otherwise stays as it was shown.
    void figuresAreTheStoredTexts()
    {
        FinishedGame stored = game("2026-03-01T12:00:00Z", {20, 10, 7, 215, 515});
        stored.result.texts.averageCorrectTime = QStringLiteral("1.07／秒");
        HistoryModel model;
        model.setGames({stored});
        QCOMPARE(model.index(0, HistoryModel::AverageCorrectColumn).data().toString(),
                 QStringLiteral("1.07／秒"));
    }

    void figuresSortAsNumbers_data()
    {
        QTest::addColumn<int>("column");
        QTest::addColumn<QStringList>("ascending");

        QTest::addRow("finished") << int(HistoryModel::FinishedColumn)
                                  << QStringList{"2026/02/28 09:00", "2026/03/01 21:00",
                                                 "2026/03/10 09:00"};
        QTest::addRow("questions")
            << int(HistoryModel::QuestionsColumn) << QStringList{"8", "10", "10"};
        QTest::addRow("correct_rate")
            << int(HistoryModel::CorrectRateColumn) << QStringList{"12／％", "40／％", "100／％"};
        QTest::addRow("average_correct") << int(HistoryModel::AverageCorrectColumn)
                                         << QStringList{"0.3125／秒", "0.6／秒", "5／秒"};
    }

    void figuresSortAsNumbers()
    {
        QFETCH(int, column);
        QFETCH(QStringList, ascending);

        HistoryModel model;
        model.setGames({game("2026-03-01T12:00:00Z", {20, 10, 10, 1000, 1000}),
                        game("2026-03-10T00:00:00Z", {20, 8, 1, 50, 750}),
                        game("2026-02-28T00:00:00Z", {20, 10, 4, 120, 320})});
        QSortFilterProxyModel sorted;
        sorted.setSourceModel(&model);
        sorted.setSortRole(HistoryModel::SortRole);
        sorted.sort(column);
        QCOMPARE(columnTexts(sorted, column), ascending);
    }
};

QTEST_GUILESS_MAIN(HistoryModelTest)
#include "HistoryModelTest.moc"

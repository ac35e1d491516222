#include "record/NotebookModel.h"

#include <QAbstractItemModelTester>
#include <QTest>

namespace {

NotebookEntry entry(const QByteArray& question, int misses, int corrects, const QByteArray& typed)
{
    PairProgress progress;
    progress.misses = misses;
    progress.corrects = corrects;
    progress.correctTicks = 30 * corrects;
    progress.inNotebook = true;
    progress.lastTimeOutTyped = typed;
    return {{question, question.toLower()}, progress, std::nullopt};
}

QStringList questions(const NotebookModel& model)
{
    QStringList texts;
    for (int row = 0; row < model.rowCount(); ++row)
        texts << model.index(row, NotebookModel::QuestionColumn).data().toString();
    return texts;
}

} // namespace

class NotebookModelTest : public QObject
{
    Q_OBJECT

private slots:
    void removedRowStaysOutAndTiesKeepTheirOrder_data()
    {
        QTest::addColumn<int>("column");
        QTest::addColumn<int>("order");
        QTest::addColumn<QStringList>("shown");

        QTest::addRow("misses_ascending")
            << int(NotebookModel::MissesColumn) << int(Qt::AscendingOrder)
            << QStringList{"YAMA", "UMI", "KAWA"};
        QTest::addRow("misses_descending")
            << int(NotebookModel::MissesColumn) << int(Qt::DescendingOrder)
            << QStringList{"KAWA", "YAMA", "UMI"};
        QTest::addRow("answer_descending")
            << int(NotebookModel::AnswerColumn) << int(Qt::DescendingOrder)
            << QStringList{"YAMA", "UMI", "KAWA"};
        QTest::addRow("corrects_ascending")
            << int(NotebookModel::CorrectsColumn) << int(Qt::AscendingOrder)
            << QStringList{"KAWA", "YAMA", "UMI"};
        // Equal averages (3.0 seconds) keep the order by misses; never correct is the slowest.
        QTest::addRow("average_ascending")
            << int(NotebookModel::AverageColumn) << int(Qt::AscendingOrder)
            << QStringList{"YAMA", "UMI", "KAWA"};
        QTest::addRow("typed_ascending")
            << int(NotebookModel::TypedColumn) << int(Qt::AscendingOrder)
            << QStringList{"KAWA", "UMI", "YAMA"};
    }

    void removedRowStaysOutAndTiesKeepTheirOrder()
    {
        QFETCH(int, column);
        QFETCH(int, order);
        QFETCH(QStringList, shown);
        NotebookModel model;
        QAbstractItemModelTester tester(&model);
        model.setEntries({entry("YAMA", 2, 1, "ya"), entry("KAWA", 10, 0, ""),
                          entry("UMI", 2, 3, "u"), entry("SORA", 9, 2, "so")});
        QCOMPARE(questions(model), (QStringList{"KAWA", "SORA", "YAMA", "UMI"}));
        QVERIFY(model.removeEntry(1));
        model.sort(column, Qt::SortOrder(order));
        QCOMPARE(questions(model), shown);
        for (int row = 0; row < model.rowCount(); ++row)
            QCOMPARE(model.entry(row).pair.question, shown[row].toLatin1());
    }
};

QTEST_APPLESS_MAIN(NotebookModelTest)
#include "NotebookModelTest.moc"

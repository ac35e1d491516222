#include "record/NotebookModel.h"

#include "questions/QuestionBank.h"
#include "readings/ReadingsTable.h"

#include <QAbstractItemModelTester>
#include <QSignalSpy>
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

    // Only a pair with a reading offers the choice; the choice made here is told once, follows
    // its row through a sort and sorts it, and the last answer's form is named.
    void readingChoiceNeedsAReadingAndFollowsItsRow()
    {
        NotebookEntry yama = entry("YAMA", 2, 1, "ya");
        yama.progress.lastAnsweredBy = AnswerForm::Reading;
        QuestionBank bank;
        bank.Add(0, "YAMA", "yama");
        bank.Add(0, "KAWA", "kawa");
        ReadingsTable table(bank);
        table.setReading(0, 0, {QStringLiteral("やま"), {}, false});
        AcceptedAnswers readings;
        readings.setReadings(bank, table);

        NotebookModel model;
        QAbstractItemModelTester tester(&model);
        model.setReadings(readings);
        model.setEntries({entry("KAWA", 10, 0, ""), yama});
        const QModelIndex kawaChoice = model.index(0, NotebookModel::ByReadingColumn);
        const QModelIndex yamaChoice = model.index(1, NotebookModel::ByReadingColumn);
        QVERIFY(!(model.flags(kawaChoice) & Qt::ItemIsUserCheckable));
        QVERIFY(!model.setData(kawaChoice, Qt::Checked, Qt::CheckStateRole));
        QCOMPARE(kawaChoice.data(Qt::AccessibleTextRole).toString(), QStringLiteral("よみなし"));
        QCOMPARE(model.index(1, NotebookModel::AnsweredByColumn).data().toString(),
                 QStringLiteral("よみ"));
        QCOMPARE(model.index(0, NotebookModel::AnsweredByColumn).data().toString(),
                 QStringLiteral("-"));

        QSignalSpy chosen(&model, &NotebookModel::answerByReadingChosen);
        QVERIFY(model.setData(yamaChoice, Qt::Checked, Qt::CheckStateRole));
        QCOMPARE(chosen.size(), 1);
        QCOMPARE(chosen[0][0].value<QuestionItem>(), (QuestionItem{"YAMA", "yama"}));
        QCOMPARE(chosen[0][1].toBool(), true);
        model.sort(NotebookModel::ByReadingColumn, Qt::DescendingOrder);
        QCOMPARE(questions(model), (QStringList{"YAMA", "KAWA"}));
        QVERIFY(model.answerByReading(0));
        QCOMPARE(model.index(0, NotebookModel::ByReadingColumn).data(Qt::CheckStateRole),
                 QVariant(Qt::Checked));
        QCOMPARE(model.index(0, NotebookModel::ByReadingColumn).data(Qt::AccessibleTextRole),
                 QVariant(QStringLiteral("読みで答える")));
    }
};

QTEST_APPLESS_MAIN(NotebookModelTest)
#include "NotebookModelTest.moc"

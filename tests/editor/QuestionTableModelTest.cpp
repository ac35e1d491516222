#include "editor/QuestionTableModel.h"
#include "UpperCaseBank.h"
#include "questions/TextCodec.h"

#include <QAbstractItemModelTester>
#include <QSignalSpy>
#include <QTest>

class QuestionTableModelTest : public QObject
{
    Q_OBJECT

private slots:
    void rowsFollowTheLevelAndTheBank();
    void editsKeepRowsAndItemsInStep_data();
    void editsKeepRowsAndItemsInStep();
    void readingByHandIsConfirmedNewTextsAskForACheck_data();
    void readingByHandIsConfirmedNewTextsAskForACheck();
};

Q_DECLARE_METATYPE(PairReading)

namespace {

using Tester = QAbstractItemModelTester;

// The shown rows as "question/answer", to compare with the items of the shown level.
QStringList rowsOf(const QuestionTableModel& model)
{
    QStringList rows;
    for (int row = 0; row < model.rowCount(); ++row)
        rows << model.index(row, 0).data().toString() + '/' + model.index(row, 1).data().toString();
    return rows;
}

QStringList itemsOf(const QuestionBank& bank, int level)
{
    QStringList items;
    for (int position = 0; position < bank.Count(level); ++position) {
        const QuestionView item = bank.view(level, position);
        items << TextCodec::decode(item.question) + '/' + TextCodec::decode(item.answer);
    }
    return items;
}

QuestionBank threePairs()
{
    QuestionBank bank = upperCaseBank({{}, {"yama", "kawa", "sora"}});
    bank.Add(0, TextCodec::encode(QStringLiteral("山")).value(), {});
    return bank;
}

} // namespace

void QuestionTableModelTest::rowsFollowTheLevelAndTheBank()
{
    QuestionBank bank;
    ReadingsTable readings;
    QuestionTableModel model(bank, readings);
    Tester tester(&model, Tester::FailureReportingMode::QtTest);
    QSignalSpy reset(&model, &QAbstractItemModel::modelReset);

    model.replaceBank(threePairs(), ReadingsTable(threePairs()));
    QCOMPARE(rowsOf(model), QStringList{QStringLiteral("山/")});
    // Both cells read the whole pair, wherever in the row the focus stands.
    for (int column : {0, 1})
        QCOMPARE(model.index(0, column).data(Qt::AccessibleTextRole).toString(),
                 QStringLiteral("問題 山、回答 空欄"));
    QVERIFY(!(model.flags(model.index(0, 1)) & Qt::ItemIsEditable));
    model.setLevel(1);
    QCOMPARE(rowsOf(model), itemsOf(bank, 1));
    model.setLevel(2);
    QCOMPARE(model.rowCount(), 0);
    QCOMPARE(reset.size(), 3);
}

void QuestionTableModelTest::editsKeepRowsAndItemsInStep_data()
{
    QTest::addColumn<QString>("edit");
    QTest::addColumn<int>("row");
    QTest::addColumn<QStringList>("rows"); // empty: refused, nothing changed
    QTest::addRow("replace_middle")
        << "replace" << 1 << QStringList{"YAMA/yama", "Q/a", "SORA/sora"};
    QTest::addRow("replace_past_end") << "replace" << 3 << QStringList();
    QTest::addRow("delete_first") << "delete" << 0 << QStringList{"KAWA/kawa", "SORA/sora"};
    QTest::addRow("delete_last") << "delete" << 2 << QStringList{"YAMA/yama", "KAWA/kawa"};
    QTest::addRow("delete_negative") << "delete" << -1 << QStringList();
    QTest::addRow("append") << "append" << 0
                            << QStringList{"YAMA/yama", "KAWA/kawa", "SORA/sora", "Q/a"};
}

void QuestionTableModelTest::editsKeepRowsAndItemsInStep()
{
    QFETCH(QString, edit);
    QFETCH(int, row);
    QFETCH(QStringList, rows);
    QuestionBank bank = threePairs();
    ReadingsTable readings(bank);
    QuestionTableModel model(bank, readings);
    model.setLevel(1);
    const QStringList before = rowsOf(model);
    Tester tester(&model, Tester::FailureReportingMode::QtTest);
    QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);
    QSignalSpy removed(&model, &QAbstractItemModel::rowsRemoved);
    QSignalSpy inserted(&model, &QAbstractItemModel::rowsInserted);

    bool done = true;
    if (edit == "replace")
        done = model.replacePair(row, {"Q", "a"});
    else if (edit == "delete")
        done = model.deletePair(row);
    else
        model.appendPair({"Q", "a"});

    QCOMPARE(done, !rows.isEmpty());
    QCOMPARE(rowsOf(model), done ? rows : before);
    QCOMPARE(itemsOf(bank, 1), rowsOf(model));
    QCOMPARE(readings.count(1), bank.Count(1));
    QCOMPARE(bank.Count(0), 1);
    // A view hears of each change by the one signal that fits it.
    const QSignalSpy& expected = edit == "replace"  ? changed
                                 : edit == "delete" ? removed
                                                    : inserted;
    QCOMPARE(changed.size() + removed.size() + inserted.size(), expected.size());
    QCOMPARE(expected.size(), done ? 1 : 0);
}

void QuestionTableModelTest::readingByHandIsConfirmedNewTextsAskForACheck_data()
{
    QTest::addColumn<bool>("waiting"); // the reading read from the file waits for a check
    QTest::addColumn<QString>("edit");
    QTest::addColumn<PairReading>("after");
    QTest::addColumn<QString>("spoken");
    const PairReading yama{"やま", {}, false};
    const PairReading yamaWaiting{"やま", {}, true};
    const QString spokenYama = QStringLiteral("問題 YAMA、回答 yama、よみ やま");
    QTest::addRow("new_reading_typed")
        << true << "set_reading" << PairReading{"さん", {"サン"}, false}
        << QStringLiteral("問題 YAMA、回答 yama、よみ さん、別解 サン");
    QTest::addRow("same_texts_same_reading")
        << true << "set_same" << yamaWaiting << spokenYama + QStringLiteral("、要確認");
    QTest::addRow("new_texts_same_reading")
        << false << "set_texts" << yamaWaiting
        << QStringLiteral("問題 Q、回答 yama、よみ やま、要確認");
    QTest::addRow("reading_cleared")
        << false << "set_cleared" << PairReading{} << QStringLiteral("問題 YAMA、回答 yama");
    QTest::addRow("mark_unchecked") << true << "uncheck" << yama << spokenYama;
    QTest::addRow("mark_cannot_be_set") << false << "check" << yama << spokenYama;
}

void QuestionTableModelTest::readingByHandIsConfirmedNewTextsAskForACheck()
{
    QFETCH(bool, waiting);
    QFETCH(QString, edit);
    QFETCH(PairReading, after);
    QuestionBank bank = threePairs();
    ReadingsTable readings(bank);
    readings.attach(1, 0, {"やま", {}, waiting}, 1);
    QuestionTableModel model(bank, readings);
    Tester tester(&model, Tester::FailureReportingMode::QtTest);
    model.setLevel(1);
    const QModelIndex mark = model.index(0, QuestionTableModel::CheckColumn);

    if (edit == "set_reading")
        model.replacePair(0, {"YAMA", "yama"}, {"さん", {"サン"}, true});
    else if (edit == "set_same")
        model.replacePair(0, {"YAMA", "yama"}, {"やま", {}, false});
    else if (edit == "set_texts")
        model.replacePair(0, {"Q", "yama"}, {"やま", {}, false});
    else if (edit == "set_cleared")
        model.replacePair(0, {"YAMA", "yama"}, {});
    else
        QCOMPARE(model.setData(mark, edit == "uncheck" ? Qt::Unchecked : Qt::Checked,
                               Qt::CheckStateRole),
                 edit == "uncheck");

    QCOMPARE(readings.reading(1, 0), after);
    QCOMPARE(model.index(0, QuestionTableModel::ReadingColumn).data().toString(), after.reading);
    QCOMPARE(mark.data(Qt::CheckStateRole).isValid(), !after.isEmpty());
    QCOMPARE(bool(model.flags(mark) & Qt::ItemIsUserCheckable), after.needsCheck);
    QTEST(model.index(0, 0).data(Qt::AccessibleTextRole).toString(), "spoken");
}

QTEST_GUILESS_MAIN(QuestionTableModelTest)
#include "QuestionTableModelTest.moc"

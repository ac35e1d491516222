#include "editor/QuestionTableModel.h"
#include "questions/TextCodec.h"

#include <QAbstractItemModelTester>
#include <QSignalSpy>
#include <QTest>

class QuestionTableModelTest : public QObject
{
    Q_OBJECT

private slots:
    void rowsShowTheBankDecoded();
    void rowsAreReadAsQuestionAndAnswer_data();
    void rowsAreReadAsQuestionAndAnswer();
    void editsKeepRowsAndItemsInStep_data();
    void editsKeepRowsAndItemsInStep();
    void levelAndBankChangesResetTheRows();
};

namespace {

QByteArray sjis(const QString& text)
{
    return TextCodec::encode(text).value();
}

// The shown rows as "question/answer", and the same for the items of the shown level: the two
// must always agree.
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
    for (const QuestionItem& item : bank.items(level))
        items << TextCodec::decode(item.question) + '/' + TextCodec::decode(item.answer);
    return items;
}

QuestionBank threePairs()
{
    QuestionBank bank;
    for (const char* answer : {"yama", "kawa", "sora"})
        bank.Add(1, QByteArray(answer).toUpper(), answer);
    bank.Add(0, sjis(QStringLiteral("山")), sjis(QStringLiteral("やま")));
    return bank;
}

} // namespace

void QuestionTableModelTest::rowsShowTheBankDecoded()
{
    QuestionBank bank = threePairs();
    QuestionTableModel model(bank);
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);

    QCOMPARE(rowsOf(model), QStringList{QStringLiteral("山/やま")});
    QCOMPARE(model.headerData(0, Qt::Horizontal).toString() +
                 model.headerData(1, Qt::Horizontal).toString(),
             QStringLiteral("問題回答"));
    QVERIFY(!(model.flags(model.index(0, 1)) & Qt::ItemIsEditable));
}

void QuestionTableModelTest::rowsAreReadAsQuestionAndAnswer_data()
{
    QTest::addColumn<QString>("question");
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QString>("spoken");
    QTest::addRow("both_texts") << "山"
                                << "やま"
                                << "問題 山、回答 やま";
    QTest::addRow("empty_answer") << "山"
                                  << ""
                                  << "問題 山、回答 空欄";
    QTest::addRow("empty_question") << ""
                                    << "kawa"
                                    << "問題 空欄、回答 kawa";
}

void QuestionTableModelTest::rowsAreReadAsQuestionAndAnswer()
{
    QFETCH(QString, question);
    QFETCH(QString, answer);
    QuestionBank bank;
    bank.Add(0, sjis(question), sjis(answer));
    QuestionTableModel model(bank);

    for (int column = 0; column < 2; ++column)
        QTEST(model.index(0, column).data(Qt::AccessibleTextRole).toString(), "spoken");
}

void QuestionTableModelTest::editsKeepRowsAndItemsInStep_data()
{
    QTest::addColumn<QString>("edit");
    QTest::addColumn<int>("row");
    QTest::addColumn<bool>("done");
    QTest::addColumn<QStringList>("rows");
    QTest::addRow("replace_middle")
        << "replace" << 1 << true << QStringList{"YAMA/yama", "Q/a", "SORA/sora"};
    QTest::addRow("replace_past_end")
        << "replace" << 3 << false << QStringList{"YAMA/yama", "KAWA/kawa", "SORA/sora"};
    QTest::addRow("delete_first") << "delete" << 0 << true << QStringList{"KAWA/kawa", "SORA/sora"};
    QTest::addRow("delete_last") << "delete" << 2 << true << QStringList{"YAMA/yama", "KAWA/kawa"};
    QTest::addRow("delete_negative")
        << "delete" << -1 << false << QStringList{"YAMA/yama", "KAWA/kawa", "SORA/sora"};
    QTest::addRow("append") << "append" << 0 << true
                            << QStringList{"YAMA/yama", "KAWA/kawa", "SORA/sora", "Q/a"};
}

void QuestionTableModelTest::editsKeepRowsAndItemsInStep()
{
    QFETCH(QString, edit);
    QFETCH(int, row);
    QFETCH(bool, done);
    QuestionBank bank = threePairs();
    QuestionTableModel model(bank);
    model.setLevel(1);
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);
    QSignalSpy removed(&model, &QAbstractItemModel::rowsRemoved);
    QSignalSpy inserted(&model, &QAbstractItemModel::rowsInserted);

    bool result = true;
    if (edit == "replace")
        result = model.replacePair(row, {"Q", "a"});
    else if (edit == "delete")
        result = model.deletePair(row);
    else
        model.appendPair({"Q", "a"});

    QCOMPARE(result, done);
    QTEST(rowsOf(model), "rows");
    QCOMPARE(itemsOf(bank, 1), rowsOf(model));
    QCOMPARE(itemsOf(bank, 0), QStringList{QStringLiteral("山/やま")});
    QSignalSpy& expected = edit == "replace" ? changed : edit == "delete" ? removed : inserted;
    QCOMPARE(changed.size() + removed.size() + inserted.size(), done ? 1 : 0);
    QCOMPARE(expected.size(), done ? 1 : 0);
}

void QuestionTableModelTest::levelAndBankChangesResetTheRows()
{
    QuestionBank bank;
    QuestionTableModel model(bank);
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    QSignalSpy reset(&model, &QAbstractItemModel::modelReset);

    model.replaceBank(threePairs());
    QCOMPARE(rowsOf(model), QStringList{QStringLiteral("山/やま")});
    model.setLevel(1);
    QCOMPARE(rowsOf(model), itemsOf(bank, 1));
    model.setLevel(2);
    QCOMPARE(model.rowCount(), 0);
    QCOMPARE(reset.size(), 3);
}

QTEST_GUILESS_MAIN(QuestionTableModelTest)
#include "QuestionTableModelTest.moc"

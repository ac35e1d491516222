#include "questions/QuestionBank.h"
#include "BankPrinting.h"
#include "questions/QuestionFile.h"

#include <QTest>

class QuestionBankTest : public QObject
{
    Q_OBJECT

private slots:
    void newBankHasThreeEmptyLists();
    void addChangesOnlyItsLevel_data();
    void addChangesOnlyItsLevel();
    void keepsOrderOfAddition();
    void deleteMovesLaterItemsUp();
    void keepsItemWithBothTextsEmpty();
    void setItemReplacesBothTexts();
    void editKeepsTheOtherPairs_data();
    void editKeepsTheOtherPairs();
    void refusesPositionOutsideList_data();
    void refusesPositionOutsideList();
    void clearedListHasNoPositionZero();
    void banksFromOneFileHoldSeparateItems();
};

namespace {

QuestionBank threeBeginnerItems()
{
    QuestionBank bank;
    bank.Add(0, "q1", "a1");
    bank.Add(0, "q2", "a2");
    bank.Add(0, "q3", "a3");
    return bank;
}

QList<int> counts(const QuestionBank& bank)
{
    return {bank.Count(0), bank.Count(1), bank.Count(2)};
}

} // namespace

void QuestionBankTest::newBankHasThreeEmptyLists()
{
    const QuestionBank bank;
    QCOMPARE(counts(bank), QList<int>({0, 0, 0}));
    for (int level = 0; level < QuestionBank::LevelCount; ++level)
        QVERIFY(!bank.Item(level, 0));
}

void QuestionBankTest::addChangesOnlyItsLevel_data()
{
    QTest::addColumn<int>("level");
    QTest::addColumn<QList<int>>("expected");
    QTest::addRow("beginner") << 0 << QList<int>{1, 0, 0};
    QTest::addRow("intermediate") << 1 << QList<int>{0, 1, 0};
    QTest::addRow("advanced") << 2 << QList<int>{0, 0, 1};
}

void QuestionBankTest::addChangesOnlyItsLevel()
{
    QFETCH(int, level);
    QFETCH(QList<int>, expected);
    QuestionBank bank;
    bank.Add(level, "山", "yama");
    QCOMPARE(counts(bank), expected);
    QCOMPARE(bank.Item(level, 0), QuestionItem({"山", "yama"}));
}

void QuestionBankTest::keepsOrderOfAddition()
{
    const QuestionBank bank = threeBeginnerItems();
    QCOMPARE(bank.Item(0, 0)->question, QByteArray("q1"));
    QCOMPARE(bank.Item(0, 1)->question, QByteArray("q2"));
    QCOMPARE(bank.Item(0, 2)->answer, QByteArray("a3"));
}

void QuestionBankTest::deleteMovesLaterItemsUp()
{
    QuestionBank bank = threeBeginnerItems();
    QVERIFY(bank.Delete(0, 0));
    QCOMPARE(bank.Count(0), 2);
    QCOMPARE(bank.Item(0, 0), QuestionItem({"q2", "a2"}));
    QCOMPARE(bank.Item(0, 1), QuestionItem({"q3", "a3"}));
}

void QuestionBankTest::keepsItemWithBothTextsEmpty()
{
    QuestionBank bank;
    bank.Add(1, {}, {});
    bank.Add(1, "後", "ato");
    QCOMPARE(bank.Count(1), 2);
    QCOMPARE(bank.Item(1, 0), QuestionItem());
    QCOMPARE(bank.Item(1, 1)->answer, QByteArray("ato"));
}

void QuestionBankTest::setItemReplacesBothTexts()
{
    QuestionBank bank = threeBeginnerItems();
    QVERIFY(bank.SetItem(0, 1, "川", "kawa"));
    QCOMPARE(bank.Item(0, 1), QuestionItem({"川", "kawa"}));
    QCOMPARE(bank.Count(0), 3);
}

using Pairs = QList<QuestionItem>;

void QuestionBankTest::editKeepsTheOtherPairs_data()
{
    // A position to change, the texts to put there (none: delete the pair) and the list after.
    QTest::addColumn<int>("position");
    QTest::addColumn<std::optional<QuestionItem>>("replacement");
    QTest::addColumn<Pairs>("expected");
    const QuestionItem q1{"q1", "a1"};
    const QuestionItem q2{"q2", "a2"};
    const QuestionItem q3{"q3", "a3"};
    QTest::addRow("longer_texts_in_the_middle")
        << 1 << std::optional(QuestionItem{"橋を渡る", "hashi o wataru"})
        << Pairs{q1, {"橋を渡る", "hashi o wataru"}, q3};
    QTest::addRow("shorter_texts_in_the_middle")
        << 1 << std::optional(QuestionItem{"x", ""}) << Pairs{q1, {"x", ""}, q3};
    QTest::addRow("same_length_other_split")
        << 1 << std::optional(QuestionItem{"q", "2a2"}) << Pairs{q1, {"q", "2a2"}, q3};
    QTest::addRow("both_texts_emptied_first")
        << 0 << std::optional(QuestionItem{}) << Pairs{{}, q2, q3};
    QTest::addRow("last_grows") << 2 << std::optional(QuestionItem{"q3q3", "a3a3"})
                                << Pairs{q1, q2, {"q3q3", "a3a3"}};
    QTest::addRow("delete_middle") << 1 << std::optional<QuestionItem>() << Pairs{q1, q3};
    QTest::addRow("delete_last") << 2 << std::optional<QuestionItem>() << Pairs{q1, q2};
}

// The texts share one buffer: a pair changed in place must leave every other pair as it was, and
// the edited bank must equal one built with the result from the start.
void QuestionBankTest::editKeepsTheOtherPairs()
{
    QFETCH(int, position);
    QFETCH(std::optional<QuestionItem>, replacement);
    QFETCH(Pairs, expected);
    QuestionBank bank = threeBeginnerItems();
    bank.Add(1, "other", "level");
    QVERIFY(replacement ? bank.SetItem(0, position, replacement->question, replacement->answer)
                        : bank.Delete(0, position));
    QuestionBank built;
    for (const QuestionItem& item : expected)
        built.Add(0, item.question, item.answer);
    built.Add(1, "other", "level");
    QCOMPARE(bank, built);
    for (int i = 0; i < expected.size(); ++i)
        QCOMPARE(bank.Item(0, i), expected[i]);
}

void QuestionBankTest::refusesPositionOutsideList_data()
{
    QTest::addColumn<int>("level");
    QTest::addColumn<int>("position");
    QTest::addRow("negative_position") << 0 << -1;
    QTest::addRow("position_equal_to_count") << 0 << 3;
    QTest::addRow("empty_level") << 1 << 0;
    QTest::addRow("negative_level") << -1 << 0;
    QTest::addRow("level_above_three") << 3 << 0;
}

void QuestionBankTest::refusesPositionOutsideList()
{
    QFETCH(int, level);
    QFETCH(int, position);
    QuestionBank bank = threeBeginnerItems();
    const QuestionBank before = bank;
    QVERIFY(!bank.Item(level, position));
    QVERIFY(!bank.SetItem(level, position, "x", "y"));
    QVERIFY(!bank.Delete(level, position));
    QCOMPARE(bank, before);
}

void QuestionBankTest::clearedListHasNoPositionZero()
{
    QuestionBank bank = threeBeginnerItems();
    bank.Add(2, "q", "a");
    bank.Clear(0);
    QCOMPARE(counts(bank), QList<int>({0, 0, 1}));
    QVERIFY(!bank.Item(0, 0));
    QVERIFY(!bank.Delete(0, 0));
}

void QuestionBankTest::banksFromOneFileHoldSeparateItems()
{
    const QByteArray file = QuestionFile::encode(threeBeginnerItems());
    QuestionBank main;
    QuestionBank editor;
    QCOMPARE(QuestionFile::parse(file, main), QuestionFile::ReadOutcome());
    QCOMPARE(QuestionFile::parse(file, editor), QuestionFile::ReadOutcome());
    QVERIFY(editor.SetItem(0, 0, "changed", "changed"));
    QVERIFY(editor.Delete(0, 2));
    QCOMPARE(main, threeBeginnerItems());
    QCOMPARE(editor.Count(0), 2);
}

QTEST_GUILESS_MAIN(QuestionBankTest)
#include "QuestionBankTest.moc"

#include "record/AnswerDifference.h"

#include <QTest>

class AnswerDifferenceTest : public QObject
{
    Q_OBJECT

private slots:
    void differingStretchIsMarked_data();
    void differingStretchIsMarked();
};

void AnswerDifferenceTest::differingStretchIsMarked_data()
{
    QTest::addColumn<QString>("expected");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("markedExpected");
    QTest::addColumn<QString>("markedTyped");

    QTest::addRow("one_character_wrong") << "はし"
                                         << "はち"
                                         << "は【し】"
                                         << "は【ち】";
    QTest::addRow("nothing_typed") << "yama"
                                   << ""
                                   << "【yama】"
                                   << "【】";
    QTest::addRow("end_missing") << "hashiru"
                                 << "hashi"
                                 << "hashi【ru】"
                                 << "hashi【】";
    QTest::addRow("character_extra_in_the_middle") << "kawa"
                                                   << "kaiwa"
                                                   << "ka【】wa"
                                                   << "ka【i】wa";
    QTest::addRow("repeated_letters_not_counted_twice") << "aa"
                                                        << "aaa"
                                                        << "aa【】"
                                                        << "aa【a】";
    QTest::addRow("letter_case_differs") << "Sora"
                                         << "sora"
                                         << "【S】ora"
                                         << "【s】ora";
    QTest::addRow("trailing_space") << "sora"
                                    << "sora "
                                    << "sora【】"
                                    << "sora【 】";
    QTest::addRow("full_width_for_half_width") << "ABC"
                                               << "ＡBC"
                                               << "【A】BC"
                                               << "【Ａ】BC";
    QTest::addRow("same_text_is_unmarked") << "umi"
                                           << "umi"
                                           << "umi"
                                           << "umi";
}

void AnswerDifferenceTest::differingStretchIsMarked()
{
    QFETCH(QString, expected);
    QFETCH(QString, typed);
    QFETCH(QString, markedExpected);
    QFETCH(QString, markedTyped);

    const AnswerDifference difference = AnswerDifference::between(expected, typed);
    QCOMPARE(difference.markedExpected(expected), markedExpected);
    QCOMPARE(difference.markedTyped(typed), markedTyped);
}

QTEST_APPLESS_MAIN(AnswerDifferenceTest)
#include "AnswerDifferenceTest.moc"

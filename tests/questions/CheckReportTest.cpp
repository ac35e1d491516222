#include "questions/CheckReport.h"
#include "questions/TextCodec.h"

#include <QTest>

class CheckReportTest : public QObject
{
    Q_OBJECT

private slots:
    void countsPairsPerLevel();
    void warnsAboutWhatTheProgramAccepts_data();
    void warnsAboutWhatTheProgramAccepts();
    void comparesQuestionsWithinTheirLevelOnly();
};

namespace {

using Kind = CheckWarning::Kind;
using Items = QList<std::pair<QByteArray, QByteArray>>;

QByteArray cp932(const QString& text)
{
    return TextCodec::encode(text).value();
}

} // namespace

void CheckReportTest::countsPairsPerLevel()
{
    QuestionBank bank;
    bank.Add(0, "a", "x");
    bank.Add(2, "b", "y");
    bank.Add(0, "c", "z");
    QCOMPARE(checkBank(bank).counts, (std::array<int, 3>{2, 0, 1}));
}

void CheckReportTest::warnsAboutWhatTheProgramAccepts_data()
{
    QTest::addColumn<Items>("beginnerItems");
    QTest::addColumn<QList<CheckWarning>>("warnings");
    QTest::addRow("clean") << Items{{"yama", "x"}, {"ya ma", "y"}, {"", "z"}}
                           << QList<CheckWarning>{};
    QTest::addRow("empty_answer") << Items{{"a", "x"}, {"b", ""}}
                                  << QList<CheckWarning>{{Kind::EmptyAnswer, 0, 1}};
    QTest::addRow("duplicate_named_with_first")
        << Items{{"a", "x"}, {"b", "y"}, {"a", "z"}, {"a", "w"}}
        << QList<CheckWarning>{{Kind::DuplicateQuestion, 0, 2, 0},
                               {Kind::DuplicateQuestion, 0, 3, 0}};
    QTest::addRow("trailing_half_width_spaces")
        << Items{{"yama", "x"}, {"yama  ", "y"}, {"yama", "z"}}
        << QList<CheckWarning>{{Kind::DiffersByTrailingSpaces, 0, 1, 0},
                               {Kind::DuplicateQuestion, 0, 2, 0}};
    QTest::addRow("trailing_full_width_space")
        << Items{{cp932("山　"), "x"}, {cp932("山"), "y"}}
        << QList<CheckWarning>{{Kind::DiffersByTrailingSpaces, 0, 1, 0}};
    QTest::addRow("answer_with_nec_selected_kanji")
        << Items{{"a", "\xFB\xFC"}, {"b", "\xEE\xE0"}, {"c", "\x87\x9A"}}
        << QList<CheckWarning>{{Kind::AnswerWithSecondCode, 0, 1},
                               {Kind::AnswerWithSecondCode, 0, 2}};
}

void CheckReportTest::warnsAboutWhatTheProgramAccepts()
{
    QFETCH(Items, beginnerItems);
    QFETCH(QList<CheckWarning>, warnings);
    QuestionBank bank;
    for (const auto& [question, answer] : beginnerItems)
        bank.Add(0, question, answer);
    QCOMPARE(checkBank(bank).warnings, warnings);
}

void CheckReportTest::comparesQuestionsWithinTheirLevelOnly()
{
    QuestionBank bank;
    bank.Add(0, "a", "x");
    bank.Add(1, "a", "y");
    bank.Add(2, "a ", "z");
    QCOMPARE(checkBank(bank).warnings, QList<CheckWarning>{});
}

QTEST_GUILESS_MAIN(CheckReportTest)
#include "CheckReportTest.moc"

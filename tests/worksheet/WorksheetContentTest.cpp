#include "worksheet/WorksheetContent.h"
#include "ScriptedRandom.h"
#include "questions/TextCodec.h"

#include <QTest>

class WorksheetContentTest : public QObject
{
    Q_OBJECT

private slots:
    void showsFuriganaAsChosen_data();
    void showsFuriganaAsChosen();
    void putsTheReadingOverWhatItFits_data();
    void putsTheReadingOverWhatItFits();
    void drawsTheQuestionsAsked_data();
    void drawsTheQuestionsAsked();
};

namespace {

QByteArray cp932(const QString& text)
{
    return TextCodec::encode(text).value();
}

RubySegments bare(const QString& text)
{
    return {{text, {}}};
}

// 山 and 川 with their readings; 海 without one.
struct Fixture
{
    QuestionBank bank;
    ReadingsTable readings;

    Fixture()
    {
        bank.Add(0, cp932("山"), "yama");
        bank.Add(0, cp932("川"), "kawa");
        bank.Add(0, cp932("海"), "umi");
        readings = ReadingsTable(bank);
        readings.setReading(0, 0, {QStringLiteral("やま"), {}, false});
        readings.setReading(0, 1, {QStringLiteral("かわ"), {}, true});
    }
};

using Questions = QList<RubySegments>;

} // namespace

void WorksheetContentTest::showsFuriganaAsChosen_data()
{
    QTest::addColumn<WorksheetFurigana>("furigana");
    QTest::addColumn<QList<QuestionItem>>("missed");
    QTest::addColumn<Questions>("questions");
    const RubySegments yama{{QStringLiteral("山"), QStringLiteral("やま")}};
    const RubySegments kawa{{QStringLiteral("川"), QStringLiteral("かわ")}};
    const Questions plain{bare("山"), bare("川"), bare("海")};
    QTest::addRow("none") << WorksheetFurigana::None << QList<QuestionItem>{{cp932("山"), "yama"}}
                          << plain;
    QTest::addRow("always_where_there_is_a_reading")
        << WorksheetFurigana::Always << QList<QuestionItem>() << Questions{yama, kawa, bare("海")};
    QTest::addRow("after_mistakes_over_missed_pairs_only")
        << WorksheetFurigana::AfterMistakes
        << QList<QuestionItem>{{cp932("川"), "kawa"}, {cp932("海"), "umi"}}
        << Questions{bare("山"), kawa, bare("海")};
    QTest::addRow("after_mistakes_needs_the_same_answer")
        << WorksheetFurigana::AfterMistakes << QList<QuestionItem>{{cp932("山"), "san"}} << plain;
    QTest::addRow("after_mistakes_without_a_notebook")
        << WorksheetFurigana::AfterMistakes << QList<QuestionItem>() << plain;
}

void WorksheetContentTest::showsFuriganaAsChosen()
{
    QFETCH(WorksheetFurigana, furigana);
    QFETCH(QList<QuestionItem>, missed);
    QFETCH(Questions, questions);
    const Fixture fixture;
    ScriptedRandom random;
    const WorksheetContent content = WorksheetContents::make(
        "q.DAT", fixture.bank, fixture.readings, {0, furigana, 0, missed}, random);
    QCOMPARE(content.questions, questions);
    QVERIFY(random.bounds.isEmpty());
}

void WorksheetContentTest::putsTheReadingOverWhatItFits_data()
{
    QTest::addColumn<QString>("question");
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QString>("reading");
    QTest::addColumn<RubySegments>("shown");
    QTest::addRow("over_its_pieces")
        << "食べ物"
        << "tabemono"
        << "たべもの" << RubySegments{{"食", "た"}, {"べ", ""}, {"物", "もの"}};
    QTest::addRow("over_the_whole_text_when_it_does_not_fit")
        << "食べ物"
        << "tabemono"
        << "ごはん" << RubySegments{{"食べ物", "ごはん"}};
    QTest::addRow("not_when_it_belongs_to_the_answer") << "ねこ"
                                                       << "猫"
                                                       << "ねこ" << bare("ねこ");
    QTest::addRow("not_without_a_reading") << "猫"
                                           << "neko"
                                           << "" << bare("猫");
}

void WorksheetContentTest::putsTheReadingOverWhatItFits()
{
    QFETCH(QString, question);
    QFETCH(QString, answer);
    QFETCH(QString, reading);
    QFETCH(RubySegments, shown);
    QCOMPARE(WorksheetContents::withFurigana(question, answer, {reading, {}, false}), shown);
}

void WorksheetContentTest::drawsTheQuestionsAsked_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<QList<int>>("draws");
    QTest::addColumn<QStringList>("questions");
    QTest::addColumn<QList<int>>("bounds");
    QTest::addRow("every_one_in_file_order")
        << 0 << QList<int>() << QStringList{"山", "川", "海"} << QList<int>();
    QTest::addRow("more_than_there_are")
        << 5 << QList<int>() << QStringList{"山", "川", "海"} << QList<int>();
    QTest::addRow("two_drawn_without_repeats")
        << 2 << QList<int>{2, 1} << QStringList{"海", "山"} << QList<int>{3, 2};
    QTest::addRow("one_drawn") << 1 << QList<int>{1} << QStringList{"川"} << QList<int>{3};
}

void WorksheetContentTest::drawsTheQuestionsAsked()
{
    QFETCH(int, count);
    QFETCH(QList<int>, draws);
    QFETCH(QStringList, questions);
    QFETCH(QList<int>, bounds);
    const Fixture fixture;
    ScriptedRandom random;
    random.values = draws;
    const WorksheetContent content = WorksheetContents::make(
        "q.DAT", fixture.bank, fixture.readings, {0, WorksheetFurigana::None, count, {}}, random);
    QStringList drawn;
    for (const RubySegments& question : content.questions)
        drawn << question.constFirst().base;
    QCOMPARE(drawn, questions);
    QCOMPARE(random.bounds, bounds);
}

QTEST_GUILESS_MAIN(WorksheetContentTest)
#include "WorksheetContentTest.moc"

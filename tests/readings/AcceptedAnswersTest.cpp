#include "readings/AcceptedAnswers.h"

#include "questions/QuestionBank.h"
#include "questions/TextCodec.h"
#include "readings/ReadingsTable.h"

#include <QTest>

class AcceptedAnswersTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void typedTextAnswersItsPair_data();
    void typedTextAnswersItsPair();
    void timedOutTextIsShownAgainstTheFormItWasNearest_data();
    void timedOutTextIsShownAgainstTheFormItWasNearest();
    void romajiKeysAreJudgedAgainstATypableForm_data();
    void romajiKeysAreJudgedAgainstATypableForm();
    void questionWearsOnlyAReadingThatIsItsOwn_data();
    void questionWearsOnlyAReadingThatIsItsOwn();

private:
    AcceptedAnswers answers;
};

namespace {

QByteArray cp932(const QString& text)
{
    return TextCodec::encode(text).value();
}

QuestionItem pair(const QString& question, const QString& answer)
{
    return {cp932(question), cp932(answer)};
}

const QuestionItem Friday = pair(u"金曜日"_qs, u"金曜日"_qs);
const QuestionItem Father = pair(u"お父さん"_qs, u"father"_qs);
const QuestionItem EnglishFriday = pair(u"Friday"_qs, u"金曜日"_qs);
const QuestionItem Mountain = pair(u"yama"_qs, u"yama"_qs);

} // namespace

Q_DECLARE_METATYPE(std::optional<AnswerForm>)
Q_DECLARE_METATYPE(AnswerForm)
Q_DECLARE_METATYPE(QuestionItem)
Q_DECLARE_METATYPE(RubySegments)

void AcceptedAnswersTest::initTestCase()
{
    QuestionBank bank;
    for (const QuestionItem& each : {Friday, Father, EnglishFriday, Mountain})
        bank.Add(0, each.question, each.answer);
    ReadingsTable readings(bank);
    readings.setReading(0, 0, {u"きんようび"_qs, {u"きんよう"_qs, u"kinyoubi"_qs}, false});
    readings.setReading(0, 1, {u"おとうさん"_qs, {}, false});
    readings.setReading(0, 2, {u"きんようび"_qs, {}, true});
    answers.setReadings(bank, readings);
}

void AcceptedAnswersTest::typedTextAnswersItsPair_data()
{
    QTest::addColumn<QuestionItem>("pair");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("byReading");
    QTest::addColumn<std::optional<AnswerForm>>("form");

    const std::optional<AnswerForm> none;
    QTest::addRow("the answer") << Friday << u"金曜日"_qs << false
                                << std::optional(AnswerForm::Answer);
    QTest::addRow("an alternative in kana")
        << Friday << u"きんよう"_qs << false << std::optional(AnswerForm::Alternative);
    QTest::addRow("an alternative in letters")
        << Friday << u"kinyoubi"_qs << false << std::optional(AnswerForm::Alternative);
    QTest::addRow("the reading, not answering by reading")
        << Friday << u"きんようび"_qs << false << none;
    QTest::addRow("the reading, answering by reading")
        << Friday << u"きんようび"_qs << true << std::optional(AnswerForm::Reading);
    QTest::addRow("the reading in katakana is another text")
        << Friday << u"キンヨウビ"_qs << true << none;
    QTest::addRow("nothing typed") << Friday << QString() << true << none;
    QTest::addRow("the reading of a kanji answer")
        << EnglishFriday << u"きんようび"_qs << true << std::optional(AnswerForm::Reading);
    QTest::addRow("a pair without readings")
        << Mountain << u"yama"_qs << true << std::optional(AnswerForm::Answer);
    QTest::addRow("another pair's alternative") << Mountain << u"kinyoubi"_qs << true << none;
}

void AcceptedAnswersTest::typedTextAnswersItsPair()
{
    QFETCH(QuestionItem, pair);
    QFETCH(QString, typed);
    QFETCH(bool, byReading);

    QTEST(answers.match(pair, cp932(typed), byReading), "form");
}

void AcceptedAnswersTest::timedOutTextIsShownAgainstTheFormItWasNearest_data()
{
    QTest::addColumn<QuestionItem>("pair");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("byReading");
    QTest::addColumn<AnswerForm>("form");
    QTest::addColumn<QString>("text");

    QTest::addRow("nothing typed")
        << Friday << QString() << true << AnswerForm::Answer << u"金曜日"_qs;
    QTest::addRow("on the way to the reading")
        << Friday << u"きんようぴ"_qs << true << AnswerForm::Reading << u"きんようび"_qs;
    QTest::addRow("the reading is not offered unless answering by it")
        << Friday << u"きんようぴ"_qs << false << AnswerForm::Alternative << u"きんよう"_qs;
    QTest::addRow("on the way to an alternative in letters")
        << Friday << u"kinyou"_qs << true << AnswerForm::Alternative << u"kinyoubi"_qs;
    QTest::addRow("as near to none, the answer")
        << Friday << u"x"_qs << true << AnswerForm::Answer << u"金曜日"_qs;
    QTest::addRow("started as written")
        << Friday << u"金よう"_qs << true << AnswerForm::Answer << u"金曜日"_qs;
    QTest::addRow("a pair without readings")
        << Mountain << u"yam"_qs << true << AnswerForm::Answer << u"yama"_qs;
}

void AcceptedAnswersTest::timedOutTextIsShownAgainstTheFormItWasNearest()
{
    QFETCH(QuestionItem, pair);
    QFETCH(QString, typed);
    QFETCH(bool, byReading);
    QFETCH(AnswerForm, form);
    QFETCH(QString, text);

    QCOMPARE(answers.nearest(pair, cp932(typed), byReading),
             (AcceptedAnswers::Nearest{form, cp932(text)}));
}

void AcceptedAnswersTest::romajiKeysAreJudgedAgainstATypableForm_data()
{
    QTest::addColumn<QuestionItem>("pair");
    QTest::addColumn<bool>("byReading");
    QTest::addColumn<QString>("target");

    QTest::addRow("kanji answer by reading") << Friday << true << u"きんようび"_qs;
    QTest::addRow("kanji answer as written") << Friday << false << u"金曜日"_qs;
    QTest::addRow("typable answer stays") << Father << true << u"father"_qs;
    QTest::addRow("no reading") << Mountain << true << u"yama"_qs;
}

void AcceptedAnswersTest::romajiKeysAreJudgedAgainstATypableForm()
{
    QFETCH(QuestionItem, pair);
    QFETCH(bool, byReading);

    QTEST(answers.romajiTarget(pair, byReading), "target");
}

void AcceptedAnswersTest::questionWearsOnlyAReadingThatIsItsOwn_data()
{
    QTest::addColumn<QuestionItem>("pair");
    QTest::addColumn<RubySegments>("ruby");

    QTest::addRow("group ruby over a compound")
        << Friday << RubySegments{{u"金曜日"_qs, u"きんようび"_qs}};
    QTest::addRow("okurigana left bare")
        << Father << RubySegments{{u"お"_qs, {}}, {u"父"_qs, u"とう"_qs}, {u"さん"_qs, {}}};
    QTest::addRow("the answer's reading") << EnglishFriday << RubySegments{};
    QTest::addRow("no reading") << Mountain << RubySegments{};
}

void AcceptedAnswersTest::questionWearsOnlyAReadingThatIsItsOwn()
{
    QFETCH(QuestionItem, pair);

    QTEST(answers.questionRuby(pair), "ruby");
}

QTEST_APPLESS_MAIN(AcceptedAnswersTest)
#include "AcceptedAnswersTest.moc"

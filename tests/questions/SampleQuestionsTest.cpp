#include "questions/QuestionFile.h"
#include "questions/TextCodec.h"

#include <QTest>

// The bundled sample as the build generated it: enough pairs on every level, Japanese questions
// and answers that can be typed without an input method.
class SampleQuestionsTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void levelIsUsable_data();
    void levelIsUsable();

private:
    QuestionBank sample;
};

namespace {

bool isPrintableAscii(const QByteArray& text)
{
    return std::all_of(text.begin(), text.end(), [](char c) { return c >= 0x20 && c <= 0x7E; });
}

bool hasNonAscii(const QString& text)
{
    return std::any_of(text.begin(), text.end(), [](QChar c) { return c.unicode() > 0x7F; });
}

} // namespace

void SampleQuestionsTest::initTestCase()
{
    QCOMPARE(QuestionFile::read(QStringLiteral(TAZUNE_SAMPLE_FILE), sample),
             QuestionFile::ReadOutcome());
}

void SampleQuestionsTest::levelIsUsable_data()
{
    QTest::addColumn<int>("level");
    QTest::addRow("beginner") << 0;
    QTest::addRow("intermediate") << 1;
    QTest::addRow("advanced") << 2;
}

void SampleQuestionsTest::levelIsUsable()
{
    QFETCH(int, level);
    QVERIFY2(sample.Count(level) >= 20, qPrintable(QString::number(sample.Count(level))));
    for (int position = 0; position < sample.Count(level); ++position) {
        const QuestionItem item = *sample.Item(level, position);
        const QString question = TextCodec::decode(item.question);
        QVERIFY2(hasNonAscii(question), item.question.constData());
        QCOMPARE(TextCodec::encode(question), std::optional(item.question));
        QVERIFY2(!item.answer.isEmpty() && isPrintableAscii(item.answer), qPrintable(question));
    }
}

QTEST_GUILESS_MAIN(SampleQuestionsTest)
#include "SampleQuestionsTest.moc"

#include "TestFiles.h"
#include "questions/QuestionFile.h"

#include <QDir>
#include <QTest>

using QuestionFile::ReadFailure;
using QuestionFile::ReadOutcome;

Q_DECLARE_METATYPE(QuestionFile::ReadOutcome)

// Replays the fuzzer's seed corpus under the ordinary compiler. Every file found is parsed, so a
// seed added later is replayed too; the seeds whose outcome is known are checked for it.
class FuzzCorpusTest : public QObject
{
    Q_OBJECT

private slots:
    void seedParses_data();
    void seedParses();
    void everyKnownSeedIsPresent();
};

namespace {

QDir corpus()
{
    return QDir(QStringLiteral(TAZUNE_FUZZ_CORPUS_DIR));
}

const QMap<QString, ReadOutcome>& knownOutcomes()
{
    static const QMap<QString, ReadOutcome> outcomes{
        {"empty-bank.DAT", ReadOutcome()},
        {"example-31.DAT", ReadOutcome()},
        {"five-levels.DAT", ReadOutcome()},
        {"four-bytes.DAT", ReadOutcome(ReadFailure::Unreadable)},
        {"huge-length.DAT", ReadOutcome(ReadFailure::Unreadable)},
        {"japanese-items.DAT", ReadOutcome()},
        {"negative-item-count.DAT", ReadOutcome()},
        {"negative-level-count.DAT", ReadOutcome()},
        {"negative-text-length.DAT", ReadOutcome(ReadFailure::Unreadable)},
        {"trailing-bytes.DAT", ReadOutcome()},
        {"truncated-in-text.DAT", ReadOutcome(ReadFailure::Unreadable)},
        {"wrong-header.DAT", ReadOutcome(ReadFailure::WrongVersion)},
    };
    return outcomes;
}

} // namespace

void FuzzCorpusTest::seedParses_data()
{
    QTest::addColumn<QString>("name");
    const QStringList names = corpus().entryList(QDir::Files, QDir::Name);
    QVERIFY(!names.isEmpty());
    for (const QString& name : names)
        QTest::newRow(qPrintable(name)) << name;
}

void FuzzCorpusTest::seedParses()
{
    QFETCH(QString, name);
    const QByteArray bytes = TestFiles::readBytes(corpus().filePath(name));
    QuestionBank bank;
    const ReadOutcome outcome = QuestionFile::parse(bytes, bank);
    if (knownOutcomes().contains(name))
        QCOMPARE(outcome, knownOutcomes().value(name));
    if (outcome != ReadOutcome())
        return;
    QuestionBank reread;
    QCOMPARE(QuestionFile::parse(QuestionFile::encode(bank), reread), ReadOutcome());
    QVERIFY(reread == bank);
}

void FuzzCorpusTest::everyKnownSeedIsPresent()
{
    for (const QString& name : knownOutcomes().keys())
        QVERIFY2(corpus().exists(name), qPrintable(name));
}

QTEST_GUILESS_MAIN(FuzzCorpusTest)
#include "FuzzCorpusTest.moc"

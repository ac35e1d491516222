#include "TestFiles.h"
#include "questions/QuestionFile.h"

#include <QDir>
#include <QTest>

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
        {"empty-bank.DAT", ReadOutcome::Loaded},
        {"example-31.DAT", ReadOutcome::Loaded},
        {"five-levels.DAT", ReadOutcome::Loaded},
        {"four-bytes.DAT", ReadOutcome::Unreadable},
        {"huge-length.DAT", ReadOutcome::Unreadable},
        {"japanese-items.DAT", ReadOutcome::Loaded},
        {"negative-item-count.DAT", ReadOutcome::Loaded},
        {"negative-level-count.DAT", ReadOutcome::Loaded},
        {"negative-text-length.DAT", ReadOutcome::Unreadable},
        {"trailing-bytes.DAT", ReadOutcome::Loaded},
        {"truncated-in-text.DAT", ReadOutcome::Unreadable},
        {"wrong-header.DAT", ReadOutcome::WrongVersion},
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
    if (outcome != ReadOutcome::Loaded)
        return;
    QuestionBank reread;
    QCOMPARE(QuestionFile::parse(QuestionFile::encode(bank), reread), ReadOutcome::Loaded);
    QVERIFY(reread == bank);
}

void FuzzCorpusTest::everyKnownSeedIsPresent()
{
    for (const QString& name : knownOutcomes().keys())
        QVERIFY2(corpus().exists(name), qPrintable(name));
}

QTEST_GUILESS_MAIN(FuzzCorpusTest)
#include "FuzzCorpusTest.moc"

#include "proposal/ProposerModule.h"

#include <QTest>

#include <memory>

Q_DECLARE_METATYPE(ReadingDoubt)

// The real module over the analysers and the dictionary Debian installs.
class ProposerModuleTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void proposes_data();
    void proposes();
    void answersEveryWordInOrder();
    void offersAFewReadingsOfManyCountersReadTwoWays();
    void namesThePackageOfAMissingFile_data();
    void namesThePackageOfAMissingFile();
    void namesTheLibrariesWhenTheModuleDoesNotLoad();

private:
    // One for all: the second analyser's library keeps one state for the process.
    std::unique_ptr<ProposerModule> proposer;
};

const QString ModuleFile = QStringLiteral(TAZUNE_READINGS_MODULE_FILE);

void ProposerModuleTest::initTestCase()
{
    proposer = std::make_unique<ProposerModule>(ModuleFile, ReadingSources());
}

void ProposerModuleTest::proposes_data()
{
    QTest::addColumn<QString>("word");
    QTest::addColumn<QString>("reading");
    QTest::addColumn<ReadingDoubt>("doubt");
    QTest::addRow("dictionary_word") << "東京"
                                     << "とうきょう" << ReadingDoubt::None;
    QTest::addRow("okurigana") << "食べる"
                               << "たべる" << ReadingDoubt::None;
    QTest::addRow("phrase_by_analysers") << "夢を見る"
                                         << "ゆめをみる" << ReadingDoubt::None;
    QTest::addRow("counter_inside_phrase") << "鉛筆三本"
                                           << "えんぴつさんぼん" << ReadingDoubt::None;
    QTest::addRow("counter_in_digits") << "6匹"
                                       << "ろっぴき" << ReadingDoubt::None;
    QTest::addRow("katakana_keeps_long_vowel") << "コーヒー"
                                               << "こーひー" << ReadingDoubt::None;
    QTest::addRow("several_dictionary_readings") << "今日"
                                                 << "きょう" << ReadingDoubt::SeveralReadings;
    QTest::addRow("counter_read_two_ways") << "七人の侍"
                                           << "ななにんのさむらい" << ReadingDoubt::SeveralReadings;
    QTest::addRow("analysers_disagree") << "窓を開ける"
                                        << "まどをあける" << ReadingDoubt::AnalysersDisagree;
    QTest::addRow("unknown_word") << "彁"
                                  << "" << ReadingDoubt::UnknownWord;
}

void ProposerModuleTest::proposes()
{
    QFETCH(QString, word);
    QFETCH(QString, reading);
    QFETCH(ReadingDoubt, doubt);

    const ProposalBatch batch = proposer->propose({word});

    QVERIFY(!batch.unavailable);
    QCOMPARE(batch.proposals.size(), 1u);
    QCOMPARE(batch.proposals[0].reading, reading);
    QCOMPARE(batch.proposals[0].doubt, doubt);
}

void ProposerModuleTest::answersEveryWordInOrder()
{
    const ProposalBatch batch = proposer->propose({"山", "", "やま", "山"});

    QCOMPARE(batch.proposals.size(), 4u);
    QCOMPARE(batch.proposals[0].reading, "やま");
    QCOMPARE(batch.proposals[1].reading, "");
    QCOMPARE(batch.proposals[2].reading, "やま");
    QCOMPARE(batch.proposals[3], batch.proposals[0]);
}

void ProposerModuleTest::offersAFewReadingsOfManyCountersReadTwoWays()
{
    const ProposalBatch batch = proposer->propose({QStringLiteral("七人").repeated(20)});

    QCOMPARE(batch.proposals.size(), 1u);
    QCOMPARE(batch.proposals[0].doubt, ReadingDoubt::SeveralReadings);
    QCOMPARE(batch.proposals[0].readings.size(), 8);
    QCOMPARE(batch.proposals[0].reading, QStringLiteral("ななにん").repeated(20));
}

void ProposerModuleTest::namesThePackageOfAMissingFile_data()
{
    QTest::addColumn<int>("missing");
    QTest::addColumn<QString>("package");
    QTest::addRow("analyser_dictionary") << 0 << "mecab-ipadic-utf8";
    QTest::addRow("second_analyser_dictionary") << 1 << "kakasi-dic";
    QTest::addRow("word_dictionary") << 2 << "edict";
}

void ProposerModuleTest::namesThePackageOfAMissingFile()
{
    QFETCH(int, missing);
    QFETCH(QString, package);
    const QString nowhere = QStringLiteral("/nonexistent/tazune-test");
    ReadingSources sources;
    (missing == 0   ? sources.analyserDictionary
     : missing == 1 ? sources.secondAnalyserDictionary
                    : sources.wordDictionary) = nowhere;

    ProposerModule withoutFile(ModuleFile, sources);
    const ProposalBatch batch = withoutFile.propose({"山"});

    QVERIFY(batch.proposals.empty());
    QVERIFY(batch.unavailable);
    QCOMPARE(batch.unavailable->package, package);
    QVERIFY(batch.unavailable->detail.startsWith(nowhere));
}

void ProposerModuleTest::namesTheLibrariesWhenTheModuleDoesNotLoad()
{
    ProposerModule withoutModule(QStringLiteral("/nonexistent/tazune-readings.so"),
                                 ReadingSources());
    const ProposalBatch batch = withoutModule.propose({"山"});

    QVERIFY(batch.unavailable);
    QCOMPARE(batch.unavailable->package, "libmecab2 libkakasi2");
    QVERIFY(batch.unavailable->detail.contains(QStringLiteral("tazune-readings.so")));
}

QTEST_GUILESS_MAIN(ProposerModuleTest)
#include "ProposerModuleTest.moc"

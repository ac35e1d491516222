#include "proposal/ReadingChoice.h"

#include <QTest>

Q_DECLARE_METATYPE(ReadingDoubt)

class ReadingChoiceTest : public QObject
{
    Q_OBJECT

private slots:
    void chooseReading_data();
    void chooseReading();
};

void ReadingChoiceTest::chooseReading_data()
{
    QTest::addColumn<QStringList>("dictionary");
    QTest::addColumn<int>("common");
    QTest::addColumn<QStringList>("analyser");
    QTest::addColumn<QStringList>("second");
    QTest::addColumn<QStringList>("offered");
    QTest::addColumn<ReadingDoubt>("doubt");

    const QStringList none;
    QTest::addRow("dictionary_one_reading_over_analysers")
        << QStringList{"はつか"} << 1 << QStringList{"にじゅうにち"} << none
        << QStringList{"はつか"} << ReadingDoubt::None;
    QTest::addRow("dictionary_one_common_among_rare")
        << QStringList{"ひとり", "いちにん"} << 1 << none << none
        << QStringList{"ひとり", "いちにん"} << ReadingDoubt::None;
    QTest::addRow("dictionary_two_common_analysers_pick_default")
        << QStringList{"あす", "あした", "みょうにち"} << 2 << QStringList{"あした"}
        << QStringList{"あした"} << QStringList{"あした", "あす", "みょうにち"}
        << ReadingDoubt::SeveralReadings;
    QTest::addRow("dictionary_two_common_second_analyser_picks")
        << QStringList{"いく", "ゆく"} << 2 << none << QStringList{"ゆく"}
        << QStringList{"ゆく", "いく"} << ReadingDoubt::SeveralReadings;
    QTest::addRow("dictionary_several_none_common")
        << QStringList{"かみて", "うわて"} << 0 << none << none << QStringList{"かみて", "うわて"}
        << ReadingDoubt::SeveralReadings;
    QTest::addRow("analysers_agree")
        << none << 0 << QStringList{"ゆめをみる"} << QStringList{"ゆめをみる"}
        << QStringList{"ゆめをみる"} << ReadingDoubt::None;
    QTest::addRow("analysers_disagree")
        << none << 0 << QStringList{"まどをあける"} << QStringList{"まどをひらける"}
        << QStringList{"まどをあける", "まどをひらける"} << ReadingDoubt::AnalysersDisagree;
    QTest::addRow("only_second_analyser_knows")
        << none << 0 << none << QStringList{"そご"} << QStringList{"そご"}
        << ReadingDoubt::AnalysersDisagree;
    QTest::addRow("only_first_analyser_knows")
        << none << 0 << QStringList{"そご"} << none << QStringList{"そご"}
        << ReadingDoubt::AnalysersDisagree;
    QTest::addRow("nobody_knows") << none << 0 << none << none << none << ReadingDoubt::UnknownWord;
    QTest::addRow("counter_read_two_ways")
        << none << 0 << QStringList{"ななにん", "しちにん"} << QStringList{"しちにん"}
        << QStringList{"ななにん", "しちにん"} << ReadingDoubt::SeveralReadings;
}

void ReadingChoiceTest::chooseReading()
{
    QFETCH(QStringList, dictionary);
    QFETCH(int, common);
    QFETCH(QStringList, analyser);
    QFETCH(QStringList, second);
    QFETCH(QStringList, offered);
    QFETCH(ReadingDoubt, doubt);

    const ReadingProposal proposal = ::chooseReading({dictionary, common, analyser, second});

    QCOMPARE(proposal.readings, offered);
    QCOMPARE(proposal.reading, offered.value(0));
    QCOMPARE(proposal.doubt, doubt);
}

QTEST_APPLESS_MAIN(ReadingChoiceTest)
#include "ReadingChoiceTest.moc"

#include "classroom/SeededRandom.h"

#include <QList>
#include <QTest>

using namespace SeededGenerators;

class SeededRandomTest : public QObject
{
    Q_OBJECT

private slots:
    // The reference outputs published with each generator.
    void splitMixGivesItsPublishedOutputs()
    {
        SplitMix64 generator(1234567);
        const QList<quint64> expected{6457827717110365317u, 3203168211198807973u,
                                      9817491932198370423u, 4593380528125082431u,
                                      16408922859458223821u};
        for (quint64 value : expected)
            QCOMPARE(generator.next(), value);
    }

    void xoshiroGivesItsPublishedOutputs()
    {
        Xoshiro256StarStar generator({1, 2, 3, 4});
        const QList<quint64> expected{11520u,
                                      0u,
                                      1509978240u,
                                      1215971899390074240u,
                                      1216172134540287360u,
                                      607988272756665600u,
                                      16172922978634559625u,
                                      8476171486693032832u,
                                      10595114339597558777u,
                                      2904607092377533576u};
        for (quint64 value : expected)
            QCOMPARE(generator.next(), value);
    }

    void unbiasedBelowRejectsOnlyTheLowWordsThatWouldFavourAValue_data()
    {
        QTest::addColumn<quint32>("range");
        QTest::addColumn<QList<quint32>>("words");
        QTest::addColumn<quint32>("value");
        QTest::addColumn<int>("wordsTaken");

        // For a range of 3, 2^32 mod 3 is 1: only a low word of 0 is rejected.
        QTest::addRow("low word zero is drawn again")
            << 3u << QList<quint32>{0u, 0xffffffffu} << 2u << 2;
        QTest::addRow("low word at the threshold is kept")
            << 3u << QList<quint32>{0x55555556u} << 1u << 1;
        // For 2^31 + 1 the threshold is 2^31 - 1: half of all words are drawn again.
        QTest::addRow("large range rejects below its threshold")
            << 0x80000001u << QList<quint32>{2u, 0xffffffffu} << 0x80000000u << 2;
        QTest::addRow("range of one takes one word") << 1u << QList<quint32>{12345u} << 0u << 1;
        QTest::addRow("top word gives the top value")
            << 1000u << QList<quint32>{0xffffffffu} << 999u << 1;
    }

    void unbiasedBelowRejectsOnlyTheLowWordsThatWouldFavourAValue()
    {
        QFETCH(quint32, range);
        QFETCH(QList<quint32>, words);
        QFETCH(quint32, value);
        QFETCH(int, wordsTaken);

        int taken = 0;
        QCOMPARE(unbiasedBelow(range, [&] { return words.at(taken++); }), value);
        QCOMPARE(taken, wordsTaken);
    }

    // Every pupil's draw of an assignment, on every PC and version: these lists must never change.
    void aSeedGivesTheSameDrawsForever_data()
    {
        QTest::addColumn<int>("bound");
        QTest::addColumn<QList<int>>("draws");

        QTest::addRow("7") << 7 << QList<int>{6, 2, 0, 3, 4, 5, 0, 1, 1, 5,
                                              5, 4, 2, 1, 6, 2, 2, 6, 4, 1};
        QTest::addRow("100") << 100 << QList<int>{92, 40, 12, 44, 61, 75, 12, 16, 20, 73,
                                                  82, 65, 41, 18, 94, 32, 30, 86, 68, 18};
        QTest::addRow("1000") << 1000
                              << QList<int>{920, 409, 121, 443, 615, 751, 122, 161, 204, 730,
                                            825, 652, 418, 182, 942, 327, 302, 868, 684, 182};
    }

    void aSeedGivesTheSameDrawsForever()
    {
        QFETCH(int, bound);
        QFETCH(QList<int>, draws);

        SeededRandom random(20260401);
        QList<int> drawn;
        for (int i = 0; i < draws.size(); ++i)
            drawn << random.bounded(bound);
        QCOMPARE(drawn, draws);
    }
};

QTEST_GUILESS_MAIN(SeededRandomTest)
#include "SeededRandomTest.moc"

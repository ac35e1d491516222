#include "results/PageBreaks.h"

#include <QTest>

using Blocks = QList<PageBreaks::Block>;

class PageBreaksTest : public QObject
{
    Q_OBJECT

private slots:
    void blocksAreNeverSplit_data()
    {
        QTest::addColumn<Blocks>("blocks");
        QTest::addColumn<QList<int>>("pages");
        const PageBreaks::Block heading{10, true};

        QTest::addRow("none") << Blocks{} << QList<int>{};
        QTest::addRow("all on one page") << Blocks{{40}, {30}, {30}} << QList<int>{0, 0, 0};
        QTest::addRow("block crossing the bottom starts the next page")
            << Blocks{{40}, {40}, {40}, {40}} << QList<int>{0, 0, 1, 1};
        QTest::addRow("heading goes with the block after it")
            << Blocks{{40}, {40}, heading, {40}} << QList<int>{0, 0, 1, 1};
        QTest::addRow("two headings go with it")
            << Blocks{{30}, {30}, heading, heading, {40}} << QList<int>{0, 0, 1, 1, 1};
        QTest::addRow("heading that fits with its block stays")
            << Blocks{{40}, heading, {40}, {40}} << QList<int>{0, 0, 0, 1};
        QTest::addRow("headings starting the page stay there")
            << Blocks{heading, heading, {90}} << QList<int>{0, 0, 1};
        QTest::addRow("block taller than a page has a page of its own")
            << Blocks{{20}, {150}, {20}} << QList<int>{0, 1, 2};
        QTest::addRow("headings too tall to move with their block stay")
            << Blocks{{20}, heading, {95}} << QList<int>{0, 0, 1};
    }

    void blocksAreNeverSplit()
    {
        QFETCH(Blocks, blocks);
        QFETCH(QList<int>, pages);
        QCOMPARE(PageBreaks::pagesOf(blocks, 100), pages);
    }
};

QTEST_GUILESS_MAIN(PageBreaksTest)
#include "PageBreaksTest.moc"

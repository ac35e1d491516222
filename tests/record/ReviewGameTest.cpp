#include "record/ReviewGame.h"

#include <QTest>

namespace {

const QDateTime Now = QDateTime(QDate(2026, 3, 1), QTime(12, 0), Qt::UTC);

NotebookEntry entry(const QByteArray& question, const QByteArray& answer, int misses)
{
    PairProgress progress;
    progress.misses = misses;
    progress.inNotebook = true;
    progress.lastMiss = Now.addDays(-30);
    return {{question, answer}, progress, std::nullopt};
}

QuestionBank loadedBank()
{
    QuestionBank bank;
    bank.Add(0, "YAMA", "yama");
    bank.Add(0, "KAWA", "kawa");
    bank.Add(0, "YAMA", "yama");
    bank.Add(0, "UMI", "umi");
    bank.Add(1, "SORA", "sora");
    return bank;
}

} // namespace

class ReviewGameTest : public QObject
{
    Q_OBJECT

private slots:
    void onlyTheLevelsNotebookPairsAreDrawn();
    void everyPairIsFoundAmongThousands();
};

void ReviewGameTest::onlyTheLevelsNotebookPairsAreDrawn()
{
    // SORA is in the notebook but on another level; "KAWA"/"kawa!" and "YAM"/"Ayama" are other
    // pairs, though their bytes run together the same.
    const QList<NotebookEntry> notebook{entry("YAMA", "yama", 2), entry("SORA", "sora", 0),
                                        entry("KAWA", "kawa!", 0), entry("YAM", "Ayama", 0),
                                        entry("UMI", "umi", 0)};
    const QList<NotebookEntry> entries = ReviewGame::entriesOf(loadedBank(), 0, notebook);
    QCOMPARE(entries, (QList<NotebookEntry>{notebook[0], notebook[4]}));

    const PackedPairs weighted = ReviewGame::weightedList(entries, Now);
    QCOMPARE(weighted.size(), 3 + 1);
    QCOMPARE(weighted.at(2).question, "YAMA");
    QCOMPARE(weighted.at(3).answer, "umi");
}

// Enough pairs that their lookups share slots and run past the end of the table: each notebook
// pair of the bank is found, and a pair whose question alone is in the notebook is not.
void ReviewGameTest::everyPairIsFoundAmongThousands()
{
    QList<NotebookEntry> notebook;
    for (int k = 0; k < 3000; ++k)
        notebook << entry("Q" + QByteArray::number(k), "a" + QByteArray::number(k), k);
    QuestionBank bank;
    QList<NotebookEntry> expected;
    for (int k = 2999; k >= 0; k -= 3) {
        bank.Add(1, "Q" + QByteArray::number(k), "b" + QByteArray::number(k));
        bank.Add(1, notebook[k].pair.question, notebook[k].pair.answer);
        expected << notebook[k];
    }
    QCOMPARE(ReviewGame::entriesByLevel(bank, notebook)[1], expected);
}

QTEST_APPLESS_MAIN(ReviewGameTest)
#include "ReviewGameTest.moc"

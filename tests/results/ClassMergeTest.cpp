#include "results/ClassMerge.h"
#include "results/ClassCsv.h"
#include "results/ResultsCsv.h"
#include "results/ResultsCsvReader.h"

#include <QTest>

class ClassMergeTest : public QObject
{
    Q_OBJECT

private slots:
    void threeLearnersCsvsMakeOneClassTable();
    void firstAndRecentGames_data();
    void firstAndRecentGames();
    void reviewGamesAreCountedApart();
    void repeatedGameCountsOnce();
    void fileIsKnownByItsName();
    void mostMissedPairsFirst();
    void classTableText();
};

namespace {

const QDateTime Start(QDate(2026, 3, 1), QTime(12, 0), Qt::UTC);

// Game number n of a learner, a minute apart, with the given correct rate ("" for none).
ResultRow game(const QString& learner, int n, const QString& rate, const QString& time = "1.5",
               const QString& file = "/data/Q1.DAT", int level = 0)
{
    ResultRow row;
    row.learner = learner;
    row.file = file;
    row.level = level;
    row.startedAt = Start.addSecs(60 * n);
    row.finishedAt = row.startedAt.addSecs(30);
    row.inputs = {20, 10, 7, 215, 515};
    row.figures = {"200", time, "2.575", rate};
    return row;
}

QList<ResultRow> readBack(const QList<ResultRow>& rows)
{
    return ResultsCsvReader::read(ResultsCsv::write(rows, CsvText::Encoding::Utf8).bytes).rows;
}

} // namespace

void ClassMergeTest::threeLearnersCsvsMakeOneClassTable()
{
    QList<ResultRow> hanako;
    for (int n = 0; n < 12; ++n)
        hanako.append(game("花子", n, QString::number(50 + 5 * n), "2"));
    QList<ResultRow> taro{game("太郎", 1, "40", "1", "/data/Q1.DAT", 1),
                          game("太郎", 2, "60", "0.5", "/data/Q1.DAT", 1)};
    QList<ResultRow> jiro{game("次郎", 3, "")};
    jiro[0].timeOuts = {{"山", "yama"}};

    const ClassTable table = ClassMerge::merge(readBack(hanako) + readBack(taro) + readBack(jiro));

    QCOMPARE(table.rows.size(), 3);
    // Means of 50…95 and of 60…105 in steps of 5.
    QCOMPARE(table.rows[0], (ClassRow{"太郎", "Q1.DAT", 1, 2, 0, Start.addSecs(60),
                                      Start.addSecs(150), 50.0, 50.0, 0.75, 0.75}));
    QCOMPARE(table.rows[1], (ClassRow{"次郎", "Q1.DAT", 0, 1, 0, Start.addSecs(180),
                                      Start.addSecs(210), std::nullopt, std::nullopt, 1.5, 1.5}));
    QCOMPARE(table.rows[2], (ClassRow{"花子", "Q1.DAT", 0, 12, 0, Start, Start.addSecs(690), 72.5,
                                      82.5, 2.0, 2.0}));
    QCOMPARE(table.missed, (QList<ClassMissedPair>{{"山", "yama", 1, 1}}));
}

void ClassMergeTest::firstAndRecentGames_data()
{
    QTest::addColumn<int>("games");
    QTest::addColumn<double>("first");
    QTest::addColumn<double>("recent");
    // Game n has the rate n.
    QTest::addRow("one_game") << 1 << 0.0 << 0.0;
    QTest::addRow("ten_games_are_both") << 10 << 4.5 << 4.5;
    QTest::addRow("fifteen_overlap") << 15 << 4.5 << 9.5;
    QTest::addRow("twenty_five") << 25 << 4.5 << 19.5;
}

void ClassMergeTest::firstAndRecentGames()
{
    QFETCH(int, games);
    QFETCH(double, first);
    QFETCH(double, recent);
    QList<ResultRow> rows;
    // Handed in newest first: the order of play is the time each game ended.
    for (int n = games - 1; n >= 0; --n)
        rows.append(game("花子", n, QString::number(n)));
    const ClassTable table = ClassMerge::merge(rows);
    QCOMPARE(table.rows.size(), 1);
    QCOMPARE(table.rows[0].games, games);
    QCOMPARE(table.rows[0].firstCorrectRate, first);
    QCOMPARE(table.rows[0].recentCorrectRate, recent);
}

void ClassMergeTest::reviewGamesAreCountedApart()
{
    ResultRow review = game("花子", 0, "0");
    review.review = true;
    const ClassTable table = ClassMerge::merge({review, game("花子", 1, "80")});
    QCOMPARE(table.rows.size(), 1);
    QCOMPARE(table.rows[0].games, 1);
    QCOMPARE(table.rows[0].reviewGames, 1);
    QCOMPARE(table.rows[0].firstCorrectRate, 80.0);
    QCOMPARE(table.rows[0].firstPlayed, Start);
}

void ClassMergeTest::repeatedGameCountsOnce()
{
    // This week's table holds last week's games again.
    const QList<ResultRow> lastWeek{game("花子", 0, "50")};
    const QList<ResultRow> thisWeek{game("花子", 0, "50"), game("花子", 1, "70")};
    const ClassTable table = ClassMerge::merge(lastWeek + thisWeek);
    QCOMPARE(table.rows.size(), 1);
    QCOMPARE(table.rows[0].games, 2);
    QCOMPARE(table.rows[0].firstCorrectRate, 60.0);
}

void ClassMergeTest::fileIsKnownByItsName()
{
    const ClassTable table = ClassMerge::merge({game("花子", 0, "50", "1", "/home/hanako/Q1.DAT"),
                                                game("花子", 1, "70", "1", "C:\\q\\Q1.DAT"),
                                                game("花子", 2, "70", "1", "/home/hanako/Q2.DAT")});
    QCOMPARE(table.rows.size(), 2);
    QCOMPARE(table.rows[0].file, QStringLiteral("Q1.DAT"));
    QCOMPARE(table.rows[0].games, 2);
    QCOMPARE(table.rows[1].file, QStringLiteral("Q2.DAT"));
}

void ClassMergeTest::mostMissedPairsFirst()
{
    QList<ResultRow> rows{game("花子", 0, "0"), game("花子", 1, "0"), game("太郎", 2, "0")};
    rows[0].timeOuts = {{"橋", "hashi"}, {"山", "yama"}};
    rows[1].timeOuts = {{"橋", "hashi"}, {"川", "kawa"}};
    rows[2].timeOuts = {{"山", "yama"}};
    const ClassTable table = ClassMerge::merge(rows);
    QCOMPARE(table.missed, (QList<ClassMissedPair>{
                               {"山", "yama", 2, 2}, {"橋", "hashi", 2, 1}, {"川", "kawa", 1, 1}}));
}

void ClassMergeTest::classTableText()
{
    ClassTable table;
    table.rows.append(
        {"Smith, Jo", "Q1.DAT", 2, 3, 1, Start, Start.addDays(1), 70.0, 72.54, 1.25, 1.1});
    table.rows.append(
        {"花子", "Q1.DAT", 0, 1, 0, Start, Start, std::nullopt, std::nullopt, 1.0004, 1.0001});
    table.missed.append({"山", "ya\"ma\"", 3, 2});
    const QByteArray bom = "\xEF\xBB\xBF";
    QCOMPARE(QString::fromUtf8(ClassCsv::classTable(table, CsvText::Encoding::Utf8).bytes),
             QString::fromUtf8(
                 bom + "学習者,ファイル,レベル,ゲーム数,復習ゲーム数,最初の日時,最後の日時,"
                       "最初10回の正解率,最近10回の正解率,正解率の変化,最初10回の平均正解時間,"
                       "最近10回の平均正解時間,平均正解時間の変化\r\n"
                       "\"Smith, Jo\",Q1.DAT,上級,3,1,2026-03-01T21:00:00+09:00,"
                       "2026-03-02T21:00:00+09:00,70.0,72.5,2.5,1.250,1.100,-0.150\r\n"
                       "花子,Q1.DAT,初級,1,0,2026-03-01T21:00:00+09:00,2026-03-01T21:00:00+09:00,"
                       ",,,1.000,1.000,0.000\r\n"));
    QCOMPARE(ClassCsv::missedPairs(table, CsvText::Encoding::Utf8).bytes,
             bom + "問題,答え,時間切れ回数,学習者数\r\n山,\"ya\"\"ma\"\"\",3,2\r\n");
}

QTEST_GUILESS_MAIN(ClassMergeTest)
#include "ClassMergeTest.moc"

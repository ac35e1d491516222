#include "HandInSamples.h"
#include "classroom/BoardWatcher.h"
#include "classroom/HandInFile.h"

#include <QAbstractItemModelTester>
#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QDateTime Nine(QDate(2026, 3, 1), QTime(0, 0), Qt::UTC);

// A game of the pupil with the given correct rate and average time, ending minutes after nine.
HandIn game(const Pupil& pupil, int minutes, const QString& rate, const QString& averageTime,
            const QList<HandInAnswer>& answers = {})
{
    HandIn handIn = sampleHandIn(pupil, Nine.addSecs(60 * minutes));
    handIn.game.figures.correctRate = rate;
    handIn.game.figures.averageCorrectTime = averageTime;
    handIn.answers = answers;
    return handIn;
}

HandInAnswer timeOut(const char* question, const char* answer)
{
    return {QString::fromUtf8(question), QString::fromUtf8(answer), false, 200, {}};
}

const Pupil Hanako{"2組", "10", "花子"};
const Pupil Taro{"2組", "9", "太郎"};
const Pupil Jiro{"1組", "3", "次郎"};

QStringList columnTexts(const QAbstractItemModel& model, int column)
{
    QStringList texts;
    for (int row = 0; row < model.rowCount(); ++row)
        texts << model.index(row, column).data().toString();
    return texts;
}

QStringList rowTexts(const QAbstractItemModel& model, int row)
{
    QStringList texts;
    for (int column = 0; column < model.columnCount(); ++column)
        texts << model.index(row, column).data().toString();
    return texts;
}

} // namespace

class BoardTest : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        folder.emplace();
        board.emplace();
        tester.emplace(&*board, QAbstractItemModelTester::FailureReportingMode::QtTest);
        watcher.emplace(folder->path(), *board);
    }

    void cleanup()
    {
        watcher.reset();
        tester.reset();
        board.reset();
    }

    void showsEachPupilsGamesLastAndBest()
    {
        handIn(game(Hanako, 0, "60", "1.5"));
        handIn(game(Hanako, 10, "90", "1.2"));
        handIn(game(Hanako, 5, "", ""));
        handIn(game(Taro, 3, "40", "2.25"));
        rescan();

        QCOMPARE(board->rowCount(), 2);
        QCOMPARE(rowTexts(*board, 0),
                 (QStringList{"2組", "9", "太郎", "1", "40", "40", "2.25", "03/01 09:03"}));
        QCOMPARE(rowTexts(*board, 1),
                 (QStringList{"2組", "10", "花子", "3", "90", "90", "1.2", "03/01 09:10"}));
    }

    void aRescanTakesNewChangedAndRemovedFiles()
    {
        const QString first = handIn(game(Hanako, 0, "60", "1.5"));
        rescan();
        handIn(game(Hanako, 1, "70", "1.4"));
        const QString taro = handIn(game(Taro, 2, "40", "2"));
        rescan();
        QCOMPARE(columnTexts(*board, BoardModel::Games), (QStringList{"1", "2"}));

        QVERIFY(QFile::remove(taro));
        overwrite(first, "not a hand-in");
        rescan();

        QCOMPARE(columnTexts(*board, BoardModel::Name), QStringList{"花子"});
        QCOMPARE(columnTexts(*board, BoardModel::Games), QStringList{"1"});
        QCOMPARE(board->malformed().keys(), QStringList{QFileInfo(first).fileName()});

        overwrite(first, HandInFile::write(game(Hanako, 0, "60", "1.5")));
        rescan();
        QCOMPARE(columnTexts(*board, BoardModel::Games), QStringList{"2"});
        QVERIFY(board->malformed().isEmpty());
    }

    void passesOverHiddenAndOtherFiles()
    {
        overwrite(folder->filePath(".hand-in-abc.part"),
                  HandInFile::write(game(Hanako, 0, "60", "1")));
        overwrite(folder->filePath("notes.txt"), HandInFile::write(game(Taro, 0, "60", "1")));
        rescan();

        QCOMPARE(board->rowCount(), 0);
        QVERIFY(board->malformed().isEmpty());
    }

    void keepsTheBoardWhileTheFolderIsOutOfReach()
    {
        handIn(game(Hanako, 0, "60", "1.5"));
        rescan();
        const QString moved = folder->path() + "-away";
        QVERIFY(QDir().rename(folder->path(), moved));
        rescan(false);
        QVERIFY(QDir().rename(moved, folder->path()));

        QCOMPARE(columnTexts(*board, BoardModel::Name), QStringList{"花子"});
    }

    void sortsByAnyColumn_data()
    {
        QTest::addColumn<int>("column");
        QTest::addColumn<Qt::SortOrder>("order");
        QTest::addColumn<QStringList>("names");
        // After 次郎 hands in a second game, as good as his first, two minutes after nine.
        QTest::addColumn<QStringList>("namesAfter");

        const QStringList byPupil{"次郎", "太郎", "花子"};
        QTest::addRow("class then number as a number")
            << int(BoardModel::ClassGroup) << Qt::AscendingOrder << byPupil << byPupil;
        QTest::addRow("class descending")
            << int(BoardModel::ClassGroup) << Qt::DescendingOrder
            << QStringList{"花子", "太郎", "次郎"} << QStringList{"花子", "太郎", "次郎"};
        QTest::addRow("number") << int(BoardModel::Number) << Qt::AscendingOrder << byPupil
                                << byPupil;
        QTest::addRow("games, ties in the pupils' order")
            << int(BoardModel::Games) << Qt::DescendingOrder << QStringList{"花子", "次郎", "太郎"}
            << QStringList{"次郎", "花子", "太郎"};
        QTest::addRow("last rate, none first")
            << int(BoardModel::LastCorrectRate) << Qt::AscendingOrder
            << QStringList{"太郎", "花子", "次郎"} << QStringList{"太郎", "花子", "次郎"};
        QTest::addRow("best rate descending")
            << int(BoardModel::BestCorrectRate) << Qt::DescendingOrder
            << QStringList{"花子", "次郎", "太郎"} << QStringList{"花子", "次郎", "太郎"};
        QTest::addRow("last average time")
            << int(BoardModel::LastAverageTime) << Qt::AscendingOrder
            << QStringList{"太郎", "次郎", "花子"} << QStringList{"太郎", "次郎", "花子"};
        QTest::addRow("last handed in")
            << int(BoardModel::LastHandedIn) << Qt::DescendingOrder
            << QStringList{"太郎", "花子", "次郎"} << QStringList{"太郎", "次郎", "花子"};
    }

    void sortsByAnyColumn()
    {
        QFETCH(int, column);
        QFETCH(Qt::SortOrder, order);
        QFETCH(QStringList, names);
        QFETCH(QStringList, namesAfter);

        handIn(game(Hanako, 0, "100", "2.5"));
        handIn(game(Hanako, 1, "50", "3"));
        handIn(game(Jiro, 0, "80", "1"));
        handIn(game(Taro, 9, "", ""));
        rescan();
        const QPersistentModelIndex jiro =
            board->index(int(columnTexts(*board, BoardModel::Name).indexOf("次郎")), 0);

        board->sort(column, order);
        QCOMPARE(columnTexts(*board, BoardModel::Name), names);
        QCOMPARE(jiro.row(), int(names.indexOf("次郎")));

        handIn(game(Jiro, 2, "80", "1"));
        rescan();
        QCOMPARE(columnTexts(*board, BoardModel::Name), namesAfter);
    }

    void ranksTheClassesMostMissedPairs()
    {
        const QString first =
            handIn(game(Hanako, 0, "0", "", {timeOut("山", "やま"), timeOut("川", "かわ")}));
        handIn(game(Hanako, 1, "0", "", {timeOut("川", "かわ")}));
        handIn(game(Taro, 0, "0", "", {timeOut("山", "やま"), timeOut("海", "うみ")}));
        handIn(game(Jiro, 0, "0", "", {timeOut("空", "そら")}));
        rescan();

        QCOMPARE(board->mostMissed(3),
                 (QList<ClassMissedPair>{
                     {"山", "やま", 2, 2}, {"川", "かわ", 2, 1}, {"海", "うみ", 1, 1}}));

        QVERIFY(QFile::remove(first));
        rescan();
        QCOMPARE(board->mostMissed(5), (QList<ClassMissedPair>{{"山", "やま", 1, 1},
                                                               {"川", "かわ", 1, 1},
                                                               {"海", "うみ", 1, 1},
                                                               {"空", "そら", 1, 1}}));
    }

private:
    // Once every scan asked for is back, the last of which says whether the folder was reached;
    // the folder's change notices may have asked for some.
    void rescan(bool reached = true)
    {
        QSignalSpy scanned(&*watcher, &BoardWatcher::scanned);
        watcher->rescan();
        QTRY_VERIFY(!watcher->isScanning());
        QVERIFY(!scanned.isEmpty());
        QCOMPARE(scanned.last(), QVariantList{reached});
    }

    QString handIn(const HandIn& handIn)
    {
        return HandInFile::put(folder->path(),
                               HandInFile::nameOf(handIn.pupil, handIn.game.finishedAt),
                               HandInFile::write(handIn))
            .value();
    }

    static void overwrite(const QString& path, const QByteArray& bytes)
    {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(bytes);
        file.close();
        // A rewrite within the same second as the first write must still be seen.
        file.open(QIODevice::ReadWrite);
        file.setFileTime(QDateTime::currentDateTime().addSecs(60),
                         QFileDevice::FileModificationTime);
    }

    std::optional<QTemporaryDir> folder;
    std::optional<BoardModel> board;
    std::optional<QAbstractItemModelTester> tester;
    std::optional<BoardWatcher> watcher;
};

QTEST_GUILESS_MAIN(BoardTest)
#include "BoardTest.moc"

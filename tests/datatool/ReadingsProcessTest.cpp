#include "ToolProcess.h"
#include "questions/QuestionFile.h"
#include "questions/TextCodec.h"

#include <QTemporaryDir>
#include <QTest>

// tazune-data readings propose, run as a user runs it, over the installed analysers and
// dictionary.
class ReadingsProcessTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void printsEachPairWithTheReadingOfItsText();
    void checkOnlyPrintsThePairsToCheck();
    void refusedCommandLines_data();
    void refusedCommandLines();
    void aFileThatIsNoQuestionFileFails();

private:
    QString path(const QString& name) const { return dir->filePath(name); }
    std::unique_ptr<QTemporaryDir> dir;
};

namespace {

bool writeQuestions(const QString& path, const QList<std::array<QString, 3>>& pairs)
{
    QuestionBank bank;
    for (const auto& [level, question, answer] : pairs)
        bank.Add(level.toInt(), *TextCodec::encode(question), *TextCodec::encode(answer));
    return bool(QuestionFile::write(path, bank));
}

} // namespace

void ReadingsProcessTest::init()
{
    dir = std::make_unique<QTemporaryDir>();
    QVERIFY(dir->isValid());
}

// The reading belongs to the question when it has kanji, else to the answer when it has, else to
// the question; a tab inside a text does not cut the row.
void ReadingsProcessTest::printsEachPairWithTheReadingOfItsText()
{
    QVERIFY(writeQuestions(path("q.DAT"), {{"0", "東京", "とうきょう"},
                                           {"0", "とうきょう", "東京"},
                                           {"1", "コーヒー", "coffee"},
                                           {"2", "今日", "kyou\tdesu"}}));

    const ToolRun run = runTool({"readings", "propose", path("q.DAT")});

    QCOMPARE(run.exitCode, 0);
    QCOMPARE(run.outLines(), (QStringList{"初級\t東京\tとうきょう\tとうきょう\t",
                                          "初級\tとうきょう\t東京\tとうきょう\t",
                                          "中級\tコーヒー\tcoffee\tこーひー\t",
                                          "上級\t今日\tkyou desu\tきょう\t要確認"}));
    QCOMPARE(run.errLines(), QStringList{"proposed: 4 readings, 1 to check (要確認)."});
}

void ReadingsProcessTest::checkOnlyPrintsThePairsToCheck()
{
    QVERIFY(writeQuestions(path("q.DAT"), {{"0", "山", "やま"}, {"0", "窓を開ける", "x"}}));

    const ToolRun run = runTool({"readings", "propose", "--check-only", path("q.DAT")});

    QCOMPARE(run.exitCode, 0);
    QCOMPARE(run.outLines(), QStringList{"初級\t窓を開ける\tx\tまどをあける\t要確認"});
    QCOMPARE(run.errLines(), QStringList{"proposed: 2 readings, 1 to check (要確認)."});
}

void ReadingsProcessTest::refusedCommandLines_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("message");
    QTest::addRow("no_command") << QStringList{"readings"} << "Name a readings command: propose.";
    QTest::addRow("unknown_command")
        << QStringList{"readings", "guess", "q.DAT"} << "Name a readings command: propose.";
    QTest::addRow("no_file") << QStringList{"readings", "propose"}
                             << "readings propose needs one question file.";
    QTest::addRow("two_files") << QStringList{"readings", "propose", "a.DAT", "b.DAT"}
                               << "readings propose needs one question file.";
    QTest::addRow("unknown_option")
        << QStringList{"readings", "propose", "--force", "a.DAT"} << "Unknown option 'force'.";
}

void ReadingsProcessTest::refusedCommandLines()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, message);

    const ToolRun run = runTool(arguments);

    QCOMPARE(run.exitCode, 2);
    QCOMPARE(run.outLines(), QStringList());
    QCOMPARE(run.errLines(), (QStringList{message, "Try \"tazune-data readings --help\"."}));
}

void ReadingsProcessTest::aFileThatIsNoQuestionFileFails()
{
    QFile table(path("words.tsv"));
    QVERIFY(table.open(QIODevice::WriteOnly));
    table.write("初級\t山\tやま\n");
    table.close();

    const ToolRun run = runTool({"readings", "propose", path("words.tsv")});

    QCOMPARE(run.exitCode, 1);
    QCOMPARE(run.outLines(), QStringList());
    QCOMPARE(run.errLines(),
             QStringList{path("words.tsv") + ": 処理できないデータのバージョンです"});
}

QTEST_GUILESS_MAIN(ReadingsProcessTest)
#include "ReadingsProcessTest.moc"

#include "TestFiles.h"
#include "classroom/AssignmentFile.h"
#include "questions/QuestionFile.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {

struct Run
{
    int exitCode = -1;
    QString out;
    QString err;
};

Run runTool(const QStringList& arguments)
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("LANG"), QStringLiteral("C"));
    environment.remove(QStringLiteral("LC_ALL"));
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(TAZUNE_DATA_TOOL), arguments);
    if (!process.waitForFinished(60'000) || process.exitStatus() != QProcess::NormalExit)
        return {};
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}

} // namespace

// tazune-data assignment new, run as the teacher runs it.
class AssignmentProcessTest : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        folder.emplace();
        QVERIFY(QDir(folder->path()).mkpath("問題"));
        QuestionBank bank;
        bank.Add(0, "yama", "mountain");
        QVERIFY(QuestionFile::write(questions(), bank));
    }

    void writesTheAssignmentWithItsQuestionFileRelative()
    {
        QVERIFY(QDir(folder->path()).mkpath("3年"));
        const Run run = runTool({"assignment",
                                 "new",
                                 questions(),
                                 "-o",
                                 path("3年/課題.txt"),
                                 "--level",
                                 "上級",
                                 "--level",
                                 "1",
                                 "--count",
                                 "25",
                                 "--seconds",
                                 "8",
                                 "--seed",
                                 "42",
                                 "--mode",
                                 "test",
                                 "--hand-in",
                                 "//server/提出",
                                 "--title",
                                 "第1回",
                                 "--furigana",
                                 "after-miss",
                                 "--romaji"});
        QCOMPARE(run.exitCode, 0);
        QVERIFY2(run.out.contains("seed 42"), qPrintable(run.out));
        const auto read = AssignmentFile::read(TestFiles::readBytes(path("3年/課題.txt")));
        QVERIFY(read);
        Assignment expected;
        expected.title = "第1回";
        expected.questionFile = "../問題/kanji.DAT";
        expected.levels = {2, 0};
        expected.questionsPerGame = 25;
        expected.secondsPerQuestion = 8;
        expected.seed = 42;
        expected.mode = AssignmentMode::Test;
        expected.furigana = Furigana::AfterMiss;
        expected.romajiInput = true;
        expected.handInFolder = "//server/提出";
        QCOMPARE(*read, expected);
    }

    void embedsACopyOfTheQuestionFile()
    {
        QCOMPARE(
            runTool({"assignment", "new", questions(), "-o", path("a.txt"), "--embed"}).exitCode,
            0);
        const auto read = AssignmentFile::read(TestFiles::readBytes(path("a.txt")));
        QVERIFY(read);
        QCOMPARE(read->questionFile, "kanji.DAT");
        QCOMPARE(read->embeddedQuestions, TestFiles::readBytes(questions()));
    }

    void refusesAWrongCommandLine_data()
    {
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<QString>("message");

        QTest::addRow("unknown level") << QStringList{"--level", "4"} << "--level cannot be \"4\"";
        QTest::addRow("level twice")
            << QStringList{"--level", "1", "--level", "初級"} << "--level cannot be \"初級\"";
        QTest::addRow("no questions") << QStringList{"--count", "0"} << "--count cannot be \"0\"";
        QTest::addRow("too many seconds")
            << QStringList{"--seconds", "1000"} << "--seconds cannot be \"1000\"";
        QTest::addRow("negative seed") << QStringList{"--seed", "-1"} << "--seed cannot be \"-1\"";
        QTest::addRow("unknown mode")
            << QStringList{"--mode", "exam"} << "--mode cannot be \"exam\"";
        QTest::addRow("unknown furigana")
            << QStringList{"--furigana", "sometimes"} << "--furigana cannot be \"sometimes\"";
    }

    void refusesAWrongCommandLine()
    {
        QFETCH(QStringList, options);
        QFETCH(QString, message);

        const Run run =
            runTool(QStringList{"assignment", "new", questions(), "-o", path("a.txt")} + options);
        QCOMPARE(run.exitCode, 2);
        QVERIFY2(run.err.contains(message), qPrintable(run.err));
        QVERIFY(!QFile::exists(path("a.txt")));
    }

    void refusesWhatItCannotUse_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("message");

        QTest::addRow("no output") << QStringList{"assignment", "new", "q.DAT"} << "needs -o FILE";
        QTest::addRow("no question file")
            << QStringList{"assignment", "new", "-o", "a.txt"} << "takes one question file";
        QTest::addRow("unknown command")
            << QStringList{"assignment", "make"} << "Name an assignment command";
    }

    void refusesWhatItCannotUse()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, message);

        const Run run = runTool(arguments);
        QCOMPARE(run.exitCode, 2);
        QVERIFY2(run.err.contains(message), qPrintable(run.err));
    }

    void refusesAFileThatIsNoQuestionFile()
    {
        QVERIFY(TestFiles::writeBytes(path("notes.txt"), "hello"));
        const Run run = runTool({"assignment", "new", path("notes.txt"), "-o", path("a.txt")});
        QCOMPARE(run.exitCode, 1);
        QVERIFY(!QFile::exists(path("a.txt")));
    }

    void replacesAnAssignmentOnlyWithForce()
    {
        QVERIFY(TestFiles::writeBytes(path("a.txt"), "previous"));
        const Run refused = runTool({"assignment", "new", questions(), "-o", path("a.txt")});
        QCOMPARE(refused.exitCode, 1);
        QVERIFY2(refused.err.contains("--force"), qPrintable(refused.err));
        QCOMPARE(TestFiles::readBytes(path("a.txt")), QByteArray("previous"));

        QCOMPARE(
            runTool({"assignment", "new", questions(), "-o", path("a.txt"), "--force"}).exitCode,
            0);
        QVERIFY(AssignmentFile::read(TestFiles::readBytes(path("a.txt"))));
    }

private:
    QString path(const QString& name) const { return folder->filePath(name); }
    QString questions() const { return path("問題/kanji.DAT"); }

    std::optional<QTemporaryDir> folder;
};

QTEST_GUILESS_MAIN(AssignmentProcessTest)
#include "AssignmentProcessTest.moc"

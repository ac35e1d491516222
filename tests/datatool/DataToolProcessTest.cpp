#include "TestFiles.h"
#include "ToolProcess.h"
#include "questions/QuestionFile.h"
#include "questions/TextCodec.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <functional>
#include <sys/resource.h>

// The built tazune-data, run as a user runs it: language from the environment, files in a
// private folder, exit codes and what reaches the two output streams.
class DataToolProcessTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void helpFollowsSystemLanguage_data();
    void helpFollowsSystemLanguage();
    void exportedTableImportsToTheSameFile_data();
    void exportedTableImportsToTheSameFile();
    void replacesOutputOnlyWithForce();
    void failedImportLeavesOutputUntouched_data();
    void failedImportLeavesOutputUntouched();
    void failedWriteKeepsPreviousOutput_data();
    void failedWriteKeepsPreviousOutput();
    void checkReportsAsTheProgramDoes_data();
    void checkReportsAsTheProgramDoes();
    void worksheetWritesAPdfOfALevelThatHasQuestions();

private:
    QString path(const QString& name) const { return dir->filePath(name); }
    QStringList entries() const
    {
        return QDir(dir->path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    }

    std::unique_ptr<QTemporaryDir> dir;
};

namespace {

// Files grow only to a few kilobytes in the child: a longer write fails as on a full disk.
void limitFileSize()
{
    std::signal(SIGXFSZ, SIG_IGN);
    const rlimit limit{4096, 4096};
    setrlimit(RLIMIT_FSIZE, &limit);
}

QuestionBank bankOfSize(int items)
{
    QuestionBank bank;
    for (int i = 0; i < items; ++i)
        bank.Add(i % QuestionBank::LevelCount, "question " + QByteArray::number(i), "answer");
    return bank;
}

const QByteArray GoodTable = "1\t山\tyama\n1\t山\t\n2\t橋\thashi\n";

} // namespace

void DataToolProcessTest::init()
{
    dir = std::make_unique<QTemporaryDir>();
    QVERIFY(dir->isValid());
}

void DataToolProcessTest::helpFollowsSystemLanguage_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<QString>("notExpected");
    const QString english = QStringLiteral("A table has one row per pair");
    const QString japanese = QStringLiteral("表は 1 行に 1 問");
    QTest::addRow("japanese") << "ja_JP.UTF-8" << japanese << english;
    QTest::addRow("c_locale") << "C" << english << japanese;
    QTest::addRow("english") << "en_GB.UTF-8" << english << japanese;
}

void DataToolProcessTest::helpFollowsSystemLanguage()
{
    QFETCH(QString, language);
    QFETCH(QString, expected);
    QFETCH(QString, notExpected);
    const ToolRun run = runTool({"--help"}, language);
    QCOMPARE(run.exitCode, 0);
    const QString help = QString::fromUtf8(run.out);
    QVERIFY2(help.contains(expected) && !help.contains(notExpected), qPrintable(help));
}

void DataToolProcessTest::exportedTableImportsToTheSameFile_data()
{
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<QByteArray>("readings");
    const QByteArray header = "レベル\t問題\t回答\tよみ\t別解\t要確認\n";
    QTest::addRow("csv_without_readings") << QStringList{"--csv"} << QByteArray();
    QTest::addRow("csv_with_readings")
        << QStringList{"--csv"}
        << header + "初級\t山\tyama, \"mountain\"\tやま\tsan | zan\t✓\n"
                    "上級\t二行\t\tにぎょう\t\t\n";
    QTest::addRow("tsv_with_header_and_readings")
        << QStringList{"--header"} << header + "上級\t海\tumi\tうみ\tkai\t\n";
}

void DataToolProcessTest::exportedTableImportsToTheSameFile()
{
    QFETCH(QStringList, options);
    QFETCH(QByteArray, readings);
    QuestionBank bank;
    bank.Add(0, TextCodec::encode(QStringLiteral("山")).value(), "yama, \"mountain\"");
    bank.Add(2, TextCodec::encode(QStringLiteral("海")).value(), "umi");
    if (options.contains("--csv"))
        bank.Add(2, TextCodec::encode(QStringLiteral("二行")).value(), "");
    QVERIFY(QuestionFile::write(path("q.DAT"), bank));
    if (!readings.isEmpty())
        QVERIFY(TestFiles::writeBytes(path("q.DAT.yomi.tsv"), readings));
    const QStringList importOptions =
        options.contains("--csv") ? QStringList{"--csv"} : QStringList();
    const ToolRun exported =
        runTool(QStringList{"export", path("q.DAT"), "-o", path("q.table")} + options);
    QVERIFY2(exported.exitCode == 0 && exported.errText().isEmpty(),
             qPrintable(exported.errText()));
    const ToolRun imported =
        runTool(QStringList{"import", path("q.table"), "-o", path("back.DAT")} + importOptions);
    QVERIFY2(imported.exitCode == 0, qPrintable(imported.errText()));
    QCOMPARE(TestFiles::readBytes(path("back.DAT")), QuestionFile::encode(bank));
    QCOMPARE(QFile::exists(path("back.DAT.yomi.tsv")), !readings.isEmpty());
    QCOMPARE(TestFiles::companionRows(path("back.DAT.yomi.tsv")),
             TestFiles::companionRows(path("q.DAT.yomi.tsv")));
}

void DataToolProcessTest::replacesOutputOnlyWithForce()
{
    QVERIFY(TestFiles::writeBytes(path("words.tsv"), GoodTable));
    QVERIFY(TestFiles::writeBytes(path("q.DAT"), "previous"));
    const ToolRun refused = runTool({"import", path("words.tsv"), "-o", path("q.DAT")});
    QCOMPARE(refused.exitCode, 1);
    QVERIFY2(refused.errText().contains("--force"), qPrintable(refused.errText()));
    QCOMPARE(TestFiles::readBytes(path("q.DAT")), QByteArray("previous"));

    QCOMPARE(runTool({"import", path("words.tsv"), "-o", path("q.DAT"), "--force"}).exitCode, 0);
    QuestionBank read;
    QCOMPARE(QuestionFile::read(path("q.DAT"), read), QuestionFile::ReadOutcome());
    QCOMPARE(read.Count(0), 2);
    QCOMPARE(read.Count(1), 1);
}

void DataToolProcessTest::failedImportLeavesOutputUntouched_data()
{
    QTest::addColumn<QString>("input");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<qint64>("sparseSize");
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<QStringList>("reasons");
    QTest::addRow("bad_row") << "bad.tsv" << GoodTable + "4\t海\tumi\n"
                             << qint64(0) << QStringList()
                             << QStringList({"bad.tsv:4: the level \"4\""});
    // The file is sparse: the test takes no memory or disk for it, and the tool must not read it.
    QTest::addRow("table_over_size_limit")
        << "huge.tsv" << QByteArray() << qint64(64 * 1024 * 1024 + 1) << QStringList()
        << QStringList({"huge.tsv: is larger than 64 MB"});
    QTest::addRow("table_of_header_only")
        << "header.tsv" << QByteArray("level\tquestion\tanswer\n") << qint64(0) << QStringList()
        << QStringList({"header.tsv: no pair came of it"});
    QTest::addRow("deck_of_notes_all_left_out")
        << "paste.txt" << QByteArray("山\t\n川\t \n") << qint64(0)
        << QStringList({"--from", "quizlet"})
        << QStringList({"paste.txt: warning: line 1: the answer is empty",
                        "paste.txt: warning: line 2: the answer is empty",
                        "paste.txt: no pair came of it"});
}

void DataToolProcessTest::failedImportLeavesOutputUntouched()
{
    QFETCH(QString, input);
    QFETCH(QByteArray, bytes);
    QFETCH(qint64, sparseSize);
    QFETCH(QStringList, options);
    QFETCH(QStringList, reasons);
    QVERIFY(TestFiles::writeBytes(path(input), bytes));
    if (sparseSize > 0)
        QVERIFY(QFile::resize(path(input), sparseSize));
    const QByteArray previous = QuestionFile::encode(bankOfSize(3));
    QVERIFY(TestFiles::writeBytes(path("q.DAT"), previous));
    const QStringList before = entries();
    const ToolRun run =
        runTool(QStringList{"import", path(input), "-o", path("q.DAT"), "--force"} + options);
    QCOMPARE(run.exitCode, 1);
    for (const QString& reason : reasons)
        QVERIFY2(run.errText().contains(dir->path() + '/' + reason), qPrintable(run.errText()));
    QVERIFY2(run.errText().endsWith("Nothing was written.\n"), qPrintable(run.errText()));
    QCOMPARE(TestFiles::readBytes(path("q.DAT")), previous);
    QCOMPARE(entries(), before);
}

void DataToolProcessTest::failedWriteKeepsPreviousOutput_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("output");
    QTest::addColumn<QString>("message");
    QTest::addRow("import_question_file") << "import"
                                          << "big.tsv"
                                          << "q.DAT"
                                          << "q.DAT: " + QuestionFile::SaveFailedMessage;
    QTest::addRow("export_table") << "export"
                                  << "big.DAT"
                                  << "q.tsv"
                                  << "q.tsv: cannot be written.";
}

void DataToolProcessTest::failedWriteKeepsPreviousOutput()
{
    QFETCH(QString, command);
    QFETCH(QString, input);
    QFETCH(QString, output);
    QFETCH(QString, message);
    const QuestionBank big = bankOfSize(1000);
    QVERIFY(QuestionFile::write(path("big.DAT"), big));
    QCOMPARE(runTool({"export", path("big.DAT"), "-o", path("big.tsv")}).exitCode, 0);
    QVERIFY(TestFiles::writeBytes(path(output), "previous"));
    const QStringList before = entries();
    const ToolRun run =
        runTool({command, path(input), "-o", path(output), "--force"}, "C", limitFileSize);
    QCOMPARE(run.exitCode, 1);
    QVERIFY2(run.errText().contains(message), qPrintable(run.errText()));
    QCOMPARE(TestFiles::readBytes(path(output)), QByteArray("previous"));
    QCOMPARE(entries(), before);
}

void DataToolProcessTest::checkReportsAsTheProgramDoes_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("expected");
    QuestionBank warned;
    warned.Add(0, "yama", "");
    warned.Add(0, "yama", "x");
    const QString failure = QStringLiteral("%1: ");
    QTest::addRow("loads_with_warnings")
        << QuestionFile::encode(warned) << 0 << "C"
        << "%1: 初級 2, 中級 0, 上級 0 (2 pairs)\n"
           "%1: warning: 初級 (level 1), item 1: the answer is empty.\n"
           "%1: warning: 初級 (level 1), item 2: the same question as item 1.\n";
    QTest::addRow("loads_with_warnings_in_japanese")
        << QuestionFile::encode(warned) << 0 << "ja_JP.UTF-8"
        << "%1: 初級 2 問、中級 0 問、上級 0 問 (計 2 問)\n"
           "%1: 警告: 初級の 1 問目: 答えが空です。\n"
           "%1: 警告: 初級の 2 問目: 1 問目と同じ問題です。\n";
    // The program's own messages stay Japanese in any language.
    QTest::addRow("foreign_header") << QByteArray("3.00b\3\0\0\0", 9) << 1 << "C"
                                    << failure + QuestionFile::WrongVersionMessage;
    QTest::addRow("cut_short") << QuestionFile::encode(warned).chopped(1) << 1 << "C"
                               << failure + QuestionFile::OpenFailedMessage;
    QTest::addRow("missing") << QByteArray() << 1 << "C"
                             << failure + QuestionFile::OpenFailedMessage;
}

void DataToolProcessTest::checkReportsAsTheProgramDoes()
{
    QFETCH(QByteArray, file);
    QFETCH(int, exitCode);
    QFETCH(QString, language);
    QFETCH(QString, expected);
    if (!file.isEmpty())
        QVERIFY(TestFiles::writeBytes(path("q.DAT"), file));
    const ToolRun run = runTool({"check", path("q.DAT")}, language);
    QCOMPARE(run.exitCode, exitCode);
    const QString report = exitCode == 0 ? QString::fromUtf8(run.out) : run.errText();
    QVERIFY2(report.contains(expected.arg(path("q.DAT"))), qPrintable(report));
}

void DataToolProcessTest::worksheetWritesAPdfOfALevelThatHasQuestions()
{
    QuestionBank bank;
    for (const char* question : {"a", "b", "c"})
        bank.Add(0, question, "answer");
    QVERIFY(QuestionFile::write(path("q.DAT"), bank));
    const ToolRun written = runTool({"worksheet", path("q.DAT"), "-o", path("w.pdf"), "--level",
                                     "1", "--count", "1", "--seed", "3", "--furigana", "always"});
    QVERIFY2(written.exitCode == 0, qPrintable(written.errText()));
    QCOMPARE(QString::fromUtf8(written.out),
             path("w.pdf") + ": written: 初級 (1 of 3 questions).\n");
    QVERIFY(TestFiles::readBytes(path("w.pdf")).startsWith("%PDF-"));

    const QStringList before = entries();
    const ToolRun empty =
        runTool({"worksheet", path("q.DAT"), "-o", path("w3.pdf"), "--level", "3"});
    QCOMPARE(empty.exitCode, 1);
    QVERIFY2(empty.errText().endsWith(path("q.DAT") +
                                      ": 上級 holds no question, so there is no "
                                      "worksheet to write.\nNothing was written.\n"),
             qPrintable(empty.errText()));
    QCOMPARE(entries(), before);
}

QTEST_GUILESS_MAIN(DataToolProcessTest)
#include "DataToolProcessTest.moc"

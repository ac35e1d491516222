#include "TestFiles.h"
#include "record/SqlLearningRecord.h"
#include "results/ResultsCsvReader.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

// tazune-data results, run as a user runs it, against a record the program's own class wrote.
class ResultsProcessTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void exportWritesOneRowPerGameAsReported();
    void mergeMakesTheClassTable();
    void malformedTableIsNamedAndNothingWritten();

private:
    QString path(const QString& name) const { return dir->filePath(name); }
    std::unique_ptr<QTemporaryDir> dir;
};

namespace {

struct Run
{
    int exitCode = -1;
    QByteArray out;
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
    return {process.exitCode(), process.readAllStandardOutput(),
            QString::fromUtf8(process.readAllStandardError())};
}

const QDateTime Now(QDate(2026, 3, 1), QTime(12, 0), Qt::UTC);

QList<ReportInputs> someGames()
{
    return {{20, 10, 7, 215, 515}, {20, 10, 0, 0, 1000}, {30, 3, 2, 30, 130}, {0, 10, 1, 5, 905}};
}

bool recordGames(const QString& path, const QList<ReportInputs>& games)
{
    SqlLearningRecord record(path);
    if (record.open() != LearningRecord::OpenOutcome::Opened)
        return false;
    for (qsizetype i = 0; i < games.size(); ++i) {
        const QDateTime at = Now.addSecs(60 * i);
        const std::optional<qint64> game = record.beginGame(
            {{QStringLiteral("/data/Q1.DAT"), QByteArray(32, 'x')}, 0, 20, 10, false, at});
        if (!game || !record.finishGame(*game, {games[i], ReportFigures::texts(games[i]), at}))
            return false;
    }
    return true;
}

} // namespace

void ResultsProcessTest::init()
{
    dir = std::make_unique<QTemporaryDir>();
    QVERIFY(dir->isValid());
}

void ResultsProcessTest::exportWritesOneRowPerGameAsReported()
{
    QVERIFY(recordGames(path("record.sqlite"), someGames()));
    const Run run =
        runTool({"results", "export", "--record", path("record.sqlite"), "--name", "花子"});
    QCOMPARE(run.exitCode, 0);
    const ResultsCsvRead read = ResultsCsvReader::read(run.out);
    QCOMPARE(read.error, std::nullopt);
    QCOMPARE(read.rows.size(), someGames().size());
    for (qsizetype i = 0; i < read.rows.size(); ++i) {
        const ReportTexts shown = ReportFigures::texts(someGames()[i]);
        const ResultFigures& figures = read.rows[i].figures;
        QCOMPARE(figures.standardTime + "／秒", shown.standardTime);
        QCOMPARE((figures.averageCorrectTime.isEmpty() ? "-" : figures.averageCorrectTime) + "／秒",
                 shown.averageCorrectTime);
        QCOMPARE((figures.correctRate.isEmpty() ? "-" : figures.correctRate) + "／％",
                 shown.correctRate);
        QCOMPARE(read.rows[i].learner, QStringLiteral("花子"));
    }
}

void ResultsProcessTest::mergeMakesTheClassTable()
{
    QStringList tables;
    for (const QString learner : {"花子", "太郎", "次郎"}) {
        const QString record = path(learner + ".sqlite");
        QVERIFY(recordGames(record, someGames()));
        QCOMPARE(runTool({"results", "export", "--record", record, "--name", learner, "-o",
                          path(learner + ".csv")})
                     .exitCode,
                 0);
        tables.append(path(learner + ".csv"));
    }
    const Run run = runTool(QStringList{"results", "merge"} + tables +
                            QStringList{"-o", path("class.csv"), "--missed", path("missed.csv")});
    QCOMPARE(run.exitCode, 0);
    const QList<QByteArray> lines = TestFiles::readBytes(path("class.csv")).split('\n');
    // A header and three learners, each one row of Q1.DAT 初級 with four games.
    QCOMPARE(lines.size(), 5);
    QVERIFY(lines[1].startsWith("太郎,Q1.DAT,初級,4,0,"));
    QVERIFY(lines[2].startsWith("次郎,Q1.DAT,初級,4,0,"));
    QVERIFY(lines[3].startsWith("花子,Q1.DAT,初級,4,0,"));
    QVERIFY(QFileInfo::exists(path("missed.csv")));
}

void ResultsProcessTest::malformedTableIsNamedAndNothingWritten()
{
    QVERIFY(recordGames(path("record.sqlite"), someGames()));
    QCOMPARE(runTool({"results", "export", "--record", path("record.sqlite"), "-o", path("a.csv")})
                 .exitCode,
             0);
    QByteArray broken = TestFiles::readBytes(path("a.csv"));
    broken.replace(",20,10,7,", ",20,ten,7,");
    QVERIFY(TestFiles::writeBytes(path("b.csv"), broken));
    const Run run = runTool({"results", "merge", path("a.csv"), path("b.csv"), "-o",
                             path("class.csv"), "--missed", path("missed.csv")});
    QCOMPARE(run.exitCode, 1);
    QVERIFY2(run.err.contains(path("b.csv") + ":2: 問題数: \"ten\" is not a number"),
             qPrintable(run.err));
    QVERIFY(!QFileInfo::exists(path("class.csv")));
    QVERIFY(!QFileInfo::exists(path("missed.csv")));
}

QTEST_GUILESS_MAIN(ResultsProcessTest)
#include "ResultsProcessTest.moc"

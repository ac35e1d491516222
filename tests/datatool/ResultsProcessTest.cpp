#include "TestFiles.h"
#include "ToolProcess.h"
#include "record/SqlLearningRecord.h"
#include "results/ResultsCsv.h"
#include "results/ResultsCsvReader.h"

#include <QDir>
#include <QPdfDocument>
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
    void classReportTakesAsManyPagesAsTheClassNeeds();
    void malformedTableIsNamedAndNothingWritten();

private:
    QString path(const QString& name) const { return dir->filePath(name); }
    std::unique_ptr<QTemporaryDir> dir;
};

namespace {

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

// A page's text as a PDF reader finds it, without the spaces and line breaks it puts between
// the painted texts.
QString pdfText(QPdfDocument& document, int page)
{
    return document.getAllText(page).text().remove(u' ').remove(u'\u3000').remove(u'\n');
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
    const ToolRun run =
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
    const ToolRun run = runTool(QStringList{"results", "merge"} + tables +
                                QStringList{"-o", path("class.csv"), "--missed", path("missed.csv"),
                                            "--pdf", path("class.pdf")});
    QCOMPARE(run.exitCode, 0);
    const QList<QByteArray> lines = TestFiles::readBytes(path("class.csv")).split('\n');
    // A header and three learners, each one row of Q1.DAT 初級 with four games.
    QCOMPARE(lines.size(), 5);
    QVERIFY(lines[1].startsWith("太郎,Q1.DAT,初級,4,0,"));
    QVERIFY(lines[2].startsWith("次郎,Q1.DAT,初級,4,0,"));
    QVERIFY(lines[3].startsWith("花子,Q1.DAT,初級,4,0,"));
    QVERIFY(QFileInfo::exists(path("missed.csv")));

    QPdfDocument report;
    QCOMPARE(report.load(path("class.pdf")), QPdfDocument::Error::None);
    QCOMPARE(report.pageCount(), 1);
    const QString text = pdfText(report, 0);
    QVERIFY2(text.contains(QDate::currentDate().toString("yyyy/MM/dd")), qPrintable(text));
    for (const QString learner : {"花子", "太郎", "次郎"})
        QVERIFY(text.contains(learner + "Q1.DAT初級"));
    QVERIFY(text.contains("ゲーム4回（復習0回）"));
    QVERIFY(text.endsWith("1/1"));
}

// Twelve blocks of a learner, file and level do not fit on one A4 page; the pairs they missed
// follow them with their answers.
void ResultsProcessTest::classReportTakesAsManyPagesAsTheClassNeeds()
{
    QStringList tables;
    const QStringList learners{"花子", "太郎", "次郎"};
    for (const QString& learner : learners) {
        QList<ResultRow> rows;
        for (int file = 0; file < 4; ++file) {
            const QDateTime start = Now.addDays(file);
            rows.append({learner,
                         QStringLiteral("/data/F%1.DAT").arg(file),
                         1,
                         start,
                         start.addSecs(60),
                         false,
                         someGames()[0],
                         {"200", "1.075", "2.575", "70"},
                         {{"山", "yama"}, {learner, "name"}}});
        }
        tables.append(path(learner + ".csv"));
        QVERIFY(TestFiles::writeBytes(tables.constLast(),
                                      ResultsCsv::write(rows, CsvText::Encoding::Utf8).bytes));
    }
    QCOMPARE(
        runTool(QStringList{"results", "merge"} + tables + QStringList{"--pdf", path("class.pdf")})
            .exitCode,
        0);

    QPdfDocument report;
    QCOMPARE(report.load(path("class.pdf")), QPdfDocument::Error::None);
    QCOMPARE(report.pageCount(), 2);
    const QString all = pdfText(report, 0) + pdfText(report, 1);
    for (const QString& learner : learners) {
        for (int file = 0; file < 4; ++file)
            QCOMPARE(all.count(learner + QStringLiteral("F%1.DAT中級").arg(file)), 1);
    }
    QVERIFY(pdfText(report, 0).endsWith("1/2"));
    const QString last = pdfText(report, 1);
    QVERIFY(last.endsWith("2/2"));
    // The pair all three missed in every game comes first.
    QVERIFY2(last.contains("123山yama"), qPrintable(last));
    QVERIFY(last.contains("41花子name"));
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
    const ToolRun run =
        runTool({"results", "merge", path("a.csv"), path("b.csv"), "-o", path("class.csv"),
                 "--missed", path("missed.csv"), "--pdf", path("class.pdf")});
    QCOMPARE(run.exitCode, 1);
    QVERIFY2(run.errText().contains(path("b.csv") + ":2: 問題数: \"ten\" is not a number"),
             qPrintable(run.errText()));
    QVERIFY(!QFileInfo::exists(path("class.csv")));
    QVERIFY(!QFileInfo::exists(path("missed.csv")));
    QVERIFY(!QFileInfo::exists(path("class.pdf")));
}

QTEST_GUILESS_MAIN(ResultsProcessTest)
#include "ResultsProcessTest.moc"

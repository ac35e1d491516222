#include "TestFiles.h"
#include "ToolProcess.h"
#include "record/ScheduleTime.h"
#include "record/SqlLearningRecord.h"

#include <QDir>
#include <QProcess>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>

// tazune-data schedule, run as a user runs it; export-log and reschedule against records the
// program's own class wrote.
class ScheduleProcessTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void replayPrintsEachPairsScheduleUnderTheGivenSettings();
    void faultyLinesAreSkippedAndCounted_data();
    void faultyLinesAreSkippedAndCounted();
    void exportLogListsGradedFirstShowingsWithTheStateBefore();
    void rescheduleReplaysTheRecordUnlessAnotherProgramWritesIt();

private:
    QString path(const QString& name) const { return dir->filePath(name); }
    std::unique_ptr<QTemporaryDir> dir;
};

namespace {

// Again, then Good at gaps of 0, 1, 3, 8 and 21 days, with another pair between.
const QByteArray SpacedReviews = "x,2022-11-29T12:30:00Z,1\n"
                                 "y,1669725000000,3\n"
                                 "x,2022-11-29T12:30:00Z,3\n"
                                 "x,2022-11-30T12:30:00Z,3\n"
                                 "x,2022-12-03T12:30:00+00:00,3\n"
                                 "x,2022-12-11T21:30:00+09:00,3\n"
                                 "x,2023-01-01T12:30:00Z,3\n";

const QDateTime Start(QDate(2025, 4, 1), QTime(9, 0), QTimeZone::utc());

// A question shown: answered when it has a match time, else timed out or, with gameEnded, the
// game ended on it.
struct Showing
{
    QByteArray question;
    int game = 0;
    QDateTime at;
    std::optional<Grade> grade;
    std::optional<qint64> matchMs;
    bool firstInGame = true;
    bool gameEnded = false;
};

bool recordShowings(const QString& path, const QList<Showing>& showings)
{
    SqlLearningRecord record(path);
    if (record.open() != LearningRecord::OpenOutcome::Opened)
        return false;
    QMap<int, qint64> games;
    for (const Showing& shown : showings) {
        if (!games.contains(shown.game)) {
            const std::optional<qint64> game = record.beginGame(
                {{QStringLiteral("/data/Q1.DAT"), QByteArray(32, 'x')}, 0, 5, 10, false, shown.at});
            if (!game)
                return false;
            games[shown.game] = *game;
        }
        AnswerOutcome outcome;
        outcome.pair = {shown.question, shown.question + "-answer"};
        outcome.correctTicks = shown.matchMs ? std::optional(10) : std::nullopt;
        outcome.at = shown.at;
        outcome.timing.matchMs = shown.matchMs;
        outcome.review = {shown.grade, shown.firstInGame, shown.gameEnded, 5000};
        if (!record.recordAnswer(games[shown.game], outcome))
            return false;
    }
    return true;
}

// Every scheduled pair's due time by its question, as the program reads it.
QMap<QByteArray, QDateTime> dueTimes(const QString& path)
{
    SqlLearningRecord record(path, SqlLearningRecord::Access::ReadOnly);
    QMap<QByteArray, QDateTime> due;
    if (record.open() != LearningRecord::OpenOutcome::Opened)
        return due;
    for (const ScheduledPair& pair : record.duePairs(Start.addYears(100), 100))
        due[pair.pair.question] = ScheduleTime::dateTimeOf(pair.schedule.due);
    return due;
}

} // namespace

void ScheduleProcessTest::init()
{
    dir = std::make_unique<QTemporaryDir>();
    QVERIFY(dir->isValid());
}

void ScheduleProcessTest::replayPrintsEachPairsScheduleUnderTheGivenSettings()
{
    QVERIFY(TestFiles::writeBytes(path("log.csv"), SpacedReviews));

    const ToolRun exact = runTool({"schedule", "replay", path("log.csv"), "--no-fuzz"});
    QCOMPARE(exact.exitCode, 0);
    QCOMPARE(exact.errLines(), QStringList());
    QCOMPARE(exact.out.split('\n').size(), 8); // seven lines and the empty rest after the last
    QCOMPARE(exact.out.split('\n')[1], "y,learning,2.3065,2.1181,2022-11-29T12:40:00Z");
    QCOMPARE(exact.out.split('\n')[6], "x,review,53.6269,6.35749,2023-02-24T12:30:00Z");

    const ToolRun keener = runTool({"schedule", "replay", path("log.csv"), "--no-fuzz",
                                    "--retention", "0.97", "--maximum-interval", "10"});
    QCOMPARE(keener.exitCode, 0);
    QCOMPARE(keener.out.split('\n')[6], "x,review,53.6269,6.35749,2023-01-11T12:30:00Z");

    const ToolRun otherModel =
        runTool({"schedule", "replay", path("log.csv"), "--no-fuzz", "--parameters",
                 "0.4 0.6 2.4 5.8 4.93 0.94 0.86 0.01 1.49 0.14 0.94 2.18 0.05 0.34 1.26 0.29 2.61 "
                 "0.5 0.1 0.07 0.15"});
    QCOMPARE(otherModel.exitCode, 0);
    QVERIFY(!otherModel.out.split('\n')[6].startsWith("x,review,53.6269,"));

    const ToolRun refused =
        runTool({"schedule", "replay", path("log.csv"), "--parameters", "1 2 3"});
    QCOMPARE(refused.exitCode, 2);
    QCOMPARE(refused.errLines().value(0), "3 parameters given where w0 to w20 need 21.");

    const ToolRun unreadable = runTool({"schedule", "replay", dir->path()});
    QCOMPARE(unreadable.exitCode, 1);
    QCOMPARE(unreadable.out.split('\n'), QList<QByteArray>{""});
}

void ScheduleProcessTest::faultyLinesAreSkippedAndCounted_data()
{
    QTest::addColumn<QByteArray>("log");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<int>("linesOut");
    QTest::addColumn<QStringList>("err");

    QTest::addRow("some_replayed")
        << QByteArray("pair,time,grade\n"
                      "a,2025-04-01T09:00:00Z,3\n"
                      "a,2025-04-01T09:10:00Z\n"
                      "a,2025-04-01T09:20:00Z,5\n"
                      "a,2025-04-01T09:30:00Z,2\n")
        << 0 << 2
        << QStringList{"log.csv: line 1: \"time\" is neither an ISO 8601 time with its offset nor "
                       "milliseconds since 1970.",
                       "log.csv: line 3: 2 fields where pair, time and grade are expected.",
                       "log.csv: line 4: the grade \"5\" is not 1, 2, 3 or 4.",
                       "log.csv: 2 lines replayed, 3 skipped."};
    QTest::addRow("none_replayed")
        << QByteArray("a,2025-04-01T09:00:00,3\n") << 1 << 0
        << QStringList{"log.csv: line 1: \"2025-04-01T09:00:00\" is neither an ISO 8601 time with "
                       "its offset nor milliseconds since 1970.",
                       "log.csv: 0 lines replayed, 1 skipped.",
                       "log.csv: no review could be replayed."};
    QTest::addRow("empty") << QByteArray() << 1 << 0
                           << QStringList{"log.csv: no review could be replayed."};
}

void ScheduleProcessTest::faultyLinesAreSkippedAndCounted()
{
    QFETCH(QByteArray, log);
    QFETCH(int, exitCode);
    QFETCH(int, linesOut);
    QFETCH(QStringList, err);

    QVERIFY(TestFiles::writeBytes(path("log.csv"), log));
    // The log named as the user gave it, relative to the folder the tool runs in.
    QVERIFY(QDir::setCurrent(dir->path()));
    const ToolRun run = runTool({"schedule", "replay", "log.csv"});
    QCOMPARE(run.exitCode, exitCode);
    QCOMPARE(run.out.split('\n').size() - 1, linesOut);
    QCOMPARE(run.errLines(), err);
}

void ScheduleProcessTest::exportLogListsGradedFirstShowingsWithTheStateBefore()
{
    const auto day = [](int days, int seconds = 0) { return Start.addDays(days).addSecs(seconds); };
    // The record numbers the pairs as it first meets them: a 1, b 2.
    QVERIFY(recordShowings(path("record.sqlite"),
                           {{"a", 1, day(0), Grade::Good, 1500},
                            {"b", 1, day(0, 10), Grade::Again, std::nullopt},
                            {"a", 1, day(0, 20), Grade::Good, 800, false},
                            {"c", 1, day(0, 30), std::nullopt, 2000},
                            {"a", 2, day(1), Grade::Good, 1200},
                            {"b", 2, day(1, 10), Grade::Again, std::nullopt, true, true},
                            {"a", 3, day(3), Grade::Again, std::nullopt},
                            {"a", 4, day(4), Grade::Good, 900}}));
    const auto at = [&](int days, int seconds = 0) {
        return QByteArray::number(day(days, seconds).toMSecsSinceEpoch());
    };
    const QList<QByteArray> expected{
        "card_id,review_time,review_rating,review_state,review_duration",
        "1," + at(0) + ",3,0,1500",
        "2," + at(0, 10) + ",1,0,5000",
        "1," + at(1) + ",3,1,1200",
        "2," + at(1, 10) + ",1,1,0",
        "1," + at(3) + ",1,2,5000",
        "1," + at(4) + ",3,3,900",
        ""};

    const QStringList exportLog{"schedule", "export-log",      "--record", path("record.sqlite"),
                                "-o",       path("revlog.csv")};
    const ToolRun run = runTool(exportLog);
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(run.out.split('\n').value(0), path("revlog.csv") + ": written: 6 reviews");
    QCOMPARE(TestFiles::readBytes(path("revlog.csv")).split('\n'), expected);

    QVERIFY(TestFiles::writeBytes(path("revlog.csv"), "kept"));
    const ToolRun refused = runTool(exportLog);
    QCOMPARE(refused.exitCode, 1);
    QCOMPARE(refused.errLines(),
             QStringList{path("revlog.csv") + ": already exists; add --force to replace it."});
    QCOMPARE(TestFiles::readBytes(path("revlog.csv")), "kept");
    QCOMPARE(runTool(exportLog + QStringList{"--force"}).exitCode, 0);
    QCOMPARE(TestFiles::readBytes(path("revlog.csv")).split('\n'), expected);
}

void ScheduleProcessTest::rescheduleReplaysTheRecordUnlessAnotherProgramWritesIt()
{
    const QString record = path("record.sqlite");
    // Two pairs reviewed for weeks, due long ago; a third met just now, due in minutes.
    QList<Showing> showings;
    for (int day : {0, 1, 4, 12, 30})
        showings.append({"a", day, Start.addDays(day), Grade::Good, 1000});
    for (int day : {0, 2, 5})
        showings.append({"b", day, Start.addDays(day).addSecs(10), Grade::Good, 3000});
    showings.append({"c", 99, QDateTime::currentDateTimeUtc(), Grade::Good, 1000});
    QVERIFY(recordShowings(record, showings));
    const QStringList reschedule{"schedule",  "reschedule",         "--record", record,
                                 "--no-fuzz", "--maximum-interval", "36500"};

    const ToolRun relaxed = runTool(reschedule + QStringList{"--retention", "0.8"});
    QCOMPARE(relaxed.exitCode, 0);
    QCOMPARE(relaxed.out.split('\n').value(0),
             record + ": rescheduled: 3 pairs have a schedule, 2 due now.");
    const QMap<QByteArray, QDateTime> relaxedDue = dueTimes(record);
    QCOMPARE(runTool(reschedule + QStringList{"--retention", "0.95"}).exitCode, 0);
    const QMap<QByteArray, QDateTime> keenDue = dueTimes(record);
    QCOMPARE(keenDue.keys(), QList<QByteArray>({"a", "b", "c"}));
    QVERIFY(keenDue["a"] < relaxedDue["a"]);
    QVERIFY(keenDue["b"] < relaxedDue["b"]);
    // The pair met just now waits its learning step under any retention.
    QCOMPARE(keenDue["c"], relaxedDue["c"]);

    QSqlDatabase other = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), "other-program");
    other.setDatabaseName(record);
    QVERIFY(other.open());
    QVERIFY(QSqlQuery(other).exec(QStringLiteral("BEGIN IMMEDIATE")));
    const ToolRun busy = runTool(reschedule);
    QSqlQuery(other).exec(QStringLiteral("ROLLBACK"));
    other.close();
    other = {};
    QSqlDatabase::removeDatabase("other-program");
    QCOMPARE(busy.exitCode, 1);
    QCOMPARE(busy.errLines(),
             QStringList{record + ": the record is being written by Tazune just now; "
                                  "nothing was changed. Try again in a moment, or "
                                  "after closing Tazune."});
    QCOMPARE(dueTimes(record), keenDue);
}

QTEST_GUILESS_MAIN(ScheduleProcessTest)
#include "ScheduleProcessTest.moc"

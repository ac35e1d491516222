#include "TestFiles.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

// tazune-data schedule replay, run as a user runs it.
class ScheduleProcessTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void replayPrintsEachPairsScheduleUnderTheGivenSettings();
    void faultyLinesAreSkippedAndCounted_data();
    void faultyLinesAreSkippedAndCounted();

private:
    QString path(const QString& name) const { return dir->filePath(name); }
    std::unique_ptr<QTemporaryDir> dir;
};

namespace {

struct Run
{
    int exitCode = -1;
    QList<QByteArray> out;
    QStringList err;
};

Run runTool(const QStringList& arguments)
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANGUAGE"})
        environment.remove(name);
    environment.insert(QStringLiteral("LANG"), QStringLiteral("C"));
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(TAZUNE_DATA_TOOL), arguments);
    if (!process.waitForFinished(60'000) || process.exitStatus() != QProcess::NormalExit)
        return {};
    return {process.exitCode(), process.readAllStandardOutput().split('\n'),
            QString::fromUtf8(process.readAllStandardError()).split('\n', Qt::SkipEmptyParts)};
}

// Again, then Good at gaps of 0, 1, 3, 8 and 21 days, with another pair between.
const QByteArray SpacedReviews = "x,2022-11-29T12:30:00Z,1\n"
                                 "y,1669725000000,3\n"
                                 "x,2022-11-29T12:30:00Z,3\n"
                                 "x,2022-11-30T12:30:00Z,3\n"
                                 "x,2022-12-03T12:30:00+00:00,3\n"
                                 "x,2022-12-11T21:30:00+09:00,3\n"
                                 "x,2023-01-01T12:30:00Z,3\n";

} // namespace

void ScheduleProcessTest::init()
{
    dir = std::make_unique<QTemporaryDir>();
    QVERIFY(dir->isValid());
}

void ScheduleProcessTest::replayPrintsEachPairsScheduleUnderTheGivenSettings()
{
    QVERIFY(TestFiles::writeBytes(path("log.csv"), SpacedReviews));

    const Run exact = runTool({"schedule", "replay", path("log.csv"), "--no-fuzz"});
    QCOMPARE(exact.exitCode, 0);
    QCOMPARE(exact.err, QStringList());
    QCOMPARE(exact.out.size(), 8); // seven lines and the empty rest after the last
    QCOMPARE(exact.out[1], "y,learning,2.3065,2.1181,2022-11-29T12:40:00Z");
    QCOMPARE(exact.out[6], "x,review,53.6269,6.35749,2023-02-24T12:30:00Z");

    const Run keener = runTool({"schedule", "replay", path("log.csv"), "--no-fuzz", "--retention",
                                "0.97", "--maximum-interval", "10"});
    QCOMPARE(keener.exitCode, 0);
    QCOMPARE(keener.out[6], "x,review,53.6269,6.35749,2023-01-11T12:30:00Z");

    const Run otherModel =
        runTool({"schedule", "replay", path("log.csv"), "--no-fuzz", "--parameters",
                 "0.4 0.6 2.4 5.8 4.93 0.94 0.86 0.01 1.49 0.14 0.94 2.18 0.05 0.34 1.26 0.29 2.61 "
                 "0.5 0.1 0.07 0.15"});
    QCOMPARE(otherModel.exitCode, 0);
    QVERIFY(!otherModel.out[6].startsWith("x,review,53.6269,"));

    const Run refused = runTool({"schedule", "replay", path("log.csv"), "--parameters", "1 2 3"});
    QCOMPARE(refused.exitCode, 2);
    QCOMPARE(refused.err.value(0), "3 parameters given where w0 to w20 need 21.");

    const Run unreadable = runTool({"schedule", "replay", dir->path()});
    QCOMPARE(unreadable.exitCode, 1);
    QCOMPARE(unreadable.out, QList<QByteArray>{""});
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
    const Run run = runTool({"schedule", "replay", "log.csv"});
    QCOMPARE(run.exitCode, exitCode);
    QCOMPARE(run.out.size() - 1, linesOut);
    QCOMPARE(run.err, err);
}

QTEST_GUILESS_MAIN(ScheduleProcessTest)
#include "ScheduleProcessTest.moc"

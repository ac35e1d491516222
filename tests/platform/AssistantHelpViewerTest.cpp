#include "platform/AssistantHelpViewer.h"

#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <signal.h>

#include <memory>

namespace {

// What one start of the stand-in recorded.
struct ViewerRun
{
    QString pid;
    QStringList arguments;
    QStringList lines;
    bool inputClosed = false;
};

QList<ViewerRun> readRuns(const QString& recordPath)
{
    QList<ViewerRun> runs;
    QFile record(recordPath);
    if (!record.open(QIODevice::ReadOnly))
        return runs;
    const QStringList entries = QString::fromUtf8(record.readAll()).split(u'\n');
    for (const QString& entry : entries) {
        const QString kind = entry.section(u' ', 0, 0);
        const QString value = entry.section(u' ', 1);
        if (kind == QLatin1String("start"))
            runs.append({value, {}, {}, false});
        else if (kind == QLatin1String("arg"))
            runs.last().arguments << value;
        else if (kind == QLatin1String("line"))
            runs.last().lines << value;
        else if (kind == QLatin1String("eof"))
            runs.last().inputClosed = true;
    }
    return runs;
}

// Alive, and not a zombie waiting to be reaped.
bool isRunning(const QString& pid)
{
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!stat.open(QIODevice::ReadOnly))
        return false;
    const QByteArray fields = stat.readAll();
    return fields.mid(fields.lastIndexOf(')') + 2, 1) != "Z";
}

// A request written as RecordingHelpViewer records it: "context N" or "finder".
void request(HelpViewer& viewer, const QString& what)
{
    if (what == QLatin1String("finder"))
        viewer.showFinder();
    else
        viewer.showContext(what.section(u' ', 1).toInt());
}

const QString StandIn = QStringLiteral(FAKE_ASSISTANT);

} // namespace

class AssistantHelpViewerTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void requestsReachOneViewer_data();
    void requestsReachOneViewer();
    void closedViewerIsStartedAgain();
    void missingCollectionShowsNothing();
    void missingViewerShowsNothing();
    void viewerOutlivesTheProgram();

private:
    QString recordPath() const { return dir->filePath(QStringLiteral("record.txt")); }
    QList<ViewerRun> runs() const { return readRuns(recordPath()); }

    std::unique_ptr<QTemporaryDir> dir;
    QString collection;
};

void AssistantHelpViewerTest::init()
{
    dir = std::make_unique<QTemporaryDir>();
    collection = dir->filePath(QStringLiteral("tazune.qhc"));
    QFile file(collection);
    QVERIFY(file.open(QIODevice::WriteOnly));
    qputenv("TAZUNE_FAKE_VIEWER_RECORD", recordPath().toLocal8Bit());
}

void AssistantHelpViewerTest::cleanup()
{
    for (const ViewerRun& run : runs()) {
        if (isRunning(run.pid))
            ::kill(run.pid.toInt(), SIGTERM);
    }
}

void AssistantHelpViewerTest::requestsReachOneViewer_data()
{
    QTest::addColumn<QStringList>("requests");
    QTest::addColumn<QStringList>("lines");

    QTest::addRow("context_with_topic")
        << QStringList{"context 1"} << QStringList{"activateIdentifier tazune.main"};
    QTest::addRow("context_without_topic")
        << QStringList{"context 0"}
        << QStringList{"activateIdentifier tazune.contents;show contents;expandToc 1"};
    QTest::addRow("finder") << QStringList{"finder"}
                            << QStringList{"show contents;expandToc 1;show index"};
    QTest::addRow("later_requests_reuse_the_viewer")
        << QStringList{"context 9", "finder", "context 11"}
        << QStringList{"activateIdentifier tazune.report", "show contents;expandToc 1;show index",
                       "activateIdentifier tazune.editor"};
}

void AssistantHelpViewerTest::requestsReachOneViewer()
{
    QFETCH(QStringList, requests);
    QFETCH(QStringList, lines);

    AssistantHelpViewer viewer(collection, StandIn);
    for (const QString& what : requests)
        request(viewer, what);

    QTRY_COMPARE(runs().value(0).lines, lines);
    QCOMPARE(runs().size(), 1);
    const QStringList arguments{QStringLiteral("-collectionFile"), collection,
                                QStringLiteral("-enableRemoteControl")};
    QCOMPARE(runs().first().arguments, arguments);
}

void AssistantHelpViewerTest::closedViewerIsStartedAgain()
{
    AssistantHelpViewer viewer(collection, StandIn);
    viewer.showContext(1);
    QTRY_COMPARE(runs().value(0).lines.size(), 1);

    const QString closed = runs().first().pid;
    QCOMPARE(::kill(closed.toInt(), SIGTERM), 0);
    // Reaped while the program runs on, not left behind as a zombie.
    QTRY_VERIFY(!QFileInfo::exists(QStringLiteral("/proc/") + closed));

    viewer.showContext(10);
    QTRY_COMPARE(runs().size(), 2);
    QTRY_COMPARE(runs().at(1).lines, QStringList{"activateIdentifier tazune.sounds"});
}

void AssistantHelpViewerTest::missingCollectionShowsNothing()
{
    QVERIFY(QFile::remove(collection));
    AssistantHelpViewer viewer(collection, StandIn);
    QCOMPARE(viewer.showContext(1), Outcome<QString>("no help collection at " + collection));
    QVERIFY(!viewer.showFinder());

    QFile file(collection);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QVERIFY(viewer.showContext(8));
    QTRY_COMPARE(runs().value(0).lines, QStringList{"activateIdentifier tazune.settings"});
    QCOMPARE(runs().size(), 1);
}

void AssistantHelpViewerTest::missingViewerShowsNothing()
{
    const QString program = dir->filePath(QStringLiteral("assistant"));
    AssistantHelpViewer viewer(collection, program);
    QCOMPARE(viewer.showContext(1), Outcome<QString>("no help viewer at " + program));
    QVERIFY(!viewer.showFinder());

    QVERIFY(QFile::copy(StandIn, program));
    QVERIFY(viewer.showContext(9));
    QTRY_COMPARE(runs().value(0).lines, QStringList{"activateIdentifier tazune.report"});
    QCOMPARE(runs().size(), 1);
}

void AssistantHelpViewerTest::viewerOutlivesTheProgram()
{
    QProcess program;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("TAZUNE_FAKE_VIEWER_STAYS"), QStringLiteral("1"));
    program.setProcessEnvironment(environment);
    program.start(QStringLiteral(VIEWER_EXIT_PROBE), {StandIn, collection, recordPath()});
    QVERIFY(program.waitForFinished());
    QCOMPARE(program.exitStatus(), QProcess::NormalExit);
    QCOMPARE(program.exitCode(), 0);
    // Not even a warning about a process destroyed while still running.
    QCOMPARE(program.readAllStandardError(), QByteArray());

    QTRY_VERIFY(runs().value(0).inputClosed);
    QVERIFY(isRunning(runs().first().pid));
}

QTEST_GUILESS_MAIN(AssistantHelpViewerTest)
#include "AssistantHelpViewerTest.moc"

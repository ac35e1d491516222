#include "classroom/HandInQueue.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

QStringList filesIn(const QString& folder)
{
    return QDir(folder).entryList({QStringLiteral("*.csv")}, QDir::Files, QDir::Name);
}

QByteArray contentOf(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class HandInQueueTest : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        root.emplace();
        share = root->filePath(QStringLiteral("share"));
        waitingFolder = root->filePath(QStringLiteral("data/hand-in"));
    }

    void aReachableFolderTakesTheFileAtOnce()
    {
        QVERIFY(QDir().mkpath(share));
        HandInQueue queue(waitingFolder);

        QCOMPARE(queue.handIn(share, "a.csv", "game"), HandInQueue::Delivery::HandedIn);
        QCOMPARE(filesIn(share), QStringList{"a.csv"});
        QCOMPARE(queue.waiting(), 0);
    }

    void anUnreachableFolderKeepsTheFileWaitingUntilItCanBeReached()
    {
        HandInQueue queue(waitingFolder);

        QCOMPARE(queue.handIn(share, "a.csv", "first"), HandInQueue::Delivery::Waiting);
        QCOMPARE(queue.handIn(share, "a.csv", "second"), HandInQueue::Delivery::Waiting);
        QCOMPARE(queue.waiting(), 2);
        QCOMPARE(queue.flush(), 2);

        QVERIFY(QDir().mkpath(share));
        QCOMPARE(queue.flush(), 0);
        QCOMPARE(filesIn(share), (QStringList{"a-2.csv", "a.csv"}));
        QCOMPARE(contentOf(share + "/a.csv") + contentOf(share + "/a-2.csv"), "firstsecond");
        QCOMPARE(QDir(waitingFolder).entryList(QDir::Files | QDir::Hidden), QStringList());
    }

    void eachWaitingFileGoesToItsOwnFolder()
    {
        const QString other = root->filePath(QStringLiteral("other"));
        HandInQueue queue(waitingFolder);
        queue.handIn(share, "a.csv", "to share");
        queue.handIn(other, "a.csv", "to other");

        QVERIFY(QDir().mkpath(other));
        QCOMPARE(queue.flush(), 1);
        // The second took a number in the waiting folder, and keeps it.
        QCOMPARE(contentOf(other + "/a-2.csv"), "to other");
        QVERIFY(QDir().mkpath(share));
        QCOMPARE(queue.flush(), 0);
        QCOMPARE(contentOf(share + "/a.csv"), "to share");
    }

    void aFileThatCanGoNowhereIsReportedLost()
    {
        QFile blocker(root->filePath(QStringLiteral("data")));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        HandInQueue queue(waitingFolder);

        QCOMPARE(queue.handIn(share, "a.csv", "game"), HandInQueue::Delivery::Lost);
    }

private:
    std::optional<QTemporaryDir> root;
    QString share;
    QString waitingFolder;
};

QTEST_GUILESS_MAIN(HandInQueueTest)
#include "HandInQueueTest.moc"

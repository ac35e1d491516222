#include "RecordQuery.h"

#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

// A program killed by SIGKILL at any moment of a game leaves a sound record that holds every
// answer it had committed, and at most the one answer in flight besides.
class RecordKillTest : public QObject
{
    Q_OBJECT

private slots:
    void killedGameLosesAtMostTheAnswerInFlight();
};

void RecordKillTest::killedGameLosesAtMostTheAnswerInFlight()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath("record.sqlite");
    QRandomGenerator random(20261209);
    qint64 committed = 0;

    for (int kill = 0; kill < 100; ++kill) {
        QProcess player;
        player.start(QStringLiteral(TAZUNE_RECORD_LOOP), {path});
        QVERIFY(player.waitForReadyRead(10'000));
        QThread::usleep(random.bounded(20'000));
        player.kill();
        QVERIFY(player.waitForFinished(10'000));
        QCOMPARE(player.exitStatus(), QProcess::CrashExit);

        // One line per answer committed in this run, printed once its transaction is done.
        for (const QByteArray& line : player.readAllStandardOutput().split('\n')) {
            bool number = false;
            line.toLongLong(&number);
            committed += number ? 1 : 0;
        }
        const qint64 stored =
            RecordQuery::value(path, "SELECT count(*) FROM outcomes").toLongLong();
        QVERIFY2(stored == committed || stored == committed + 1,
                 qPrintable(QStringLiteral("kill %1: %2 answers stored, %3 committed")
                                .arg(kill)
                                .arg(stored)
                                .arg(committed)));
        // The next run counts on from what is really there.
        committed = stored;
        QCOMPARE(RecordQuery::value(path, "PRAGMA integrity_check").toString(), "ok");
        QCOMPARE(RecordQuery::value(path, "PRAGMA foreign_key_check"), QVariant());
    }
    QVERIFY(committed > 0);
}

QTEST_GUILESS_MAIN(RecordKillTest)
#include "RecordKillTest.moc"

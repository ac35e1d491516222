#include "SaveLoopBanks.h"
#include "TestFiles.h"
#include "questions/QuestionFile.h"

#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

// A save cut short at any moment, even by SIGKILL, leaves the whole old file or the whole new one.
class SaveInterruptionTest : public QObject
{
    Q_OBJECT

private slots:
    void killedSaveLeavesOneWholeFile();
};

void SaveInterruptionTest::killedSaveLeavesOneWholeFile()
{
    const std::array<QuestionBank, 2> banks = saveLoopBanks();
    const QByteArray contents[] = {QuestionFile::encode(banks[0]), QuestionFile::encode(banks[1])};
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath("LOOP.DAT");
    QVERIFY(QuestionFile::write(path, banks[0]));
    QRandomGenerator random(20240607);

    for (int kill = 0; kill < 100; ++kill) {
        QProcess saver;
        saver.start(QStringLiteral(TAZUNE_SAVE_LOOP), {path});
        // The first line tells that the loop is running; the kill then falls anywhere in the
        // saves that follow.
        QVERIFY(saver.waitForReadyRead(10'000));
        QThread::usleep(random.bounded(15'000));
        saver.kill();
        QVERIFY(saver.waitForFinished(10'000));
        QCOMPARE(saver.exitStatus(), QProcess::CrashExit);

        const QByteArray left = TestFiles::readBytes(path);
        QVERIFY2(left == contents[0] || left == contents[1],
                 qPrintable(QStringLiteral("kill %1 left %2 bytes").arg(kill).arg(left.size())));
    }
}

QTEST_GUILESS_MAIN(SaveInterruptionTest)
#include "SaveInterruptionTest.moc"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

// The program started with a pupil it cannot take: it says why and stops before any window or
// file is made, also under the data folder it was given.
class StartOptionsProcessTest : public QObject
{
    Q_OBJECT

private slots:
    void refusesAMalformedPupilBeforeAnythingIsWritten_data()
    {
        QTest::addColumn<QString>("pupil");
        QTest::addColumn<QString>("message");

        QTest::addRow("two parts") << "2組,花子"
                                   << "組,番号,名前 の三つをコンマで区切って指定してください";
        QTest::addRow("empty number") << "2組,,花子"
                                      << "番号 が空です";
    }

    void refusesAMalformedPupilBeforeAnythingIsWritten()
    {
        QFETCH(QString, pupil);
        QFETCH(QString, message);

        QTemporaryDir data;
        QProcess program;
        program.start(QStringLiteral(TAZUNE_PROGRAM),
                      {"--data", data.filePath("tazune"), "--pupil", pupil});
        QVERIFY(program.waitForFinished(60'000));
        QCOMPARE(program.exitCode(), 2);
        QVERIFY(QString::fromUtf8(program.readAllStandardError()).contains(message));
        QVERIFY(!QDir(data.filePath("tazune")).exists());
    }
};

QTEST_GUILESS_MAIN(StartOptionsProcessTest)
#include "StartOptionsProcessTest.moc"

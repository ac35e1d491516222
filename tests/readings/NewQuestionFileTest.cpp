#include "readings/NewQuestionFile.h"
#include "TestFiles.h"

#include <QTemporaryDir>
#include <QTest>

class NewQuestionFileTest : public QObject
{
    Q_OBJECT

private slots:
    void replacesTheReadingsOfAnyFileThatWasThere_data();
    void replacesTheReadingsOfAnyFileThatWasThere();
};

void NewQuestionFileTest::replacesTheReadingsOfAnyFileThatWasThere_data()
{
    QTest::addColumn<QByteArray>("previous");
    QTest::addColumn<QString>("reading");
    QTest::addColumn<QList<CompanionRow>>("rows");
    const QByteArray old = "レベル\t問題\t回答\tよみ\t別解\t要確認\n初級\tq\ta\tふるい\t\t\n";
    const QList<CompanionRow> yama{{0, "q", "a", {QStringLiteral("やま"), {}, false}}};
    QTest::addRow("no_readings_no_file") << QByteArray() << "" << QList<CompanionRow>();
    QTest::addRow("readings_make_the_file") << QByteArray() << "やま" << yama;
    QTest::addRow("readings_replace_the_old_ones") << old << "やま" << yama;
    QTest::addRow("no_readings_empty_the_old_file") << old << "" << QList<CompanionRow>();
}

void NewQuestionFileTest::replacesTheReadingsOfAnyFileThatWasThere()
{
    QFETCH(QByteArray, previous);
    QFETCH(QString, reading);
    QFETCH(QList<CompanionRow>, rows);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("q.DAT"));
    const QString companion = ReadingsCompanion::companionPath(path);
    if (!previous.isEmpty())
        QVERIFY(TestFiles::writeBytes(companion, previous));
    QuestionBank bank;
    bank.Add(0, "q", "a");
    ReadingsTable readings(bank);
    readings.setReading(0, 0, {reading, {}, false});
    QVERIFY(NewQuestionFile::write(path, bank, readings));
    QCOMPARE(TestFiles::readBytes(path), QuestionFile::encode(bank));
    QCOMPARE(QFile::exists(companion), !previous.isEmpty() || !reading.isEmpty());
    QCOMPARE(TestFiles::companionRows(companion), rows);
}

QTEST_GUILESS_MAIN(NewQuestionFileTest)
#include "NewQuestionFileTest.moc"

#include "results/CsvText.h"

#include <QTest>

class CsvTextTest : public QObject
{
    Q_OBJECT

private slots:
    // Every table the program writes goes through record(), and every one it reads through parse().
    void aFormulaIsNeutralisedAndReadBackAsItWas_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("written");

        QTest::addRow("equals") << "=HYPERLINK(\"x\")"
                                << "\"'=HYPERLINK(\"\"x\"\")\"\r\n";
        QTest::addRow("plus") << "+A1"
                              << "'+A1\r\n";
        QTest::addRow("minus before a formula") << "-1+A1"
                                                << "'-1+A1\r\n";
        QTest::addRow("signed number") << "-1.5"
                                       << "-1.5\r\n";
        QTest::addRow("signed whole number") << "+3"
                                             << "+3\r\n";
        QTest::addRow("sign and point only") << "-."
                                             << "'-.\r\n";
        QTest::addRow("number without its fraction") << "-1."
                                                     << "'-1.\r\n";
        QTest::addRow("apostrophe before a number") << "'-1"
                                                    << "'-1\r\n";
        QTest::addRow("at") << "@SUM(A1)"
                            << "'@SUM(A1)\r\n";
        QTest::addRow("tab") << "\tx"
                             << "'\tx\r\n";
        QTest::addRow("carriage return") << "\rx"
                                         << "\"'\rx\"\r\n";
        QTest::addRow("apostrophe before a formula") << "'=1"
                                                     << "''=1\r\n";
        QTest::addRow("apostrophes only") << "''"
                                          << "''\r\n";
        QTest::addRow("apostrophe before text") << "'abc"
                                                << "'abc\r\n";
        QTest::addRow("formula sign later") << "a=b"
                                            << "a=b\r\n";
        QTest::addRow("full-width equals") << "＝1"
                                           << "＝1\r\n";
        QTest::addRow("empty") << ""
                               << "\r\n";
    }

    void aFormulaIsNeutralisedAndReadBackAsItWas()
    {
        QFETCH(QString, field);
        QFETCH(QString, written);

        const QString record = CsvText::record({field, QStringLiteral("next")});
        QCOMPARE(record, written.chopped(2) + QStringLiteral(",next\r\n"));
        const CsvText::Parsed parsed = CsvText::parse(record);
        QVERIFY(!parsed.error);
        QCOMPARE(parsed.records.size(), 1);
        QCOMPARE(parsed.records[0].fields, QStringList({field, QStringLiteral("next")}));
    }
};

QTEST_GUILESS_MAIN(CsvTextTest)
#include "CsvTextTest.moc"

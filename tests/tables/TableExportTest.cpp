#include "tables/TableExport.h"
#include "TestFiles.h"
#include "questions/QuestionFile.h"
#include "questions/TextCodec.h"
#include "tables/TableImport.h"

#include <QTest>

using TestFiles::hex;

class TableExportTest : public QObject
{
    Q_OBJECT

private slots:
    void exportThenImportGivesTheSameFile_data();
    void exportThenImportGivesTheSameFile();
    void quotesCsvFieldsThatNeedIt();
    void keepsCsvFormulasFromRunning();
    void refusesTextsTheTableCannotHold_data();
    void refusesTextsTheTableCannotHold();
    void exportThenImportKeepsTheReadings_data();
    void exportThenImportKeepsTheReadings();
    void writesReadingColumnsOnlyForAFileWithReadings();
};

namespace {

QByteArray cp932(const QString& text)
{
    return TextCodec::encode(text).value();
}

QuestionBank bankWith(std::initializer_list<std::pair<QByteArray, QByteArray>> items)
{
    QuestionBank bank;
    int level = 0;
    for (const auto& [question, answer] : items)
        bank.Add(level++ % QuestionBank::LevelCount, question, answer);
    return bank;
}

} // namespace

void TableExportTest::exportThenImportGivesTheSameFile_data()
{
    QTest::addColumn<QuestionBank>("bank");
    QTest::addColumn<TableFormat>("format");
    QTest::addColumn<TableEncoding>("encoding");
    QTest::addColumn<bool>("header");
    // Texts every table holds: kana, kanji, quotes, commas, edge spaces, empty texts.
    const QuestionBank plain = bankWith({{cp932("今日は「雨」です。"), "kyou wa \"ame\" desu"},
                                         {cp932("ｶﾀｶﾅ, 山"), " yama "},
                                         {"", ""},
                                         {cp932("level"), "1"}});
    const QuestionBank lineBreaks =
        bankWith({{"two\r\nlines", "tab\there"}, {"\"quoted\"", "a\nb"}, {"x,", ",\"\r"}});
    const QuestionBank cp932Only = bankWith({{hex("87 9A FA 5B"), "x"}, {hex("A0"), "y"}});
    // Texts a spreadsheet would run, and texts only apostrophes keep from being such.
    const QuestionBank formulas =
        bankWith({{"=1+1", "@SUM(A1)"}, {"'=x", "-1.5"}, {"-x", "+A1"}, {"''", cp932("'＝")}});
    const auto tsv = TableFormat::Tsv;
    const auto csv = TableFormat::Csv;
    const auto utf8 = TableEncoding::Utf8;
    const auto sjis = TableEncoding::Cp932;
    QTest::addRow("tsv_utf8") << plain << tsv << utf8 << false;
    QTest::addRow("tsv_utf8_header") << plain << tsv << utf8 << true;
    QTest::addRow("tsv_cp932") << plain << tsv << sjis << false;
    QTest::addRow("tsv_cp932_bytes_utf8_cannot_hold") << cp932Only << tsv << sjis << false;
    QTest::addRow("csv_utf8") << plain << csv << utf8 << false;
    QTest::addRow("csv_utf8_header") << plain << csv << utf8 << true;
    QTest::addRow("csv_line_breaks_quotes_commas") << lineBreaks << csv << utf8 << false;
    QTest::addRow("csv_cp932") << lineBreaks << csv << sjis << false;
    QTest::addRow("csv_formulas") << formulas << csv << utf8 << false;
    QTest::addRow("csv_cp932_formulas") << formulas << csv << sjis << false;
    QTest::addRow("tsv_formulas") << formulas << tsv << utf8 << false;
    QTest::addRow("empty_bank") << QuestionBank() << csv << utf8 << true;
}

void TableExportTest::exportThenImportGivesTheSameFile()
{
    QFETCH(QuestionBank, bank);
    QFETCH(TableFormat, format);
    QFETCH(TableEncoding, encoding);
    QFETCH(bool, header);
    const ExportResult exported = exportTable(bank, {format, encoding, header});
    QCOMPARE(exported.errors, QList<ExportError>());
    const ImportResult imported = importTable(exported.table, {format, encoding});
    QCOMPARE(imported.errors, QList<TableError>());
    QCOMPARE(QuestionFile::encode(imported.bank), QuestionFile::encode(bank));
}

void TableExportTest::quotesCsvFieldsThatNeedIt()
{
    QuestionBank bank = bankWith({{"a,b", "say \"hi\""}, {" x", "plain"}});
    bank.Add(0, "c\nd", "");
    const ExportResult exported =
        exportTable(bank, {TableFormat::Csv, TableEncoding::Utf8, /*header=*/true});
    QCOMPARE(exported.table, QByteArray("level,question,answer\r\n"
                                        "1,\"a,b\",\"say \"\"hi\"\"\"\r\n"
                                        "1,\"c\nd\",\r\n"
                                        "2,\" x\",plain\r\n"));
}

// A tab-separated table keeps every text as it stands.
void TableExportTest::keepsCsvFormulasFromRunning()
{
    const QuestionBank bank = bankWith({{"=1+1", "-1.5"}, {"'@x", "a=b"}});
    QCOMPARE(exportTable(bank, {TableFormat::Csv, TableEncoding::Utf8, false}).table,
             QByteArray("1,'=1+1,-1.5\r\n"
                        "2,''@x,a=b\r\n"));
    QCOMPARE(exportTable(bank, {TableFormat::Tsv, TableEncoding::Utf8, false}).table,
             QByteArray("1\t=1+1\t-1.5\n"
                        "2\t'@x\ta=b\n"));
}

void TableExportTest::refusesTextsTheTableCannotHold_data()
{
    using Kind = ExportError::Kind;
    QTest::addColumn<QuestionBank>("bank");
    QTest::addColumn<TableFormat>("format");
    QTest::addColumn<QList<ExportError>>("errors");
    QuestionBank breaks = bankWith({{"q", "a"}, {"q", "a"}});
    breaks.Add(1, "two\nlines", "tab\t");
    breaks.Add(1, "cr\r", "a");
    QTest::addRow("tab_and_line_breaks_in_tsv")
        << breaks << TableFormat::Tsv
        << QList<ExportError>{{Kind::TabOrLineBreakInTsv, 1, 1, TextField::Question},
                              {Kind::TabOrLineBreakInTsv, 1, 1, TextField::Answer},
                              {Kind::TabOrLineBreakInTsv, 1, 2, TextField::Question}};
    QTest::addRow("second_form_of_a_character_in_utf8")
        << bankWith({{"q", "a"}, {cp932("∵"), hex("87 9A")}}) << TableFormat::Csv
        << QList<ExportError>{{Kind::NotKeptByUtf8, 1, 0, TextField::Answer}};
    QTest::addRow("bytes_that_are_not_cp932_in_utf8")
        << bankWith({{hex("A0"), "a"}, {"q", hex("82")}}) << TableFormat::Tsv
        << QList<ExportError>{{Kind::NotKeptByUtf8, 0, 0, TextField::Question},
                              {Kind::NotKeptByUtf8, 1, 0, TextField::Answer}};
}

void TableExportTest::refusesTextsTheTableCannotHold()
{
    QFETCH(QuestionBank, bank);
    QFETCH(TableFormat, format);
    QFETCH(QList<ExportError>, errors);
    const ExportResult exported = exportTable(bank, {format, TableEncoding::Utf8, false});
    QCOMPARE(exported.errors, errors);
    QVERIFY(exported.table.isEmpty());
}

namespace {

QList<PairReading> readingsOf(const QuestionBank& bank, const ReadingsTable& readings)
{
    QList<PairReading> list;
    for (int level = 0; level < QuestionBank::LevelCount; ++level) {
        for (int position = 0; position < bank.Count(level); ++position)
            list.append(readings.reading(level, position));
    }
    return list;
}

} // namespace

void TableExportTest::exportThenImportKeepsTheReadings_data()
{
    QTest::addColumn<TableFormat>("format");
    QTest::addColumn<TableEncoding>("encoding");
    QTest::addColumn<bool>("header");
    QTest::addRow("tsv_utf8") << TableFormat::Tsv << TableEncoding::Utf8 << false;
    QTest::addRow("tsv_cp932_header") << TableFormat::Tsv << TableEncoding::Cp932 << true;
    QTest::addRow("csv_utf8_header") << TableFormat::Csv << TableEncoding::Utf8 << true;
}

void TableExportTest::exportThenImportKeepsTheReadings()
{
    QFETCH(TableFormat, format);
    QFETCH(TableEncoding, encoding);
    QFETCH(bool, header);
    const QuestionBank bank = bankWith({{cp932("山"), "yama"},
                                        {cp932("食べ物"), "tabemono"},
                                        {cp932("川"), "kawa"},
                                        {cp932("海"), "umi"}});
    ReadingsTable readings(bank);
    readings.setReading(0, 0, {QStringLiteral("やま"), {"san", "sen, zan"}, true});
    readings.setReading(1, 0, {QStringLiteral("たべもの"), {}, false});
    readings.setReading(0, 1, {{}, {"umi"}, false});
    const ExportResult exported = exportTable(bank, {format, encoding, header}, readings);
    QCOMPARE(exported.errors, QList<ExportError>());
    const ImportResult imported = importTable(exported.table, {format, encoding});
    QCOMPARE(imported.errors, QList<TableError>());
    QCOMPARE(QuestionFile::encode(imported.bank), QuestionFile::encode(bank));
    QCOMPARE(readingsOf(imported.bank, imported.readings), readingsOf(bank, readings));
}

void TableExportTest::writesReadingColumnsOnlyForAFileWithReadings()
{
    const QuestionBank bank = bankWith({{cp932("山"), "yama"}, {cp932("川"), "kawa"}});
    const ExportOptions options{TableFormat::Tsv, TableEncoding::Utf8, /*header=*/true};
    QCOMPARE(exportTable(bank, options, ReadingsTable(bank)).table,
             QByteArray("level\tquestion\tanswer\n1\t山\tyama\n2\t川\tkawa\n"));
    ReadingsTable readings(bank);
    readings.setReading(1, 0, {QStringLiteral("かわ"), {"gawa", "sen"}, true});
    QCOMPARE(exportTable(bank, options, readings).table,
             QByteArray("level\tquestion\tanswer\treading\talternatives\tcheck\n"
                        "1\t山\tyama\t\t\t\n"
                        "2\t川\tkawa\tかわ\tgawa | sen\t○\n"));
}

QTEST_GUILESS_MAIN(TableExportTest)
#include "TableExportTest.moc"

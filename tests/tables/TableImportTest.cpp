#include "tables/TableImport.h"
#include "TestFiles.h"
#include "questions/QuestionFile.h"
#include "questions/TextCodec.h"

#include <QTest>

using TestFiles::hex;

class TableImportTest : public QObject
{
    Q_OBJECT

private slots:
    void keepsRowOrderWithinEachLevel();
    void givesTheSameFileFromEachEncoding_data();
    void givesTheSameFileFromEachEncoding();
    void keepsCp932BytesAsTheyAre_data();
    void keepsCp932BytesAsTheyAre();
    void takesJisFormsAsTheirCp932Twins();
    void readsCsvQuotes();
    void reportsEveryFaultyLine_data();
    void reportsEveryFaultyLine();
    void readsReadingsFromTheColumnsAfterTheAnswer_data();
    void readsReadingsFromTheColumnsAfterTheAnswer();
};

char* toString(const TableError& error)
{
    return QTest::toString(QStringLiteral("line %1: kind %2 \"%3\"")
                               .arg(error.line)
                               .arg(int(error.kind))
                               .arg(error.detail));
}

namespace {

using Kind = TableError::Kind;
using Encoding = std::optional<TableEncoding>;

QByteArray cp932(const QString& text)
{
    return TextCodec::encode(text).value();
}

// The question file the import would write; the errors fail the calling test.
QByteArray importedFile(const QByteArray& table, TableFormat format = TableFormat::Tsv,
                        Encoding encoding = {})
{
    const ImportResult result = importTable(table, {format, encoding});
    return result.errors.isEmpty() ? QuestionFile::encode(result.bank) : QByteArray("errors");
}

} // namespace

void TableImportTest::keepsRowOrderWithinEachLevel()
{
    const QByteArray table = "level\tquestion\tanswer\r\n"
                             "3\t今日は雨です。\tkyou wa ame desu\r\n"
                             "1\t山\tyama\n"
                             "\n"
                             "初級\t川\tkawa\n"
                             "中級\t橋\thashi\n"
                             "上級\t\t\n";
    QuestionBank expected;
    expected.Add(0, cp932("山"), "yama");
    expected.Add(0, cp932("川"), "kawa");
    expected.Add(1, cp932("橋"), "hashi");
    expected.Add(2, cp932("今日は雨です。"), "kyou wa ame desu");
    expected.Add(2, "", "");
    QCOMPARE(importedFile(table), QuestionFile::encode(expected));
}

void TableImportTest::givesTheSameFileFromEachEncoding_data()
{
    const QString text = QStringLiteral("1\t山\tyama\n2\tｶﾀｶﾅ\tkatakana\n3\t「雨」です。\tame\n");
    QTest::addColumn<QByteArray>("table");
    QTest::addColumn<Encoding>("encoding");
    QTest::addRow("utf8") << text.toUtf8() << Encoding();
    QTest::addRow("utf8_with_bom") << "\xEF\xBB\xBF" + text.toUtf8() << Encoding();
    QTest::addRow("utf8_with_bom_named")
        << "\xEF\xBB\xBF" + text.toUtf8() << Encoding(TableEncoding::Utf8);
    QTest::addRow("cp932") << cp932(text) << Encoding();
    QTest::addRow("cp932_named") << cp932(text) << Encoding(TableEncoding::Cp932);
}

void TableImportTest::givesTheSameFileFromEachEncoding()
{
    QFETCH(QByteArray, table);
    QFETCH(Encoding, encoding);
    QuestionBank expected;
    expected.Add(0, cp932("山"), "yama");
    expected.Add(1, cp932("ｶﾀｶﾅ"), "katakana");
    expected.Add(2, cp932("「雨」です。"), "ame");
    QCOMPARE(importedFile(table, TableFormat::Tsv, encoding), QuestionFile::encode(expected));
}

void TableImportTest::keepsCp932BytesAsTheyAre_data()
{
    QTest::addColumn<QByteArray>("question");
    QTest::addColumn<Encoding>("encoding");
    // 87 9A and FA 5B are CP932's second and third forms of ∵ (81 E6); no decoding may fold them.
    QTest::addRow("second_forms_detected") << hex("87 9A FA 5B 81 E6") << Encoding();
    QTest::addRow("no_cp932_character_named_cp932")
        << hex("A0 FD 85 40") << Encoding(TableEncoding::Cp932);
}

void TableImportTest::keepsCp932BytesAsTheyAre()
{
    QFETCH(QByteArray, question);
    QFETCH(Encoding, encoding);
    QuestionBank expected;
    expected.Add(0, question, "x");
    QCOMPARE(importedFile("1\t" + question + "\tx\n", TableFormat::Tsv, encoding),
             QuestionFile::encode(expected));
}

void TableImportTest::takesJisFormsAsTheirCp932Twins()
{
    QuestionBank expected;
    expected.Add(0, hex("31 81 60 39"), hex("81 7C 35"));
    QCOMPARE(importedFile(QStringLiteral("1\t1〜9\t−5\n").toUtf8()),
             QuestionFile::encode(expected));
}

void TableImportTest::readsCsvQuotes()
{
    const QByteArray table = "1,\"a, \"\"b\"\"\r\nc\",x\r\n2,\"\",\",\"\n3,plain,\"\"\"\"";
    QuestionBank expected;
    expected.Add(0, "a, \"b\"\r\nc", "x");
    expected.Add(1, "", ",");
    expected.Add(2, "plain", "\"");
    QCOMPARE(importedFile(table, TableFormat::Csv), QuestionFile::encode(expected));
}

void TableImportTest::reportsEveryFaultyLine_data()
{
    QTest::addColumn<QByteArray>("table");
    QTest::addColumn<TableFormat>("format");
    QTest::addColumn<Encoding>("encoding");
    QTest::addColumn<QList<TableError>>("errors");
    const auto tsv = TableFormat::Tsv;
    const auto csv = TableFormat::Csv;
    QTest::addRow("level_above_three") << QByteArray("1\tq\ta\n4\tq\ta\n") << tsv << Encoding()
                                       << QList<TableError>{{Kind::UnknownLevel, 2, "4"}};
    QTest::addRow("level_zero") << QByteArray("0\tq\ta\n") << tsv << Encoding()
                                << QList<TableError>{{Kind::UnknownLevel, 1, "0"}};
    QTest::addRow("level_word_not_a_level")
        << QByteArray("初級者\tq\ta\n") << tsv << Encoding()
        << QList<TableError>{{Kind::UnknownLevel, 1, QStringLiteral("初級者")}};
    QTest::addRow("header_only_first") << QByteArray("1\tq\ta\nlevel\tq\ta\n") << tsv << Encoding()
                                       << QList<TableError>{{Kind::UnknownLevel, 2, "level"}};
    QTest::addRow("each_faulty_row")
        << QByteArray("1\tq\n1\tq\ta\tよみ\t\t\t\n1,q,a\n") << tsv << Encoding()
        << QList<TableError>{
               {Kind::FieldCount, 1, "2"}, {Kind::FieldCount, 2, "7"}, {Kind::FieldCount, 3, "1"}};
    QTest::addRow("reading_not_in_kana")
        << QByteArray("1\t山\tyama\tやま\n1\t川\tkawa\tかわ川\n") << tsv << Encoding()
        << QList<TableError>{{Kind::ReadingNotKana, 2, QStringLiteral("川")}};
    QTest::addRow("characters_without_cp932_form")
        << QByteArray("1\tq\ta\n2\t山😀\ta€\n") << tsv << Encoding()
        << QList<TableError>{{Kind::NoCp932Form, 2, QStringLiteral("😀")},
                             {Kind::NoCp932Form, 2, QStringLiteral("€")}};
    QTest::addRow("carriage_return_inside_tsv_field")
        << QByteArray("1\tq\rx\ta\n") << tsv << Encoding()
        << QList<TableError>{{Kind::StrayCarriageReturn, 1, {}}};
    QTest::addRow("quote_inside_unquoted_field")
        << QByteArray("1,q\"x,a\n2,q,a\n") << csv << Encoding()
        << QList<TableError>{{Kind::QuoteInUnquotedField, 1, {}}};
    QTest::addRow("text_after_closing_quote")
        << QByteArray("1,\"q\"x,a\n2,\"q\",a\n") << csv << Encoding()
        << QList<TableError>{{Kind::TextAfterClosingQuote, 1, {}}};
    QTest::addRow("unclosed_quote_at_its_line")
        << QByteArray("1,q,a\n2,\"open,a\nmore\n") << csv << Encoding()
        << QList<TableError>{{Kind::UnclosedQuote, 2, {}}};
    QTest::addRow("lines_counted_inside_quotes")
        << QByteArray("1,\"a\r\nb\nc\",x\n9,q,a\n") << csv << Encoding()
        << QList<TableError>{{Kind::UnknownLevel, 4, "9"}};
    QTest::addRow("invalid_utf8_when_named")
        << QByteArray("1\tq\ta\n1\t" + cp932("山") + "\ta\n") << tsv
        << Encoding(TableEncoding::Utf8) << QList<TableError>{{Kind::InvalidUtf8, 2, {}}};
    QTest::addRow("neither_utf8_nor_cp932")
        << QByteArray("1\tq\ta\n1\t\x85\x40\ta\n1\tq\ta\x81\n") << tsv << Encoding()
        << QList<TableError>{{Kind::NeitherUtf8NorCp932, 2, {}},
                             {Kind::NeitherUtf8NorCp932, 3, {}}};
}

void TableImportTest::reportsEveryFaultyLine()
{
    QFETCH(QByteArray, table);
    QFETCH(TableFormat, format);
    QFETCH(Encoding, encoding);
    QFETCH(QList<TableError>, errors);
    QCOMPARE(importTable(table, {format, encoding}).errors, errors);
}

using Readings = QList<PairReading>;

void TableImportTest::readsReadingsFromTheColumnsAfterTheAnswer_data()
{
    QTest::addColumn<QByteArray>("table");
    QTest::addColumn<TableFormat>("format");
    QTest::addColumn<Readings>("readings");
    const auto tsv = TableFormat::Tsv;
    QTest::addRow("no_reading_columns") << QByteArray("1\t山\tyama\n") << tsv << Readings{{}};
    QTest::addRow("reading_only") << QByteArray("1\t山\tyama\tやま\n") << tsv
                                  << Readings{{QStringLiteral("やま"), {}, false}};
    QTest::addRow("alternatives_split_and_trimmed")
        << QByteArray("1\t山\tyama\t\tsan | zan|  |sen\n") << tsv
        << Readings{{{}, {"san", "zan", "sen"}, false}};
    QTest::addRow("any_mark_waits_for_a_check")
        << QByteArray("1\t山\tyama\tやま\t\tx\n1\t川\tkawa\tかわ\t\t \n") << tsv
        << Readings{{QStringLiteral("やま"), {}, true}, {QStringLiteral("かわ"), {}, false}};
    QTest::addRow("rows_with_and_without_in_one_table")
        << QByteArray("1\t山\tyama\n1\t川\tkawa\tカワ\t\t○\n") << tsv
        << Readings{{}, {QStringLiteral("カワ"), {}, true}};
    QTest::addRow("csv_quoted_alternatives")
        << QByteArray("1,山,yama,やま,\"san, zan | sen\",\r\n") << TableFormat::Csv
        << Readings{{QStringLiteral("やま"), {"san, zan", "sen"}, false}};
}

void TableImportTest::readsReadingsFromTheColumnsAfterTheAnswer()
{
    QFETCH(QByteArray, table);
    QFETCH(TableFormat, format);
    QFETCH(Readings, readings);
    const ImportResult result = importTable(table, {format, {}});
    QCOMPARE(result.errors, QList<TableError>());
    Readings read;
    for (int position = 0; position < result.bank.Count(0); ++position)
        read.append(result.readings.reading(0, position));
    QCOMPARE(read, readings);
}

QTEST_GUILESS_MAIN(TableImportTest)
#include "TableImportTest.moc"

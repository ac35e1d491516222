#include "results/ResultsCsvReader.h"
#include "questions/TextCodec.h"
#include "results/ResultsCsv.h"

#include <QTest>
#include <QTimeZone>

class ResultsCsvReaderTest : public QObject
{
    Q_OBJECT

private slots:
    void writtenTableReadsBack_data();
    void writtenTableReadsBack();
    void readsUtf8WithoutByteOrderMark();
    void firstMalformedLineIsReported_data();
    void firstMalformedLineIsReported();
};

namespace {

using Kind = ResultsCsvError::Kind;

QList<ResultRow> someRows()
{
    const QDateTime start(QDate(2026, 3, 1), QTime(20, 58, 30), QTimeZone(9 * 3600));
    return {
        {"花子",
         "C:\\data\\Q1.DAT",
         0,
         start,
         start.addSecs(90),
         false,
         {20, 10, 7, 215, 515},
         {"200", "1.075", "2.575", "70"},
         {{"山", "yama"}, {"橋", "hashi, \"bridge\""}}},
        {"Smith, \"Jo\"",
         "/data/Q 2.DAT",
         2,
         start.addDays(1),
         start.addDays(1).addSecs(60),
         true,
         {0, 10, 0, 0, -5},
         {"0", "", "", "0"},
         {}},
        {"", "two\nlines", 1, start, start, false, {20, 0, 0, 0, 0}, {"0", "", "", ""}, {}},
    };
}

const QByteArray Header = "\xEF\xBB\xBF"
                          "学習者,ファイル,レベル,開始日時,終了日時,復習,1問の秒数,問題数,正解数,"
                          "正解時間の合計(秒),入力時間の合計(秒),標準時間,平均正解時間,"
                          "平均入力時間,正解率,時間切れ\r\n";
const QByteArray GoodLine = "花子,Q1.DAT,初級,2026-03-01T20:58:30+09:00,2026-03-01T21:00:00+09:00,"
                            "0,20,10,7,21.5,51.5,200,1.075,2.575,70,\r\n";

// GoodLine with one column's text replaced.
QByteArray withField(int column, const QByteArray& text)
{
    QList<QByteArray> fields = GoodLine.chopped(2).split(',');
    fields[column] = text;
    return fields.join(',') + "\r\n";
}

} // namespace

void ResultsCsvReaderTest::writtenTableReadsBack_data()
{
    QTest::addColumn<CsvText::Encoding>("encoding");
    QTest::addRow("utf8") << CsvText::Encoding::Utf8;
    QTest::addRow("cp932") << CsvText::Encoding::Cp932;
}

void ResultsCsvReaderTest::writtenTableReadsBack()
{
    QFETCH(CsvText::Encoding, encoding);
    const CsvText::Encoded csv = ResultsCsv::write(someRows(), encoding);
    QVERIFY(csv.withoutCp932Form.isEmpty());
    const ResultsCsvRead read = ResultsCsvReader::read(csv.bytes);
    QCOMPARE(read.error, std::nullopt);
    QCOMPARE(read.rows, someRows());
}

void ResultsCsvReaderTest::readsUtf8WithoutByteOrderMark()
{
    const ResultsCsvRead read = ResultsCsvReader::read(Header.sliced(3) + GoodLine);
    QCOMPARE(read.error, std::nullopt);
    QCOMPARE(read.rows.size(), 1);
    QCOMPARE(read.rows[0].learner, QStringLiteral("花子"));
}

void ResultsCsvReaderTest::firstMalformedLineIsReported_data()
{
    QTest::addColumn<QByteArray>("csv");
    QTest::addColumn<ResultsCsvError>("expected");
    const auto error = [](Kind kind, int line, const char* column, const char* text) {
        return ResultsCsvError{kind, line, QString::fromUtf8(column), QString::fromUtf8(text)};
    };
    QTest::addRow("empty_file") << QByteArray() << error(Kind::NoHeader, 1, "", "");
    QTest::addRow("other_table") << QByteArray("level,question,answer\r\n")
                                 << error(Kind::NoHeader, 1, "", "");
    QTest::addRow("column_missing") << Header + GoodLine + GoodLine.chopped(3) + "\r\n"
                                    << error(Kind::ColumnCount, 3, "", "15");
    QTest::addRow("count_not_a_number")
        << Header + withField(8, "seven") << error(Kind::BadNumber, 2, "正解数", "seven");
    QTest::addRow("seconds_to_the_hundredth")
        << Header + withField(9, "21.55")
        << error(Kind::BadNumber, 2, "正解時間の合計(秒)", "21.55");
    QTest::addRow("rate_not_a_number")
        << Header + withField(14, "70%") << error(Kind::BadNumber, 2, "正解率", "70%");
    QTest::addRow("average_not_a_number")
        << Header + withField(12, "-") << error(Kind::BadNumber, 2, "平均正解時間", "-");
    QTest::addRow("date") << Header + withField(3, "2026-02-30T10:00:00")
                          << error(Kind::BadDate, 2, "開始日時", "2026-02-30T10:00:00");
    QTest::addRow("level") << Header + withField(2, "4") << error(Kind::BadLevel, 2, "レベル", "4");
    QTest::addRow("review_flag") << Header + withField(5, "yes")
                                 << error(Kind::BadReviewFlag, 2, "復習", "yes");
    QTest::addRow("time_out_without_tab")
        << Header + withField(15, "山") << error(Kind::BadTimeOut, 2, "時間切れ", "山");
    QTest::addRow("unterminated_quote_where_it_opened")
        << Header + GoodLine + withField(15, "\"山\tyama\r\n\r\n")
        << error(Kind::UnterminatedQuote, 3, "", "");
    QTest::addRow("text_after_quote")
        << Header + withField(0, "\"花子\"x") << error(Kind::TextAfterClosingQuote, 2, "", "");
    QTest::addRow("quote_in_unquoted_field")
        << Header + withField(0, "花\"子") << error(Kind::QuoteInUnquotedField, 2, "", "");
    QTest::addRow("earlier_of_two") << Header + GoodLine + withField(8, "x") + withField(0, "\"")
                                    << error(Kind::BadNumber, 3, "正解数", "x");
    QTest::addRow("line_after_a_field_with_line_breaks")
        << Header + withField(1, "\"a\nb\nc\"") + withField(6, "x")
        << error(Kind::BadNumber, 5, "1問の秒数", "x");
    const QByteArray cp932Line = TextCodec::encode(QString::fromUtf8(withField(6, "x"))).value();
    QTest::addRow("cp932") << TextCodec::encode(QString::fromUtf8(Header.sliced(3))).value() +
                                  cp932Line
                           << error(Kind::BadNumber, 2, "1問の秒数", "x");
}

void ResultsCsvReaderTest::firstMalformedLineIsReported()
{
    QFETCH(QByteArray, csv);
    QFETCH(ResultsCsvError, expected);
    const ResultsCsvRead read = ResultsCsvReader::read(csv);
    QCOMPARE(read.error, expected);
    QVERIFY(read.rows.isEmpty());
}

QTEST_GUILESS_MAIN(ResultsCsvReaderTest)
#include "ResultsCsvReaderTest.moc"

#include "readings/ReadingsCompanion.h"
#include "TestFiles.h"
#include "questions/TextCodec.h"
#include "readings/CompanionMessages.h"

#include <QTemporaryDir>
#include <QTest>

namespace {

using Kind = CompanionProblem::Kind;

const QByteArray Header = "レベル\t問題\t回答\tよみ\t別解\t要確認\n";

QByteArray cp932(const QString& text)
{
    return TextCodec::encode(text).value();
}

// 初級: 山/yama twice, then 川/kawa; 中級: 山/yama.
QuestionBank sampleBank()
{
    QuestionBank bank;
    bank.Add(0, cp932("山"), "yama");
    bank.Add(0, cp932("山"), "yama");
    bank.Add(0, cp932("川"), "kawa");
    bank.Add(1, cp932("山"), "yama");
    return bank;
}

CompanionFile parsed(const QByteArray& bytes)
{
    return ReadingsCompanion::parse(bytes, ReadingsCompanion::limitsFor(0));
}

QString kindName(Kind kind)
{
    static const QHash<Kind, QString> names{
        {Kind::CannotOpen, "cannot_open"},        {Kind::TooLarge, "too_large"},
        {Kind::TooManyLines, "too_many_lines"},   {Kind::NotUtf8, "not_utf8"},
        {Kind::TooFewColumns, "too_few_columns"}, {Kind::UnknownLevel, "unknown_level"},
        {Kind::BadReading, "bad_reading"},        {Kind::NoPair, "no_pair"}};
    return names.value(kind);
}

QStringList problemsOf(const QList<CompanionProblem>& problems)
{
    QStringList named;
    for (const CompanionProblem& problem : problems)
        named << kindName(problem.kind) + '@' + QString::number(problem.line);
    return named;
}

// Every pair with a reading as "level/position=reading".
QStringList readingsOf(const ReadingsTable& readings)
{
    QStringList shown;
    for (int level = 0; level < QuestionBank::LevelCount; ++level) {
        for (int position = 0; position < readings.count(level); ++position) {
            const PairReading reading = readings.reading(level, position);
            if (!reading.isEmpty())
                shown << QStringLiteral("%1/%2=%3").arg(level).arg(position).arg(reading.reading);
        }
    }
    return shown;
}

} // namespace

class ReadingsCompanionTest : public QObject
{
    Q_OBJECT

private slots:
    void linesThatCannotBeReadAreKeptAndReported_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("problems");
        QTest::addColumn<int>("rows");
        QTest::addRow("good_rows") << Header + "初級\t山\tyama\tやま\t\t\n中級\t山\tyama\tさん\n"
                                   << QStringList() << 2;
        QTest::addRow("not_utf8_line") << Header + "初級\t\x8eR\tyama\tやま\n初級\t川\tkawa\tかわ\n"
                                       << QStringList{"not_utf8@2"} << 1;
        QTest::addRow("too_few_columns") << Header + "初級\t山\tyama\n"
                                         << QStringList{"too_few_columns@2"} << 0;
        QTest::addRow("unknown_level") << Header + "特級\t山\tyama\tやま\n"
                                       << QStringList{"unknown_level@2"} << 0;
        QTest::addRow("reading_not_kana_is_still_read") << Header + "初級\t山\tyama\tyama\n"
                                                        << QStringList{"bad_reading@2"} << 1;
        QTest::addRow("blank_lines_are_no_fault") << Header + "\n\r\n" << QStringList() << 0;
        QTest::addRow("first_line_is_the_header")
            << QByteArray("初級\t山\tyama\tやま\n") << QStringList() << 0;
    }

    void linesThatCannotBeReadAreKeptAndReported()
    {
        QFETCH(QByteArray, bytes);
        const CompanionFile file = parsed(bytes);
        QTEST(problemsOf(file.problems), "problems");
        QTEST(int(std::count_if(file.lines.cbegin(), file.lines.cend(),
                                [](const CompanionLine& line) { return line.row.has_value(); })),
              "rows");
        QVERIFY(!file.refused);
    }

    void fileLargerThanItsQuestionFileWarrantsIsRefused_data()
    {
        QTest::addColumn<qint64>("questionFileSize");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("problems");
        const qint64 mebibyte = 1024 * 1024;
        QTest::addRow("a_megabyte_for_a_small_file")
            << qint64(100) << QByteArray(mebibyte, 'x') << QStringList();
        QTest::addRow("past_a_megabyte_for_a_small_file")
            << qint64(100) << QByteArray(mebibyte + 1, 'x') << QStringList{"too_large@0"};
        QTest::addRow("past_eight_times_a_large_file")
            << 2 * mebibyte << QByteArray(16 * mebibyte + 1, 'x') << QStringList{"too_large@0"};
        QTest::addRow("too_many_lines")
            << qint64(100) << QByteArray(65'536, '\n') << QStringList{"too_many_lines@0"};
    }

    void fileLargerThanItsQuestionFileWarrantsIsRefused()
    {
        QFETCH(qint64, questionFileSize);
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, problems);
        const CompanionFile file =
            ReadingsCompanion::parse(bytes, ReadingsCompanion::limitsFor(questionFileSize));
        QCOMPARE(problemsOf(file.problems), problems);
        QCOMPARE(file.refused, !problems.isEmpty());
        QCOMPARE(ReadingsCompanion::write(file, {}, {}).has_value(), problems.isEmpty());
    }

    void rowsGoToTheFirstFreeMatchingPair_data()
    {
        QTest::addColumn<QByteArray>("rows");
        QTest::addColumn<QStringList>("readings");
        QTest::addColumn<QStringList>("orphans");
        QTest::addRow("by_level") << QByteArray("中級\t山\tyama\tさん\n") << QStringList{"1/0=さん"}
                                  << QStringList();
        QTest::addRow("duplicates_in_order")
            << QByteArray("初級\t山\tyama\tやま\n初級\t山\tyama\tさん\n")
            << QStringList{"0/0=やま", "0/1=さん"} << QStringList();
        QTest::addRow("one_row_too_many")
            << QByteArray("初級\t山\tyama\tやま\n初級\t山\tyama\tさん\n初級\t山\tyama\tせん\n")
            << QStringList{"0/0=やま", "0/1=さん"} << QStringList{"no_pair@4"};
        QTest::addRow("answer_differs")
            << QByteArray("初級\t川\tKAWA\tかわ\n") << QStringList() << QStringList{"no_pair@2"};
        QTest::addRow("text_without_cp932")
            << QByteArray("初級\t川😀\tkawa\tかわ\n") << QStringList() << QStringList{"no_pair@2"};
        QTest::addRow("escaped_tab")
            << QByteArray("上級\ta\\tb\\\\\t\tえー\n") << QStringList{"2/0=えー"} << QStringList();
        // ∵ from the NEC row (87 9A) in the file, its usual code (81 E6) from the encoder.
        QTest::addRow("second_code_in_the_bank") << QByteArray("上級\t∵\t\tなぜならば\n")
                                                 << QStringList{"2/1=なぜならば"} << QStringList();
    }

    void rowsGoToTheFirstFreeMatchingPair()
    {
        QFETCH(QByteArray, rows);
        QuestionBank bank = sampleBank();
        bank.Add(2, "a\tb\\", {});
        bank.Add(2, "\x87\x9a", {});
        const ReadingsCompanion::Matched matched =
            ReadingsCompanion::match(parsed(Header + rows), bank);
        QTEST(readingsOf(matched.readings), "readings");
        QTEST(problemsOf(matched.orphans), "orphans");
    }

    void untouchedFileComesBackByteForByte_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addRow("empty_file") << QByteArray();
        QTest::addRow("header_only_without_ending") << Header.chopped(1);
        QTest::addRow("crlf_and_bom") << "\xEF\xBB\xBF" + QByteArray(Header).replace("\n", "\r\n") +
                                             "初級\t山\tyama\tやま\t\t✓\r\n";
        QTest::addRow("mixed_endings_no_final_one")
            << Header + "初級\t山\tyama\tやま\r\n初級\t川\tkawa\tかわ";
        QTest::addRow("odd_spacing_and_marks")
            << Header + "初級 \t山\tyama\t やま \t 山|  やま |\tx\n";
        QTest::addRow("unreadable_orphan_and_blank_lines")
            << Header + "\n初級\t\xff\n特級\t山\tyama\tやま\n初級\tない\tnai\tない\n初級\t山\n";
    }

    void untouchedFileComesBackByteForByte()
    {
        QFETCH(QByteArray, bytes);
        const QuestionBank bank = sampleBank();
        const CompanionFile file = parsed(bytes);
        QCOMPARE(
            ReadingsCompanion::write(file, bank, ReadingsCompanion::match(file, bank).readings),
            std::optional(bytes));
    }

    void editsRewriteOnlyTheirOwnLines_data()
    {
        QTest::addColumn<bool>("exists");
        QTest::addColumn<QByteArray>("rows");
        QTest::addColumn<QString>("edit");
        QTest::addColumn<QByteArray>("written"); // empty: no file is written
        const QByteArray yama = "初級\t山\tyama\tやま\t\t\n";
        const QByteArray kawa = "初級\t川\tkawa\tかわ\t\t\n";
        QTest::addRow("first_reading_makes_the_file")
            << false << QByteArray() << "set_kawa" << Header + "初級\t川\tkawa\tせん\tかわ\t\n";
        QTest::addRow("no_file_and_no_reading") << false << QByteArray() << "none" << QByteArray();
        QTest::addRow("new_reading_after_a_last_line_without_ending")
            << true << yama.chopped(1) << "set_kawa"
            << Header + yama + "初級\t川\tkawa\tせん\tかわ\t\n";
        QTest::addRow("changed_reading_in_place")
            << true << kawa + yama << "set_kawa"
            << Header + "初級\t川\tkawa\tせん\tかわ\t\n" + yama;
        QTest::addRow("removed_pair_drops_its_line")
            << true << kawa + yama << "remove_kawa" << Header + yama;
        QTest::addRow("cleared_reading_drops_its_line")
            << true << kawa + yama << "clear_kawa" << Header + yama;
        QTest::addRow("new_texts_wait_for_a_check")
            << true << kawa << "retext_kawa" << Header + "初級\t河\tkawa\tかわ\t\t✓\n";
        QTest::addRow("tab_in_text_escaped")
            << true << QByteArray() << "add_tabbed" << Header + "上級\ta\\tb\\\\\tc\tえー\t\t\n";
    }

    void editsRewriteOnlyTheirOwnLines()
    {
        QFETCH(bool, exists);
        QFETCH(QByteArray, rows);
        QFETCH(QString, edit);
        QFETCH(QByteArray, written);
        QuestionBank bank = sampleBank();
        const CompanionFile file = exists ? parsed(Header + rows) : CompanionFile{};
        ReadingsTable readings = ReadingsCompanion::match(file, bank).readings;
        if (edit == "set_kawa")
            readings.setReading(0, 2, {"せん", {"かわ"}});
        else if (edit == "remove_kawa") {
            bank.Delete(0, 2);
            readings.remove(0, 2);
        } else if (edit == "clear_kawa")
            readings.setReading(0, 2, {});
        else if (edit == "retext_kawa") {
            bank.SetItem(0, 2, cp932("河"), "kawa");
            readings.textChanged(0, 2);
        } else if (edit == "add_tabbed") {
            bank.Add(2, "a\tb\\", "c");
            readings.append(2);
            readings.setReading(2, 0, {"えー", {}, false});
        }
        const std::optional<QByteArray> bytes = ReadingsCompanion::write(file, bank, readings);
        QCOMPARE(bytes.value_or(QByteArray()), written);
        QCOMPARE(bytes.has_value(), !written.isEmpty());
        if (bytes) // what was written reads back as the readings it was written from
            QCOMPARE(readingsOf(ReadingsCompanion::match(parsed(*bytes), bank).readings),
                     readingsOf(readings));
    }

    void companionOnDiskIsReadOnlyWithinItsLimit_data()
    {
        QTest::addColumn<qint64>("companionSize"); // -1: none
        QTest::addColumn<bool>("exists");
        QTest::addColumn<QStringList>("problems");
        QTest::addRow("absent") << qint64(-1) << false << QStringList();
        QTest::addRow("within") << qint64(1024 * 1024) << true << QStringList();
        QTest::addRow("too_large") << qint64(1024 * 1024 + 1) << true << QStringList{"too_large@0"};
    }

    void companionOnDiskIsReadOnlyWithinItsLimit()
    {
        QFETCH(qint64, companionSize);
        QTemporaryDir folder;
        const QString questions = folder.filePath("Q.DAT");
        QVERIFY(TestFiles::writeBytes(questions, QByteArray(21, '\0')));
        if (companionSize >= 0)
            QVERIFY(TestFiles::writeBytes(ReadingsCompanion::companionPath(questions),
                                          QByteArray(companionSize, 'x')));
        const CompanionFile file = ReadingsCompanion::read(questions);
        QTEST(file.exists, "exists");
        QTEST(problemsOf(file.problems), "problems");
        QCOMPARE(ReadingsCompanion::companionPath(questions), folder.filePath("Q.DAT.yomi.tsv"));
    }

    void problemsAreListedByLineUpToALimit()
    {
        QByteArray bytes = Header;
        for (int i = 0; i < 12; ++i)
            bytes += "初級\t山\n";
        const QStringList lines =
            CompanionMessages::summary("Q.DAT.yomi.tsv", parsed(bytes).problems).split('\n');
        QCOMPARE(lines.size(), 1 + CompanionMessages::ListedProblems + 1);
        QVERIFY(lines.first().contains("Q.DAT.yomi.tsv"));
        QVERIFY(lines[1].startsWith(QStringLiteral("2 行目: 列が 2 つしかありません")));
        QCOMPARE(lines.last(), QStringLiteral("ほか 2 件"));
        QCOMPARE(CompanionMessages::summary("Q.DAT.yomi.tsv", {}), QString());
    }
};

QTEST_GUILESS_MAIN(ReadingsCompanionTest)
#include "ReadingsCompanionTest.moc"

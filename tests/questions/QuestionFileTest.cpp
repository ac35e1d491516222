#include "questions/QuestionFile.h"
#include "BankPrinting.h"
#include "TestFiles.h"
#include "questions/TextCodec.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

using QuestionFile::ReadFailure;
using QuestionFile::ReadOutcome;
using TestFiles::hex;

Q_DECLARE_METATYPE(QuestionBank)
Q_DECLARE_METATYPE(QuestionFile::ReadOutcome)

class QuestionFileTest : public QObject
{
    Q_OBJECT

private slots:
    void encodesBankByteForByte_data();
    void encodesBankByteForByte();
    void parsesBankByteForByte_data();
    void parsesBankByteForByte();
    void roundTripsThroughFile_data();
    void roundTripsThroughFile();
    void parseOutcome_data();
    void parseOutcome();
    void headerDifferingInOneByteIsWrongVersion_data();
    void headerDifferingInOneByteIsWrongVersion();
    void readsFromPath_data();
    void readsFromPath();
    void missingFileLeavesBankUntouched_data();
    void missingFileLeavesBankUntouched();
    void messageForOutcome_data();
    void messageForOutcome();
};

namespace {

using Level = QList<QuestionItem>;

QuestionBank bankOf(const Level& beginner, const Level& intermediate = {},
                    const Level& advanced = {})
{
    QuestionBank bank;
    const Level levels[] = {beginner, intermediate, advanced};
    for (int level = 0; level < QuestionBank::LevelCount; ++level) {
        for (const QuestionItem& item : levels[level])
            bank.Add(level, item.question, item.answer);
    }
    return bank;
}

QByteArray cp932(const QString& text)
{
    return TextCodec::encode(text).value();
}

QByteArray everyByteValue()
{
    QByteArray bytes;
    for (int value = 0; value < 256; ++value)
        bytes.append(char(value));
    return bytes;
}

const QuestionItem AB{"a", "b"};
const QuestionItem CD{"c", "d"};
const QuestionItem EF{"e", "f"};

// The header, the level count 3 and, where named, whole items: the pieces most rows start with.
const char* const Header = "33 2E 30 30 61";
QByteArray start(const char* levelCountAndRest)
{
    return hex(Header) + hex(levelCountAndRest);
}

} // namespace

void QuestionFileTest::encodesBankByteForByte_data()
{
    QTest::addColumn<QuestionBank>("bank");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addRow("empty_bank_21_bytes")
        << QuestionBank()
        << hex("33 2E 30 30 61 | 03 00 00 00 | 00 00 00 00 00 00 00 00 00 00 00 00");
    QTest::addRow("one_beginner_item_31_bytes")
        << bankOf({AB})
        << hex("33 2E 30 30 61 | 03 00 00 00 | 01 00 00 00 | 01 00 00 00 61 | 01 00 00 00 62 | "
               "00 00 00 00 | 00 00 00 00");
}

void QuestionFileTest::encodesBankByteForByte()
{
    QFETCH(QuestionBank, bank);
    QFETCH(QByteArray, bytes);
    QCOMPARE(QuestionFile::encode(bank), bytes);
}

void QuestionFileTest::parsesBankByteForByte_data()
{
    encodesBankByteForByte_data();
}

void QuestionFileTest::parsesBankByteForByte()
{
    QFETCH(QuestionBank, bank);
    QFETCH(QByteArray, bytes);
    QuestionBank parsed;
    QCOMPARE(QuestionFile::parse(bytes, parsed), ReadOutcome());
    QCOMPARE(parsed, bank);
}

void QuestionFileTest::roundTripsThroughFile_data()
{
    QTest::addColumn<QuestionBank>("bank");
    QTest::addRow("empty_bank") << QuestionBank();
    QTest::addRow("japanese_on_every_level")
        << bankOf({{cp932("山"), "yama"}, {cp932("ｶﾀｶﾅ"), "katakana"}},
                  {{cp932("お早うございます"), "ohayou gozaimasu"}},
                  {{cp932("今日は雨が降っています。"), "kyou wa ame ga futte imasu"}});
    QTest::addRow("empty_texts") << bankOf({{"", ""}, {"", "b"}}, {}, {{cp932("空"), ""}});
    QTest::addRow("every_byte_value") << bankOf({}, {{everyByteValue(), QByteArray(3, '\0')}});
}

void QuestionFileTest::roundTripsThroughFile()
{
    QFETCH(QuestionBank, bank);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath("round.DAT");
    QVERIFY(QuestionFile::write(path, bank));
    const QByteArray written = TestFiles::readBytes(path);
    QCOMPARE(written, QuestionFile::encode(bank));
    QCOMPARE(written.mid(5, 4), hex("03 00 00 00"));

    QuestionBank reread;
    QCOMPARE(QuestionFile::read(path, reread), ReadOutcome());
    QCOMPARE(reread, bank);
    QCOMPARE(QuestionFile::encode(reread), written);
}

void QuestionFileTest::parseOutcome_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<ReadOutcome>("outcome");
    QTest::addColumn<QuestionBank>("bank");

    const auto unreadable = ReadOutcome(ReadFailure::Unreadable);
    const auto loaded = ReadOutcome();
    const QByteArray ab = hex("01 00 00 00 61 | 01 00 00 00 62");
    const QByteArray cd = hex("01 00 00 00 63 | 01 00 00 00 64");
    const QByteArray ef = hex("01 00 00 00 65 | 01 00 00 00 66");
    const QByteArray gh = hex("01 00 00 00 67 | 01 00 00 00 68");
    const QByteArray one = hex("01 00 00 00");
    const QByteArray two = hex("02 00 00 00");
    const QByteArray none = hex("00 00 00 00");

    QTest::addRow("zero_bytes") << QByteArray() << unreadable << QuestionBank();
    QTest::addRow("four_bytes") << hex("33 2E 30 30") << unreadable << QuestionBank();
    QTest::addRow("header_only") << hex(Header) << unreadable << QuestionBank();
    QTest::addRow("inside_level_count") << start("03 00") << unreadable << QuestionBank();
    QTest::addRow("inside_item_count")
        << start("03 00 00 00 | 01 00 00") << unreadable << QuestionBank();
    QTest::addRow("inside_question_length")
        << start("03 00 00 00") + two + ab + hex("01 00") << unreadable << bankOf({AB});
    QTest::addRow("inside_question_text")
        << start("03 00 00 00") + two + ab + hex("03 00 00 00 63 63") << unreadable << bankOf({AB});
    QTest::addRow("inside_answer_length")
        << start("03 00 00 00") + two + ab + hex("01 00 00 00 63 | 01 00 00") << unreadable
        << bankOf({AB});
    QTest::addRow("inside_answer_text")
        << start("03 00 00 00") + two + ab + hex("01 00 00 00 63 | 02 00 00 00 64") << unreadable
        << bankOf({AB});
    QTest::addRow("inside_second_level") << start("03 00 00 00") + one + ab + two + cd + hex("01")
                                         << unreadable << bankOf({AB}, {CD});
    QTest::addRow("inside_third_level_count")
        << start("03 00 00 00") + none + one + cd + hex("00 00") << unreadable << bankOf({}, {CD});
    QTest::addRow("negative_question_length")
        << start("03 00 00 00") + two + ab + hex("FF FF FF FF 63 63 63 63") + none + none
        << unreadable << bankOf({AB});
    QTest::addRow("negative_answer_length")
        << start("03 00 00 00") + two + ab + hex("01 00 00 00 63 | FE FF FF FF 64") + none + none
        << unreadable << bankOf({AB});
    QTest::addRow("length_claim_2gib_in_40_bytes")
        << (start("03 00 00 00") + one + hex("FF FF FF 7F")).leftJustified(40, '\0') << unreadable
        << QuestionBank();

    QTest::addRow("level_count_zero")
        << start("00 00 00 00") + one + ab << loaded << QuestionBank();
    QTest::addRow("level_count_negative")
        << start("FF FF FF FF") + one + ab << loaded << QuestionBank();
    QTest::addRow("level_count_most_negative")
        << start("00 00 00 80") + one + ab << loaded << QuestionBank();
    QTest::addRow("level_count_one")
        << start("01 00 00 00") + one + ab + one + cd << loaded << bankOf({AB});
    QTest::addRow("level_count_two")
        << start("02 00 00 00") + one + ab + one + cd + one + ef << loaded << bankOf({AB}, {CD});
    QTest::addRow("level_count_four_reads_first_three")
        << start("04 00 00 00") + one + ab + one + cd + one + ef + one + gh << loaded
        << bankOf({AB}, {CD}, {EF});
    QTest::addRow("level_count_four_without_fourth_block")
        << start("04 00 00 00") + one + ab + none + one + ef << loaded << bankOf({AB}, {}, {EF});
    QTest::addRow("level_count_largest")
        << start("FF FF FF 7F") + none + none + one + ef << loaded << bankOf({}, {}, {EF});
    QTest::addRow("item_count_zero")
        << start("03 00 00 00") + none + one + cd + none << loaded << bankOf({}, {CD});
    QTest::addRow("item_count_negative")
        << start("03 00 00 00") + hex("FF FF FF FF") + one + cd + none << loaded
        << bankOf({}, {CD});
    QTest::addRow("item_count_most_negative")
        << start("03 00 00 00") + none + none + hex("00 00 00 80") << loaded << QuestionBank();
    QTest::addRow("empty_texts_followed_at_once_by_next_field")
        << start("03 00 00 00") + two + none + none + none + hex("01 00 00 00 62") + none + none
        << loaded << bankOf({{"", ""}, {"", "b"}});
    QTest::addRow("trailing_bytes_ignored")
        << start("03 00 00 00") + one + ab + none + none + hex("FF FF FF FF 00 01") << loaded
        << bankOf({AB});
    QTest::addRow("shift_jis_texts") << start("03 00 00 00") + none + none + one +
                                            hex("02 00 00 00 8E 52 | 04 00 00 00") + "yama"
                                     << loaded << bankOf({}, {}, {{cp932("山"), "yama"}});
}

void QuestionFileTest::parseOutcome()
{
    QFETCH(QByteArray, bytes);
    QFETCH(ReadOutcome, outcome);
    QFETCH(QuestionBank, bank);
    QuestionBank parsed;
    QCOMPARE(QuestionFile::parse(bytes, parsed), outcome);
    QCOMPARE(parsed, bank);
}

void QuestionFileTest::headerDifferingInOneByteIsWrongVersion_data()
{
    QTest::addColumn<QByteArray>("header");
    QTest::addRow("upper_case_a") << QByteArray("3.00A");
    QTest::addRow("another_minor_digit") << QByteArray("3.01a");
    QTest::addRow("another_major_digit") << QByteArray("2.00a");
    QTest::addRow("another_last_letter") << QByteArray("3.00b");
    QTest::addRow("comma_for_point") << QByteArray("3,00a");
    for (int position = 0; position < 5; ++position) {
        QByteArray header("3.00a");
        header[position] = char(header[position] ^ 0x80);
        QTest::addRow("high_bit_at_%d", position) << header;
        header[position] = '\0';
        QTest::addRow("zero_at_%d", position) << header;
    }
}

void QuestionFileTest::headerDifferingInOneByteIsWrongVersion()
{
    QFETCH(QByteArray, header);
    QuestionBank bank;
    QCOMPARE(QuestionFile::parse(header, bank), ReadOutcome(ReadFailure::WrongVersion));
    QCOMPARE(QuestionFile::parse(
                 header + hex("03 00 00 00 | 01 00 00 00 | 00 00 00 00 00 00 00 00"), bank),
             ReadOutcome(ReadFailure::WrongVersion));
    QCOMPARE(bank, QuestionBank());
}

void QuestionFileTest::readsFromPath_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<ReadOutcome>("outcome");
    QTest::addColumn<QuestionBank>("bank");
    const QByteArray example = QuestionFile::encode(bankOf({AB}));
    QTest::addRow("example_file") << "q.DAT" << example << ReadOutcome() << bankOf({AB});
    QTest::addRow("japanese_file_name") << "問題集.DAT" << example << ReadOutcome() << bankOf({AB});
    QTest::addRow("zero_byte_file")
        << "q.DAT" << QByteArray() << ReadOutcome(ReadFailure::Unreadable) << QuestionBank();
    QTest::addRow("truncated_file")
        << "q.DAT" << example.left(30) << ReadOutcome(ReadFailure::Unreadable) << bankOf({AB});
    QTest::addRow("wrong_version_file") << "q.DAT" << QByteArray("3.00b") + example.mid(5)
                                        << ReadOutcome(ReadFailure::WrongVersion) << QuestionBank();
}

void QuestionFileTest::readsFromPath()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, bytes);
    QFETCH(ReadOutcome, outcome);
    QFETCH(QuestionBank, bank);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QVERIFY(TestFiles::writeBytes(dir.filePath(name), bytes));
    QuestionBank read;
    QCOMPARE(QuestionFile::read(dir.filePath(name), read), outcome);
    QCOMPARE(read, bank);
}

void QuestionFileTest::missingFileLeavesBankUntouched_data()
{
    QTest::addColumn<QString>("name");
    QTest::addRow("missing_file") << "missing.DAT";
    QTest::addRow("directory") << "folder.DAT";
}

void QuestionFileTest::missingFileLeavesBankUntouched()
{
    QFETCH(QString, name);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QVERIFY(QDir(dir.path()).mkdir("folder.DAT"));
    const QuestionBank before = bankOf({AB}, {CD}, {EF});
    QuestionBank bank = before;
    QCOMPARE(QuestionFile::read(dir.filePath(name), bank), ReadOutcome(ReadFailure::NotFound));
    QCOMPARE(bank, before);
}

void QuestionFileTest::messageForOutcome_data()
{
    QTest::addColumn<ReadOutcome>("outcome");
    QTest::addColumn<QString>("message");
    QTest::addRow("loaded") << ReadOutcome() << QString();
    QTest::addRow("wrong_version") << ReadOutcome(ReadFailure::WrongVersion)
                                   << QStringLiteral("処理できないデータのバージョンです");
    QTest::addRow("not_found") << ReadOutcome(ReadFailure::NotFound)
                               << QStringLiteral("ファイルが開けませんでした");
    QTest::addRow("unreadable") << ReadOutcome(ReadFailure::Unreadable)
                                << QStringLiteral("ファイルが開けませんでした");
}

void QuestionFileTest::messageForOutcome()
{
    QFETCH(ReadOutcome, outcome);
    QFETCH(QString, message);
    QCOMPARE(QuestionFile::messageFor(outcome), message);
}

QTEST_GUILESS_MAIN(QuestionFileTest)
#include "QuestionFileTest.moc"

#include "classroom/AssignmentFile.h"

#include <QTest>

using Kind = AssignmentError::Kind;

namespace {

const QByteArray Header = "Tazune-assignment 1\n";

Assignment fullAssignment()
{
    Assignment assignment;
    assignment.title = QStringLiteral("三学期 漢字テスト = 第1回");
    assignment.questionFile = QStringLiteral("../問題/kanji.DAT");
    assignment.embeddedQuestions = QByteArray("3.00a\r\n\x82\xa0", 9);
    assignment.levels = {2, 0};
    assignment.questionsPerGame = 25;
    assignment.secondsPerQuestion = 8;
    assignment.seed = 18446744073709551615u;
    assignment.mode = AssignmentMode::Test;
    assignment.furigana = Furigana::AfterMiss;
    assignment.romajiInput = true;
    assignment.answerByReading = true;
    assignment.handInFolder = QStringLiteral("//server/3年/提出");
    assignment.otherKeys = {{QStringLiteral("later"), QStringLiteral("a=b")}};
    return assignment;
}

} // namespace

class AssignmentFileTest : public QObject
{
    Q_OBJECT

private slots:
    void writesEveryKeyInItsOrder()
    {
        QCOMPARE(AssignmentFile::write(fullAssignment()), Header +
                                                              "title=三学期 漢字テスト = 第1回\n"
                                                              "file=../問題/kanji.DAT\n"
                                                              "levels=上級,初級\n"
                                                              "count=25\n"
                                                              "seconds=8\n"
                                                              "seed=18446744073709551615\n"
                                                              "mode=テスト\n"
                                                              "furigana=間違えた後\n"
                                                              "romaji=1\n"
                                                              "byReading=1\n"
                                                              "handIn=//server/3年/提出\n"
                                                              "data=My4wMGENCoKg\n"
                                                              "later=a=b\n");
    }

    void readsBackWhatItWrote()
    {
        const auto read = AssignmentFile::read(AssignmentFile::write(fullAssignment()));
        QVERIFY(read);
        QCOMPARE(*read, fullAssignment());
    }

    void aFileNamingOnlyItsQuestionsTakesTheDefaults()
    {
        const auto read = AssignmentFile::read(Header + "file=q.DAT\r\n\r\n");
        QVERIFY(read);
        Assignment expected;
        expected.questionFile = QStringLiteral("q.DAT");
        QCOMPARE(*read, expected);
    }

    void refusesWhatItCannotTake_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<AssignmentError>("error");

        const QByteArray file = "file=q.DAT\n";
        QTest::addRow("empty") << QByteArray() << AssignmentError{Kind::NoHeader, 1, {}};
        QTest::addRow("another header")
            << QByteArray("3.00a\n") << AssignmentError{Kind::NoHeader, 1, {}};
        QTest::addRow("version zero")
            << QByteArray("Tazune-assignment 0\n" + file) << AssignmentError{Kind::NoHeader, 1, {}};
        QTest::addRow("later version") << QByteArray("Tazune-assignment 2\n" + file)
                                       << AssignmentError{Kind::LaterVersion, 1, {}};
        QTest::addRow("not UTF-8") << QByteArray(Header + "title=\x82\xa0\n" + file)
                                   << AssignmentError{Kind::NotUtf8, 0, {}};
        QTest::addRow("no equals")
            << QByteArray(Header + file + "count\n") << AssignmentError{Kind::NotKeyValue, 3, {}};
        QTest::addRow("empty key")
            << QByteArray(Header + "=1\n") << AssignmentError{Kind::NotKeyValue, 2, {}};
        QTest::addRow("twice") << QByteArray(Header + file + file)
                               << AssignmentError{Kind::DuplicateKey, 3, "file"};
        QTest::addRow("no file") << QByteArray(Header + "count=3\n")
                                 << AssignmentError{Kind::MissingKey, 0, "file"};
        QTest::addRow("empty file")
            << QByteArray(Header + "file=\n") << AssignmentError{Kind::BadValue, 2, "file"};
        QTest::addRow("no questions") << QByteArray(Header + file + "count=0\n")
                                      << AssignmentError{Kind::BadValue, 3, "count"};
        QTest::addRow("too many questions") << QByteArray(Header + file + "count=1000\n")
                                            << AssignmentError{Kind::BadValue, 3, "count"};
        QTest::addRow("signed seconds") << QByteArray(Header + file + "seconds=+5\n")
                                        << AssignmentError{Kind::BadValue, 3, "seconds"};
        QTest::addRow("seed beyond 64 bits")
            << QByteArray(Header + file + "seed=18446744073709551616\n")
            << AssignmentError{Kind::BadValue, 3, "seed"};
        QTest::addRow("unknown level") << QByteArray(Header + file + "levels=初級,特級\n")
                                       << AssignmentError{Kind::BadValue, 3, "levels"};
        QTest::addRow("level twice") << QByteArray(Header + file + "levels=初級,初級\n")
                                     << AssignmentError{Kind::BadValue, 3, "levels"};
        QTest::addRow("no levels") << QByteArray(Header + file + "levels=\n")
                                   << AssignmentError{Kind::BadValue, 3, "levels"};
        QTest::addRow("unknown mode") << QByteArray(Header + file + "mode=test\n")
                                      << AssignmentError{Kind::BadValue, 3, "mode"};
        QTest::addRow("flag of two") << QByteArray(Header + file + "romaji=2\n")
                                     << AssignmentError{Kind::BadValue, 3, "romaji"};
        QTest::addRow("data not Base64") << QByteArray(Header + file + "data=@@@\n")
                                         << AssignmentError{Kind::BadValue, 3, "data"};
        QTest::addRow("title too long")
            << QByteArray(Header + file + "title=" + QByteArray(1001, 'x') + "\n")
            << AssignmentError{Kind::BadValue, 3, "title"};
        QTest::addRow("unknown key too long")
            << QByteArray(Header + file + "later=" + QByteArray(1001, 'x') + "\n")
            << AssignmentError{Kind::TooLong, 3, "later"};
        QTest::addRow("too large")
            << QByteArray(Header + file + "data=" + QByteArray(AssignmentFile::MostBytes, 'A'))
            << AssignmentError{Kind::TooLarge, 0, {}};
    }

    void refusesWhatItCannotTake()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(AssignmentError, error);

        const auto read = AssignmentFile::read(bytes);
        QVERIFY(!read);
        QCOMPARE(read.failure(), error);
    }

    void findsTheQuestionFileBesideTheAssignment_data()
    {
        QTest::addColumn<QString>("written");
        QTest::addColumn<QString>("path");

        QTest::addRow("beside") << "q.DAT"
                                << "/share/3年/q.DAT";
        QTest::addRow("above") << "../問題/q.DAT"
                               << "/share/問題/q.DAT";
        QTest::addRow("absolute") << "/data/q.DAT"
                                  << "/data/q.DAT";
    }

    void findsTheQuestionFileBesideTheAssignment()
    {
        QFETCH(QString, written);
        QFETCH(QString, path);

        Assignment assignment;
        assignment.questionFile = written;
        QCOMPARE(
            AssignmentFile::questionFilePath(QStringLiteral("/share/3年/課題.txt"), assignment),
            path);
    }
};

QTEST_GUILESS_MAIN(AssignmentFileTest)
#include "AssignmentFileTest.moc"

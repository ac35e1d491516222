#include "classroom/HandInFile.h"
#include "HandInSamples.h"
#include "classroom/HandInReader.h"
#include "questions/TextCodec.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

QByteArray cp932(const char* text)
{
    return TextCodec::encode(QString::fromUtf8(text)).value();
}

QByteArray contentOf(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class HandInFileTest : public QObject
{
    Q_OBJECT

private slots:
    void writesTheGameAndEachQuestion()
    {
        QCOMPARE(HandInFile::write(sampleHandIn()),
                 QByteArray("\xEF\xBB\xBF"
                            "Tazune-hand-in,1\r\n"
                            "組,番号,名前,課題\r\n"
                            "3年2組,15,山田 花子,漢字テスト\r\n"
                            "学習者,ファイル,レベル,開始日時,終了日時,復習,1問の秒数,問題数,"
                            "正解数,正解時間の合計(秒),入力時間の合計(秒),標準時間,"
                            "平均正解時間,平均入力時間,正解率,時間切れ\r\n"
                            "山田 花子,kanji.DAT,初級,2026-03-01T20:59:00+09:00,"
                            "2026-03-01T21:00:00+09:00,0,20,3,2,5.5,25.5,60,0.916666666666667,4.25,"
                            "67,川\tかわ\r\n"
                            "問題,答え,結果,時間(秒),入力\r\n"
                            "山,やま,正解,2.3,\r\n"
                            "川,かわ,時間切れ,20,か\r\n"
                            "'=1+1,2,正解,3.2,\r\n"));
    }

    void readsBackWhatItWrote()
    {
        const auto read = HandInReader::read(HandInFile::write(sampleHandIn()));
        QVERIFY2(read, read ? "" : qPrintable(read.failure()));
        QCOMPARE(*read, sampleHandIn());
    }

    void refusesAFileOfAnotherShape_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("reason");

        const QByteArray good = HandInFile::write(sampleHandIn());
        const auto replaced = [&](const char* before, const QByteArray& after) {
            QByteArray bytes = good;
            return bytes.replace(QByteArray(before), after);
        };
        const QString shape = QStringLiteral("提出ファイルの形ではありません");
        QTest::addRow("empty") << QByteArray() << shape;
        QTest::addRow("a results table") << good.mid(good.indexOf("学習者")) << shape;
        QTest::addRow("another version") << replaced("hand-in,1", "hand-in,2") << shape;
        QTest::addRow("no questions' header")
            << replaced("問題,答え,結果,時間(秒),入力\r\n", "") << shape;
        QTest::addRow("unclosed quote")
            << replaced("山,やま", "\"山,やま") << "7行目: 引用符が正しくありません";
        QTest::addRow("empty name")
            << replaced("15,山田 花子,", "15,,") << "3行目: 組・番号・名前が正しくありません";
        QTest::addRow("name too long")
            << replaced("15,山田 花子,", "15," + QByteArray(41, 'x') + ",")
            << "3行目: 組・番号・名前が正しくありません";
        QTest::addRow("game line short")
            << replaced(",0,20,3,2,", ",0,20,3,") << "5行目: ゲームの行が正しくありません";
        QTest::addRow("unknown outcome")
            << replaced("正解,2.3", "まあまあ,2.3") << "7行目: 問題の行が正しくありません";
        QTest::addRow("seconds not a number")
            << replaced("正解,2.3", "正解,2.3s") << "7行目: 問題の行が正しくありません";
        QTest::addRow("two decimals")
            << replaced("正解,2.3", "正解,2.35") << "7行目: 問題の行が正しくありません";
        QTest::addRow("typed beside a correct answer")
            << replaced("正解,2.3,", "正解,2.3,x") << "7行目: 問題の行が正しくありません";
        QTest::addRow("too large")
            << good + QByteArray(HandInReader::MostBytes, ' ') << "大きすぎます";
        QByteArray many = good;
        for (int i = 0; i < HandInReader::MostAnswers; ++i)
            many += "山,やま,正解,2.3,\r\n";
        QTest::addRow("too many questions") << many << "問題が多すぎます";
    }

    void refusesAFileOfAnotherShape()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, reason);

        const auto read = HandInReader::read(bytes);
        QVERIFY(!read);
        QCOMPARE(read.failure(), reason);
    }

    void takesTheQuestionsFromTheRecordsOutcomes()
    {
        AnswerOutcome correct;
        correct.pair = {cp932("山"), cp932("やま")};
        correct.correctTicks = 23;
        AnswerOutcome timedOut;
        timedOut.pair = {cp932("川"), cp932("かわ")};
        timedOut.typed = cp932("か");
        QCOMPARE(
            HandInFile::answersOf({correct, timedOut}, 20),
            (QList<HandInAnswer>{{"山", "やま", true, 23, {}}, {"川", "かわ", false, 200, "か"}}));
    }

    void namesTheFileSafely_data()
    {
        QTest::addColumn<Pupil>("pupil");
        QTest::addColumn<QString>("name");

        QTest::addRow("plain") << Pupil{"3年2組", "15", "山田 花子"}
                               << "3年2組_15_山田 花子_20260301-210000.csv";
        QTest::addRow("path separators")
            << Pupil{"3/2", "1\\5", "a:b"} << "3_2_1_5_a_b_20260301-210000.csv";
        QTest::addRow("wildcards and quotes")
            << Pupil{"*?", "\"<>|", "x"} << "________x_20260301-210000.csv";
        QTest::addRow("control characters")
            << Pupil{"2\t組", "1\n", "x"} << "2_組_1__x_20260301-210000.csv";
        QTest::addRow("leading dot") << Pupil{"..", "1", "x"} << "_._1_x_20260301-210000.csv";
    }

    void namesTheFileSafely()
    {
        QFETCH(Pupil, pupil);
        QFETCH(QString, name);

        QCOMPARE(HandInFile::nameOf(pupil, QDateTime(QDate(2026, 3, 1), QTime(12, 0), Qt::UTC)),
                 name);
    }

    void neverOverwritesAFileOfTheSameName()
    {
        QTemporaryDir folder;
        const QString name = QStringLiteral("2組_7_花子_20260301-210000.csv");
        const auto first = HandInFile::put(folder.path(), name, "first");
        const auto second = HandInFile::put(folder.path(), name, "second");
        const auto third = HandInFile::put(folder.path(), name, "third");

        QVERIFY(first && second && third);
        QCOMPARE(*second, folder.filePath("2組_7_花子_20260301-210000-2.csv"));
        QCOMPARE(*third, folder.filePath("2組_7_花子_20260301-210000-3.csv"));
        QCOMPARE(contentOf(*first), "first");
        QCOMPARE(contentOf(*second), "second");
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden).size(), 3);
    }

    void failsWithTheReasonWhereTheFolderCannotBeWritten_data()
    {
        QTest::addColumn<QString>("folder");

        QTest::addRow("missing folder") << "missing/提出";
        QTest::addRow("a file, not a folder") << "plain-file";
        QTest::addRow("no folder named") << "";
    }

    void failsWithTheReasonWhereTheFolderCannotBeWritten()
    {
        QFETCH(QString, folder);

        QTemporaryDir root;
        QFile plain(root.filePath("plain-file"));
        QVERIFY(plain.open(QIODevice::WriteOnly));
        plain.close();
        const auto put =
            HandInFile::put(folder.isEmpty() ? QString() : root.filePath(folder), "a.csv", "bytes");
        QVERIFY(!put);
        QVERIFY(!put.failure().isEmpty());
    }
};

QTEST_GUILESS_MAIN(HandInFileTest)
#include "HandInFileTest.moc"

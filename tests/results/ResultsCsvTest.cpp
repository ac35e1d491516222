#include "results/ResultsCsv.h"
#include "questions/TextCodec.h"

#include <QTest>

class ResultsCsvTest : public QObject
{
    Q_OBJECT

private slots:
    void gameLine_data();
    void gameLine();
    void timeOutsStayWithTheirGame();
    void utf8StartsWithByteOrderMarkAndHeader();
    void cp932HasNoByteOrderMark();
    void cp932NamesCharactersWithoutForm();
    void secondsText_data();
    void secondsText();
    void ticksOfRefusesOtherTexts_data();
    void ticksOfRefusesOtherTexts();
};

namespace {

const QDateTime Started(QDate(2026, 3, 1), QTime(11, 58, 30, 250), Qt::UTC);
const QDateTime Finished(QDate(2026, 3, 1), QTime(12, 0), Qt::UTC);

FinishedGame game(qint64 id, const ReportInputs& inputs, bool review = false)
{
    return {id,      QStringLiteral("/data/Q1.DAT"),
            1,       review,
            Started, GameResult{inputs, ReportFigures::texts(inputs), Finished}};
}

QByteArray cp932(const char* text)
{
    return TextCodec::encode(QString::fromUtf8(text)).value();
}

// The line of the only game, without the header before it.
QString lineOf(const QString& learner, const FinishedGame& played,
               const QList<GameTimeOut>& timeOuts = {})
{
    const QList<ResultRow> rows = ResultsCsv::rowsOf(learner, {played}, timeOuts);
    return CsvText::record(ResultsCsv::fieldsOf(rows.constFirst()));
}

const QString Times = QStringLiteral("2026-03-01T20:58:30+09:00,2026-03-01T21:00:00+09:00");

} // namespace

void ResultsCsvTest::gameLine_data()
{
    QTest::addColumn<QString>("learner");
    QTest::addColumn<FinishedGame>("played");
    QTest::addColumn<QList<GameTimeOut>>("timeOuts");
    QTest::addColumn<QString>("expected");

    const FinishedGame seven = game(1, {20, 10, 7, 215, 515});
    QTest::addRow("seven_correct")
        << "花子" << seven << QList<GameTimeOut>{}
        << "花子,/data/Q1.DAT,中級," + Times + ",0,20,10,7,21.5,51.5,200,1.075,2.575,70,\r\n";
    QTest::addRow("review_game") << "花子" << game(1, {20, 10, 10, 1000, 1000}, true)
                                 << QList<GameTimeOut>{}
                                 << "花子,/data/Q1.DAT,中級," + Times +
                                        ",1,20,10,10,100,100,200,5,5,100,\r\n";
    QTest::addRow("unavailable_figures_are_empty")
        << "花子" << game(1, {0, 10, 7, 215, 515}) << QList<GameTimeOut>{}
        << "花子,/data/Q1.DAT,中級," + Times + ",0,0,10,7,21.5,51.5,0,,,70,\r\n";
    QTest::addRow("quoted_name") << "Smith, \"Jo\"" << seven << QList<GameTimeOut>{}
                                 << "\"Smith, \"\"Jo\"\"\",/data/Q1.DAT,中級," + Times +
                                        ",0,20,10,7,21.5,51.5,200,1.075,2.575,70,\r\n";
    QTest::addRow("time_outs_one_per_line")
        << "花子" << seven
        << QList<GameTimeOut>{{1, {cp932("山"), "yama"}, "ya"}, {1, {cp932("橋"), "hashi"}, ""}}
        << "花子,/data/Q1.DAT,中級," + Times +
               ",0,20,10,7,21.5,51.5,200,1.075,2.575,70,\"山\tyama\n橋\thashi\"\r\n";
    QTest::addRow("tab_and_line_break_in_a_pair_become_spaces")
        << "花子" << seven << QList<GameTimeOut>{{1, {"a\tb", "c\r\nd"}, ""}}
        << "花子,/data/Q1.DAT,中級," + Times +
               ",0,20,10,7,21.5,51.5,200,1.075,2.575,70,a b\tc  d\r\n";
}

void ResultsCsvTest::gameLine()
{
    QFETCH(QString, learner);
    QFETCH(FinishedGame, played);
    QFETCH(QList<GameTimeOut>, timeOuts);
    QFETCH(QString, expected);
    QCOMPARE(lineOf(learner, played, timeOuts), expected);
}

void ResultsCsvTest::timeOutsStayWithTheirGame()
{
    const QList<ResultRow> rows =
        ResultsCsv::rowsOf(QStringLiteral("花子"), {game(1, {}), game(2, {})},
                           {{2, {"q", "a"}, ""}, {3, {"other", "game"}, ""}});
    QCOMPARE(rows.size(), 2);
    QVERIFY(rows[0].timeOuts.isEmpty());
    QCOMPARE(rows[1].timeOuts, (QList<MissedText>{{"q", "a"}}));
}

void ResultsCsvTest::utf8StartsWithByteOrderMarkAndHeader()
{
    const CsvText::Encoded csv = ResultsCsv::write({}, CsvText::Encoding::Utf8);
    QCOMPARE(csv.bytes, "\xEF\xBB\xBF"
                        "学習者,ファイル,レベル,開始日時,終了日時,復習,1問の秒数,問題数,正解数,"
                        "正解時間の合計(秒),入力時間の合計(秒),標準時間,平均正解時間,平均入力時間,"
                        "正解率,時間切れ\r\n");
}

void ResultsCsvTest::cp932HasNoByteOrderMark()
{
    const QList<ResultRow> rows = ResultsCsv::rowsOf(QStringLiteral("花子"), {game(1, {})}, {});
    const CsvText::Encoded csv = ResultsCsv::write(rows, CsvText::Encoding::Cp932);
    QVERIFY(csv.withoutCp932Form.isEmpty());
    QVERIFY(csv.bytes.startsWith(cp932("学習者,")));
    QVERIFY(csv.bytes.contains("\r\n" + cp932("花子,/data/Q1.DAT,中級,")));
}

void ResultsCsvTest::cp932NamesCharactersWithoutForm()
{
    // Each time a character comes, also when it came before.
    const QList<ResultRow> rows =
        ResultsCsv::rowsOf(QStringLiteral("Zoë 😀 Zoë"), {game(1, {})}, {});
    const CsvText::Encoded csv = ResultsCsv::write(rows, CsvText::Encoding::Cp932);
    QVERIFY(csv.bytes.isEmpty());
    QCOMPARE(csv.withoutCp932Form, (QStringList{"ë", "😀", "ë"}));
}

void ResultsCsvTest::secondsText_data()
{
    QTest::addColumn<qint64>("ticks");
    QTest::addColumn<QString>("expected");
    QTest::addRow("tenths") << qint64(215) << "21.5";
    QTest::addRow("whole") << qint64(1000) << "100";
    QTest::addRow("zero") << qint64(0) << "0";
    QTest::addRow("below_one") << qint64(5) << "0.5";
    QTest::addRow("negative") << qint64(-15) << "-1.5";
}

void ResultsCsvTest::secondsText()
{
    QFETCH(qint64, ticks);
    QFETCH(QString, expected);
    QCOMPARE(ResultsCsv::secondsText(ticks), expected);
    QCOMPARE(ResultsCsv::ticksOf(expected), std::optional(ticks));
}

void ResultsCsvTest::ticksOfRefusesOtherTexts_data()
{
    QTest::addColumn<QString>("text");
    for (const char* text : {"", "-", ".5", "5.", "5.55", "1e3", " 5", "5 ", "--5", "+5", "5,5",
                             "1234567890123456789"})
        QTest::addRow("%s", text) << QString::fromUtf8(text);
    QTest::addRow("full-width digit") << QStringLiteral("５");
}

void ResultsCsvTest::ticksOfRefusesOtherTexts()
{
    QFETCH(QString, text);
    QCOMPARE(ResultsCsv::ticksOf(text), std::nullopt);
}

QTEST_GUILESS_MAIN(ResultsCsvTest)
#include "ResultsCsvTest.moc"

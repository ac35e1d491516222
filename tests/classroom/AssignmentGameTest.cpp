#include "classroom/AssignmentGame.h"
#include "classroom/HandInFile.h"
#include "classroom/HandInReader.h"
#include "questions/TextCodec.h"

#include <QTest>

namespace {

const Pupil Hanako{QStringLiteral("3年2組"), QStringLiteral("15"), QStringLiteral("山田 花子")};
const QDateTime Start(QDate(2026, 3, 1), QTime(9, 0), Qt::UTC);

Assignment kanjiTest()
{
    Assignment assignment;
    assignment.title = QStringLiteral("漢字テスト");
    assignment.questionFile = QStringLiteral("../kanji.DAT");
    assignment.levels = {2, 0};
    assignment.questionsPerGame = 5;
    assignment.secondsPerQuestion = 20;
    assignment.mode = AssignmentMode::Test;
    return assignment;
}

QuestionItem pair(const char* question, const char* answer)
{
    return {TextCodec::encode(QString::fromUtf8(question)).value(),
            TextCodec::encode(QString::fromUtf8(answer)).value()};
}

} // namespace

class AssignmentGameTest : public QObject
{
    Q_OBJECT

private slots:
    void endingEarlyCountsTheRestAsMissed_data()
    {
        QTest::addColumn<DrillTally>("tally");
        QTest::addColumn<ReportInputs>("handedIn");
        QTest::addColumn<QString>("correctRate");
        QTest::addRow("on_the_first_question")
            << DrillTally{5, 0, 0, 0} << ReportInputs{20, 5, 0, 0, 500} << QStringLiteral("0");
        QTest::addRow("after_two_right")
            << DrillTally{3, 2, 30, 30} << ReportInputs{20, 5, 2, 30, 330} << QStringLiteral("40");
        QTest::addRow("after_a_time_out")
            << DrillTally{4, 0, 0, 100} << ReportInputs{20, 5, 0, 0, 500} << QStringLiteral("0");
        QTest::addRow("on_the_last_question")
            << DrillTally{1, 4, 80, 80} << ReportInputs{20, 5, 4, 80, 180} << QStringLiteral("80");
    }

    void endingEarlyCountsTheRestAsMissed()
    {
        QFETCH(DrillTally, tally);
        QFETCH(ReportInputs, handedIn);
        QFETCH(QString, correctRate);
        const AssignmentGame game(kanjiTest(), Hanako, QStringLiteral("/share/kanji.DAT"), Start);
        const HandIn handIn = game.ended(tally, pair("山", "やま"), Start.addSecs(30));
        QCOMPARE(handIn.game.inputs, handedIn);
        QCOMPARE(handIn.game.figures.correctRate, correctRate);
        QCOMPARE(handIn.answers.size(), 1);
        QVERIFY(!handIn.answers[0].correct);
    }

    // What the board reads back is what the game was: the file's shape is the reader's.
    void aFinishedGameIsReadBackAsPlayed()
    {
        AssignmentGame game(kanjiTest(), Hanako, QStringLiteral("/share/kanji.DAT"), Start);
        game.answered(pair("山", "やま"), 23);
        game.timedOut(pair("川", "かわ"), TextCodec::encode(QStringLiteral("か")).value());
        const HandIn handIn = game.finished({20, 2, 1, 23, 123}, Start.addSecs(40));

        const auto read = HandInReader::read(HandInFile::write(handIn));
        QVERIFY2(read, qPrintable(read ? QString() : read.failure()));
        QCOMPARE(read->pupil, Hanako);
        QCOMPARE(read->assignmentTitle, QStringLiteral("漢字テスト"));
        QCOMPARE(read->game.file, QStringLiteral("kanji.DAT"));
        QCOMPARE(read->game.level, 2);
        QCOMPARE(read->game.learner, Hanako.name);
        QCOMPARE(read->game.figures.correctRate, QStringLiteral("50"));
        QCOMPARE(read->game.timeOuts,
                 (QList<MissedText>{{QStringLiteral("川"), QStringLiteral("かわ")}}));
        QCOMPARE(read->answers,
                 (QList<HandInAnswer>{{QStringLiteral("山"), QStringLiteral("やま"), true, 23, {}},
                                      {QStringLiteral("川"), QStringLiteral("かわ"), false, 200,
                                       QStringLiteral("か")}}));
    }
};

QTEST_GUILESS_MAIN(AssignmentGameTest)
#include "AssignmentGameTest.moc"

#include "record/GameRecorder.h"
#include "FakeMessageBox.h"
#include "RecordDamage.h"
#include "RecordQuery.h"
#include "record/QuitQuestion.h"
#include "record/RecordMessages.h"
#include "record/SqlLearningRecord.h"

#include <QSignalSpy>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>

namespace {

const ReportInputs Inputs{20, 10, 0, 0, 1000};

QuestionItem numbered(int n)
{
    return {"Q" + QByteArray::number(n), "a"};
}

// A second program's connection to the same record, holding or injecting as the test says.
class OtherProgram
{
public:
    explicit OtherProgram(const QString& path)
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), Name);
        db.setDatabaseName(path);
        db.open();
    }
    ~OtherProgram() { QSqlDatabase::removeDatabase(Name); }
    bool run(const QString& sql) { return QSqlQuery(QSqlDatabase::database(Name)).exec(sql); }

private:
    static inline const QString Name = QStringLiteral("other-program");
};

// Ten time-outs numbered from first, then the report.
void playGame(GameRecorder& recorder, int first)
{
    recorder.useFile({QStringLiteral("/data/Q.DAT"), QByteArray(32, 0)});
    recorder.gameStarted(0, 20, 10, false, false);
    for (int n = first; n < first + 10; ++n)
        recorder.timedOut(numbered(n), "x", {}, {});
    recorder.gameReported(Inputs, ReportFigures::texts(Inputs));
}

QStringList storedQuestions(const QString& path)
{
    QStringList questions;
    const QString name = QStringLiteral("stored-questions");
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(path);
        db.open();
        QSqlQuery query(db);
        query.exec(QStringLiteral(
            "SELECT p.question FROM outcomes o JOIN pairs p ON p.id = o.pair_id ORDER BY o.id"));
        while (query.next())
            questions << query.value(0).toString();
    }
    QSqlDatabase::removeDatabase(name);
    return questions;
}

QStringList numberedQuestions(int count)
{
    QStringList questions;
    for (int n = 0; n < count; ++n)
        questions << QString::fromLatin1(numbered(n).question);
    return questions;
}

} // namespace

class GameRecorderTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void newSchedulerReplaysTheStoredReviewsOnTheWriter();
    void answersWaitForAHeldLock();
    void failedWriteHoldsBackWhatFollows();
    void damageFoundAfterStartUpStartsAFreshRecord();
    void answersHandedOverWhileTheWriterStoresAreReadRightAfter();
    void endingWithWritesWaitingLosesNone_data();
    void endingWithWritesWaitingLosesNone();

private:
    QString path() const { return folder->filePath(QStringLiteral("record.sqlite")); }
    std::unique_ptr<QTemporaryDir> folder;
};

void GameRecorderTest::init()
{
    folder = std::make_unique<QTemporaryDir>();
    QVERIFY(folder->isValid());
}

void GameRecorderTest::newSchedulerReplaysTheStoredReviewsOnTheWriter()
{
    SqlLearningRecord record(path());
    GameRecorder recorder(record);
    recorder.open();
    recorder.useFile({QStringLiteral("/data/Q.DAT"), QByteArray(32, 0)});
    recorder.gameStarted(0, 20, 10, false, false);
    recorder.answered(numbered(0), 90, AnswerForm::Answer, {}, ReviewMark{Grade::Easy});
    recorder.gameEnded();
    QVERIFY(recorder.retryNow());
    const QString interval = QStringLiteral("SELECT due_ms - last_review_ms FROM schedules");
    const qint64 day = 24 * 60 * 60 * 1000;
    QVERIFY(RecordQuery::value(path(), interval).toLongLong() > day);

    SchedulerParameters oneDay;
    oneDay.maximumIntervalDays = 1;
    recorder.useScheduler(Scheduler(oneDay));
    recorder.reschedule();
    QVERIFY(recorder.retryNow());

    QCOMPARE(RecordQuery::value(path(), interval).toLongLong(), day);
}

void GameRecorderTest::answersWaitForAHeldLock()
{
    SqlLearningRecord record(path());
    GameRecorder recorder(record);
    recorder.open();
    OtherProgram other(path());
    QVERIFY(other.run(QStringLiteral("BEGIN IMMEDIATE")));
    playGame(recorder, 0);
    playGame(recorder, 10);
    QCOMPARE(recorder.waitingAnswers(), 20);

    QTest::qWait(300);
    QVERIFY(other.run(QStringLiteral("COMMIT")));
    QTRY_COMPARE(recorder.waitingAnswers(), 0);
    QCOMPARE(storedQuestions(path()), numberedQuestions(20));
    // The last game's result follows its last answer.
    QTRY_COMPARE(RecordQuery::value(path(), "SELECT count(*) FROM results").toInt(), 2);
    // A held lock is no failure to tell.
    QCOMPARE(recorder.takeMessage(), std::nullopt);
}

void GameRecorderTest::failedWriteHoldsBackWhatFollows()
{
    SqlLearningRecord record(path());
    GameRecorder recorder(record);
    recorder.open();
    OtherProgram other(path());
    // The sixth answer is refused, as a full disk would refuse it.
    QVERIFY(other.run(QStringLiteral("CREATE TRIGGER refuse BEFORE INSERT ON outcomes"
                                     " WHEN (SELECT count(*) FROM outcomes) = 5"
                                     " BEGIN SELECT RAISE(ABORT, 'injected refusal'); END")));
    QSignalSpy told(&recorder, &GameRecorder::messageWaiting);
    playGame(recorder, 0);
    playGame(recorder, 10);

    // The writer stops at the refusal and stays there.
    QTRY_COMPARE(recorder.waitingAnswers(), 15);
    QCOMPARE(storedQuestions(path()), numberedQuestions(5));
    // No result is stored while its game's answers wait.
    QCOMPARE(RecordQuery::value(path(), "SELECT count(*) FROM results").toInt(), 0);
    QTRY_COMPARE(told.size(), 1);
    QCOMPARE(recorder.takeMessage(), RecordMessages::unsaved("injected refusal", path()));
    QVERIFY(!recorder.retryNow());

    QVERIFY(other.run(QStringLiteral("DROP TRIGGER refuse")));
    QTRY_COMPARE(recorder.waitingAnswers(), 0);
    QCOMPARE(storedQuestions(path()), numberedQuestions(20));
    QTRY_COMPARE(
        RecordQuery::value(path(), "SELECT count(*) FROM results WHERE answers_missing = 0")
            .toInt(),
        2);
    // The failure was told once, however often the retries met it.
    QCOMPARE(told.size(), 1);
}

void GameRecorderTest::damageFoundAfterStartUpStartsAFreshRecord()
{
    {
        SqlLearningRecord record(path());
        GameRecorder recorder(record);
        recorder.open();
        QSignalSpy checked(&recorder, &GameRecorder::wholeFileChecked);
        recorder.useFile({QStringLiteral("/data/Q.DAT"), QByteArray(32, 0)});
        // A game that runs when the check is asked for delays it to the game's end.
        recorder.gameStarted(0, 20, 10, false, false);
        recorder.checkWholeFileWhenIdle();
        QTest::qWait(100);
        QCOMPARE(checked.size(), 0);
        recorder.gameEnded();
        QTRY_COMPARE(checked.size(), 1);
        QCOMPARE(checked[0][0].toBool(), true);
        for (int game = 0; game < 30; ++game)
            playGame(recorder, game * 10);
        QTRY_COMPARE(recorder.waitingAnswers(), 0);
    }
    // A page of answers in the middle of the file, where opening the record never reads.
    const QStringList leaves =
        RecordQuery::value(path(), "SELECT group_concat(pageno) FROM (SELECT pageno FROM dbstat"
                                   " WHERE name = 'outcomes' AND pagetype = 'leaf'"
                                   " ORDER BY pageno)")
            .toString()
            .split(u',');
    QVERIFY(leaves.size() >= 3);
    QVERIFY(RecordDamage::overwritePages(path(), leaves[1].toInt(), leaves[1].toInt()));

    SqlLearningRecord record(path());
    GameRecorder recorder(record);
    recorder.open();
    QVERIFY(!recorder.takeMessage());
    QSignalSpy checked(&recorder, &GameRecorder::wholeFileChecked);
    recorder.checkWholeFileWhenIdle();
    QTRY_COMPARE(checked.size(), 1);
    QCOMPARE(checked[0][0].toBool(), false);

    const std::optional<RecordRescue> rescue = record.rescue();
    QVERIFY(rescue);
    QVERIFY(QFile::exists(rescue->movedTo));
    QVERIFY2(rescue->answersSaved > 0 && rescue->answersLost > 0,
             qPrintable(QStringLiteral("%1 saved, %2 lost")
                            .arg(rescue->answersSaved)
                            .arg(rescue->answersLost)));
    QCOMPARE(rescue->answersSaved + rescue->answersLost, 300);
    QCOMPARE(recorder.takeMessage(), RecordMessages::damaged(path(), *rescue));
    QCOMPARE(RecordQuery::value(path(), "SELECT count(*) FROM outcomes").toLongLong(),
             rescue->answersSaved);

    playGame(recorder, 1000);
    QTRY_COMPARE(recorder.waitingAnswers(), 0);
    QCOMPARE(RecordQuery::value(path(), "PRAGMA integrity_check").toString(), "ok");
    QCOMPARE(RecordQuery::value(path(), "SELECT count(*) FROM outcomes").toLongLong(),
             rescue->answersSaved + 10);
    // Results whose answers were not all read are marked, not dropped.
    QCOMPARE(RecordQuery::value(path(), "SELECT count(*) FROM results WHERE answers_missing = 0"
                                        " AND (SELECT count(*) FROM outcomes o"
                                        " WHERE o.game_id = results.game_id) < 10")
                 .toInt(),
             0);
}

void GameRecorderTest::answersHandedOverWhileTheWriterStoresAreReadRightAfter()
{
    SqlLearningRecord record(path());
    GameRecorder recorder(record);
    recorder.open();
    for (int game = 0; game < 5; ++game)
        playGame(recorder, game * 10);
    QTRY_COMPARE(recorder.waitingAnswers(), 0);
    // Read at once, as the notebook is after a game: every time-out is in it.
    QCOMPARE(recorder.queries().notebook().size(), 50);
    QCOMPARE(storedQuestions(path()), numberedQuestions(50));
}

void GameRecorderTest::endingWithWritesWaitingLosesNone_data()
{
    QTest::addColumn<bool>("asked");
    QTest::addRow("program_quits") << true;
    QTest::addRow("recorder_destroyed") << false;
}

void GameRecorderTest::endingWithWritesWaitingLosesNone()
{
    QFETCH(bool, asked);

    SqlLearningRecord record(path());
    auto recorder = std::make_unique<GameRecorder>(record);
    recorder->open();
    OtherProgram other(path());
    QVERIFY(other.run(QStringLiteral("BEGIN IMMEDIATE")));
    playGame(*recorder, 0);
    // Each try that meets the lock doubles the pause before the writer's own next one, which the
    // end does not wait for: it is a second away when the lock is let go.
    for (int pause = 20; pause < 1000; pause *= 2)
        QVERIFY(!recorder->retryNow());
    QVERIFY(other.run(QStringLiteral("COMMIT")));
    if (asked) {
        FakeMessageBox messageBox;
        QuitQuestion::askWhileAnswersWait(*recorder, messageBox);
        // What the record takes now is no failure to ask about.
        QCOMPARE(messageBox.questions, QStringList());
    }
    recorder.reset();
    QCOMPARE(storedQuestions(path()), numberedQuestions(10));
    QCOMPARE(RecordQuery::value(path(), "SELECT count(*) FROM results").toInt(), 1);
}

QTEST_GUILESS_MAIN(GameRecorderTest)
#include "GameRecorderTest.moc"

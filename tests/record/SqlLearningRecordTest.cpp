#include "record/SqlLearningRecord.h"
#include "FileSizeLimit.h"
#include "RecordDamage.h"
#include "RecordQuery.h"
#include "TestFiles.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include <numeric>

namespace {

const QDateTime Now = QDateTime(QDate(2026, 3, 1), QTime(12, 0), Qt::UTC);

GameStart someGame()
{
    return {{QStringLiteral("/data/Q1.DAT"), QByteArray(32, '\x01')}, 1, 20, 10, false, Now};
}

AnswerOutcome correct(const QuestionItem& pair, int ticks)
{
    return {pair, ticks, {}, Now, {}, {}};
}

AnswerOutcome timeOut(const QuestionItem& pair, const QByteArray& typed)
{
    return {pair, std::nullopt, typed, Now, {}, {}};
}

} // namespace

class SqlLearningRecordTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void answersAddUpPerPair();
    void pairsAreKnownByTheirBytes();
    void onlyReportedGamesHaveAResult();
    void finishedGamesAreReadByFileAndLevel();
    void recordOutlivesItsProgram();
    void removalAndClearing();
    void damagedFileIsMovedAside_data();
    void damagedFileIsMovedAside();
    void notebookReadOverDamageIsDamage();
    void folderThatCannotBeMadeLeavesNoRecord();
    void fullDiskFailsTheWriteOnly();
    void twoProgramsShareTheFile();
    void timingIsStoredWithEachAnswer();
    void upgradeMarksResultsMissingAnswers();
    void upgradeLogsPastAnswersAndReplaysTheirSchedules();
    void answerFormsAndReadingChoiceAreKept();

private:
    // Takes a record back to what version 3 wrote.
    void dropVersion4();

private:
    QString path() const { return folder->filePath(QStringLiteral("sub/record.sqlite")); }
    std::unique_ptr<QTemporaryDir> folder;
};

void SqlLearningRecordTest::init()
{
    folder = std::make_unique<QTemporaryDir>();
    QVERIFY(folder->isValid());
}

void SqlLearningRecordTest::answersAddUpPerPair()
{
    SqlLearningRecord record(path());
    QCOMPARE(record.open(), LearningRecord::OpenOutcome::Opened);
    const std::optional<qint64> game = record.beginGame(someGame());
    QVERIFY(game);
    const QuestionItem hashi{"HASHI", "hashi"};
    const QuestionItem yama{"YAMA", "yama"};
    QVERIFY(record.recordAnswer(*game, timeOut(hashi, "hachi")));
    QVERIFY(record.recordAnswer(*game, correct(hashi, 70)));
    QVERIFY(record.recordAnswer(*game, timeOut(hashi, "")));
    QVERIFY(record.recordAnswer(*game, correct(yama, 12)));

    // yama was fast, so only hashi is in the notebook; its last time-out held nothing.
    const QList<NotebookEntry> notebook = record.notebook();
    QCOMPARE(notebook.size(), 1);
    QCOMPARE(notebook[0].pair, hashi);
    QCOMPARE(notebook[0].progress, (PairProgress{2, 1, 70, 0, true, Now, QByteArray("")}));

    QCOMPARE(RecordQuery::value(path(), "SELECT count(*) FROM outcomes").toInt(), 4);
    QCOMPARE(RecordQuery::row(path(), "SELECT o.correct_ticks IS NULL, o.typed, g.level, f.path"
                                      " FROM outcomes o JOIN games g ON g.id = o.game_id"
                                      " JOIN files f ON f.id = g.file_id ORDER BY o.id LIMIT 1"),
             (QVariantList{1, QByteArray("hachi"), 1, "/data/Q1.DAT"}));
}

void SqlLearningRecordTest::pairsAreKnownByTheirBytes()
{
    SqlLearningRecord record(path());
    QCOMPARE(record.open(), LearningRecord::OpenOutcome::Opened);
    const std::optional<qint64> game = record.beginGame(someGame());
    QVERIFY(game);
    // The same question with two answers, one of them empty, and bytes that are no UTF-8.
    const QList<QuestionItem> pairs{{"\x8B\xB4", "hashi"}, {"\x8B\xB4", ""}, {"\x8B\xB4", "Hashi"}};
    for (const QuestionItem& pair : pairs)
        QVERIFY(record.recordAnswer(*game, timeOut(pair, "x")));
    QVERIFY(record.recordAnswer(*game, timeOut(pairs[1], "y")));

    QList<QuestionItem> seen;
    for (const NotebookEntry& entry : record.notebook()) {
        seen << entry.pair;
        QCOMPARE(entry.progress.misses, entry.pair == pairs[1] ? 2 : 1);
    }
    QCOMPARE(seen.size(), 3);
    for (const QuestionItem& pair : pairs)
        QVERIFY(seen.contains(pair));
}

void SqlLearningRecordTest::onlyReportedGamesHaveAResult()
{
    SqlLearningRecord record(path());
    QCOMPARE(record.open(), LearningRecord::OpenOutcome::Opened);
    const std::optional<qint64> ended = record.beginGame(someGame());
    const std::optional<qint64> reported = record.beginGame(someGame());
    QVERIFY(ended && reported && *ended != *reported);
    const ReportInputs inputs{20, 10, 7, 215, 515};
    QVERIFY(record.finishGame(*reported, {inputs, ReportFigures::texts(inputs), Now}));

    QCOMPARE(RecordQuery::value(path(), "SELECT count(*) FROM results").toInt(), 1);
    QCOMPARE(RecordQuery::row(
                 path(), QStringLiteral("SELECT r.finished_at, g.seconds_per_question,"
                                        " g.questions_per_game, r.correct_count,"
                                        " r.correct_time_sum, r.answer_time_sum, r.standard_time,"
                                        " r.average_correct_time, r.average_input_time,"
                                        " r.correct_rate FROM results r JOIN games g"
                                        " ON g.id = r.game_id WHERE r.game_id = %1")
                             .arg(*reported)),
             (QVariantList{"2026-03-01T12:00:00.000Z", 20, 10, 7, 215, 515, "200／秒", "1.075／秒",
                           "2.575／秒", "70／％"}));
}

void SqlLearningRecordTest::finishedGamesAreReadByFileAndLevel()
{
    SqlLearningRecord record(path());
    QCOMPARE(record.open(), LearningRecord::OpenOutcome::Opened);
    const QuestionItem bridge{"\x8b\xb4", "\x82\xcd\x82\xb5"};
    const ReportInputs inputs{20, 10, 7, 215, 515};
    // Q1 level 1 twice, Q2 level 2 once, and a game of Q1 ended before its report.
    const auto play = [&](const QString& file, int level, bool reported, int minute) {
        GameStart start = someGame();
        start.file.path = file;
        start.level = level;
        start.startedAt = Now.addSecs(60 * minute);
        const std::optional<qint64> game = record.beginGame(start);
        QVERIFY(game);
        QVERIFY(record.recordAnswer(*game, timeOut(bridge, "\x82\xcd")));
        QVERIFY(record.recordAnswer(*game, correct({"a", "b"}, 12)));
        if (reported)
            QVERIFY(record.finishGame(
                *game, {inputs, ReportFigures::texts(inputs), start.startedAt.addSecs(30)}));
    };
    play(QStringLiteral("/data/Q2.DAT"), 2, true, 0);
    play(QStringLiteral("/data/Q1.DAT"), 1, true, 1);
    play(QStringLiteral("/data/Q1.DAT"), 1, false, 2);
    play(QStringLiteral("/data/Q1.DAT"), 1, true, 3);

    QCOMPARE(record.recordedFiles(), (QStringList{"/data/Q2.DAT", "/data/Q1.DAT"}));
    const GameFilter q1{QStringLiteral("/data/Q1.DAT"), 1};
    const QList<FinishedGame> games = record.finishedGames(q1);
    QCOMPARE(games.size(), 2);
    QCOMPARE(games[0].startedAt, Now.addSecs(60));
    QCOMPARE(games[1].result.finishedAt, Now.addSecs(210));
    QCOMPARE(games[1].result.texts, ReportFigures::texts(inputs));
    QCOMPARE(games[1].result.inputs.answerTimeSum, 515);
    QCOMPARE(record.finishedGames({}).size(), 3);
    QCOMPARE(record.finishedGames({std::nullopt, 2}).size(), 1);
    QCOMPARE(record.finishedGames({QStringLiteral("/data/Q1.DAT"), 2}).size(), 0);
    QCOMPARE(record.timeOutsOf(q1), (QList<GameTimeOut>{{games[0].id, bridge, "\x82\xcd"},
                                                        {games[1].id, bridge, "\x82\xcd"}}));
}

void SqlLearningRecordTest::recordOutlivesItsProgram()
{
    {
        SqlLearningRecord record(path());
        QCOMPARE(record.open(), LearningRecord::OpenOutcome::Opened);
        const std::optional<qint64> game = record.beginGame(someGame());
        QVERIFY(game && record.recordAnswer(*game, timeOut({"UMI", "umi"}, "u")));
    }
    QCOMPARE(RecordQuery::value(path(), "PRAGMA user_version").toInt(),
             SqlLearningRecord::schemaVersion());
    QCOMPARE(RecordQuery::value(path(), "PRAGMA journal_mode").toString(), "wal");

    SqlLearningRecord again(path());
    QCOMPARE(again.open(), LearningRecord::OpenOutcome::Opened);
    QCOMPARE(again.notebook().size(), 1);
    QCOMPARE(again.notebook()[0].progress.lastTimeOutTyped, QByteArray("u"));
}

void SqlLearningRecordTest::removalAndClearing()
{
    SqlLearningRecord record(path());
    QCOMPARE(record.open(), LearningRecord::OpenOutcome::Opened);
    const std::optional<qint64> game = record.beginGame(someGame());
    QVERIFY(game);
    for (const char* answer : {"a", "b"})
        QVERIFY(record.recordAnswer(*game, timeOut({"Q", answer}, "")));
    QVERIFY(record.removeFromNotebook({"Q", "a"}));
    QCOMPARE(record.notebook().size(), 1);
    QCOMPARE(record.notebook()[0].pair, (QuestionItem{"Q", "b"}));
    // A removed pair comes back at its next miss, with its misses kept.
    QVERIFY(record.recordAnswer(*game, timeOut({"Q", "a"}, "")));
    QCOMPARE(record.notebook().size(), 2);

    QVERIFY(record.clear());
    QVERIFY(record.notebook().isEmpty());
    for (const char* table : {"outcomes", "games", "results", "pairs", "files"})
        QCOMPARE(RecordQuery::value(path(), QStringLiteral("SELECT count(*) FROM ") + table), 0);
    QVERIFY(record.beginGame(someGame()));
}

void SqlLearningRecordTest::damagedFileIsMovedAside_data()
{
    QTest::addColumn<QByteArray>("bytes");

    QTest::addRow("not_a_database") << QByteArray(8192, 'x');
    QByteArray header("SQLite format 3");
    header.append('\0');
    QTest::addRow("header_then_garbage") << header + QByteArray(8192 - 16, '\xFF');
}

void SqlLearningRecordTest::damagedFileIsMovedAside()
{
    QFETCH(QByteArray, bytes);
    QVERIFY(QDir().mkpath(QFileInfo(path()).absolutePath()));
    QVERIFY(TestFiles::writeBytes(path(), bytes));

    SqlLearningRecord record(path());
    QCOMPARE(record.open(), LearningRecord::OpenOutcome::StartedAfresh);
    QVERIFY(record.rescue()->movedTo.startsWith(path() + ".damaged-"));
    QCOMPARE(TestFiles::readBytes(record.rescue()->movedTo), bytes);
    QCOMPARE(record.rescue()->answersSaved, 0);
    const std::optional<qint64> game = record.beginGame(someGame());
    QVERIFY(game && record.recordAnswer(*game, timeOut({"Q", "a"}, "")));
    QCOMPARE(RecordQuery::value(path(), "PRAGMA integrity_check").toString(), "ok");
}

void SqlLearningRecordTest::notebookReadOverDamageIsDamage()
{
    {
        SqlLearningRecord record(path());
        QCOMPARE(record.open(), LearningRecord::OpenOutcome::Opened);
        const std::optional<qint64> game = record.beginGame(someGame());
        QVERIFY(game);
        for (int i = 0; i < 500; ++i)
            QVERIFY(record.recordAnswer(*game, timeOut({QByteArray::number(i), "a"}, "typed")));
    }
    const int leaf = RecordQuery::value(path(), "SELECT max(pageno) FROM dbstat"
                                                " WHERE name = 'pairs' AND pagetype = 'leaf'")
                         .toInt();
    QVERIFY(leaf > 2);
    QVERIFY(RecordDamage::overwritePages(path(), leaf, leaf));

    SqlLearningRecord record(path());
    QCOMPARE(record.open(), LearningRecord::OpenOutcome::Opened);
    const QList<NotebookEntry> read = record.notebook();
    QVERIFY(read.size() < 500);
    QCOMPARE(record.lastFailure().kind, RecordFailure::Kind::Damaged);
}

void SqlLearningRecordTest::folderThatCannotBeMadeLeavesNoRecord()
{
    // Where the folder should be there is a file: as a read-only home, also for root.
    const QString blocked = folder->filePath(QStringLiteral("blocked"));
    QVERIFY(TestFiles::writeBytes(blocked, "file"));
    SqlLearningRecord record(blocked + QStringLiteral("/record.sqlite"));
    QCOMPARE(record.open(), LearningRecord::OpenOutcome::Unavailable);
    QCOMPARE(record.beginGame(someGame()), std::nullopt);
    QVERIFY(!record.recordAnswer(1, timeOut({"Q", "a"}, "")));
    QVERIFY(record.notebook().isEmpty());
}

void SqlLearningRecordTest::fullDiskFailsTheWriteOnly()
{
    SqlLearningRecord record(path());
    QCOMPARE(record.open(), LearningRecord::OpenOutcome::Opened);
    const std::optional<qint64> game = record.beginGame(someGame());
    QVERIFY(game && record.recordAnswer(*game, timeOut({"Q", "a"}, "")));
    {
        const QByteArray big(64 * 1024, 'x');
        const FileSizeLimit limit(QFileInfo(path() + "-wal").size());
        QVERIFY(limit.active);
        QVERIFY(!record.recordAnswer(*game, timeOut({big, "a"}, "")));
    }
    // The failed answer left nothing half written, and the next one goes in.
    QVERIFY(record.recordAnswer(*game, timeOut({"Q", "b"}, "")));
    QCOMPARE(RecordQuery::value(path(), "SELECT count(*) FROM outcomes").toInt(), 2);
    QCOMPARE(RecordQuery::value(path(), "PRAGMA integrity_check").toString(), "ok");
}

void SqlLearningRecordTest::twoProgramsShareTheFile()
{
    SqlLearningRecord first(path());
    SqlLearningRecord second(path());
    QCOMPARE(first.open(), LearningRecord::OpenOutcome::Opened);
    QCOMPARE(second.open(), LearningRecord::OpenOutcome::Opened);
    const std::optional<qint64> one = first.beginGame(someGame());
    const std::optional<qint64> two = second.beginGame(someGame());
    QVERIFY(one && two && *one != *two);
    for (int k = 0; k < 20; ++k) {
        QVERIFY(first.recordAnswer(*one, timeOut({"Q", "shared"}, "")));
        QVERIFY(second.recordAnswer(*two, timeOut({"Q", "shared"}, "")));
    }
    QCOMPARE(first.notebook().constFirst().progress.misses, 40);
    QCOMPARE(second.notebook().constFirst().progress.misses, 40);
}

void SqlLearningRecordTest::timingIsStoredWithEachAnswer()
{
    SqlLearningRecord record(path());
    QCOMPARE(record.open(), LearningRecord::OpenOutcome::Opened);
    const std::optional<qint64> game = record.beginGame(someGame());
    QVERIFY(game);
    AnswerOutcome typed = correct({"Q", "a"}, 14);
    typed.timing = {350, 1420, 6, 2, InputMode::Romaji};
    AnswerOutcome silent = timeOut({"Q", "a"}, "");
    silent.timing = {std::nullopt, std::nullopt, 0, 0, InputMode::InputMethod};
    QVERIFY(record.recordAnswer(*game, typed));
    QVERIFY(record.recordAnswer(*game, silent));
    const QString columns = "SELECT first_key_ms, match_ms, keys, corrections, input_mode,"
                            " correct_ticks FROM outcomes WHERE id = %1";
    QCOMPARE(RecordQuery::row(path(), columns.arg(1)), (QVariantList{350, 1420, 6, 2, 1, 14}));
    QCOMPARE(RecordQuery::row(path(), "SELECT first_key_ms IS NULL, match_ms IS NULL, keys,"
                                      " corrections, input_mode, correct_ticks IS NULL"
                                      " FROM outcomes WHERE id = 2"),
             (QVariantList{1, 1, 0, 0, 0, 1}));
}

// A record of the first version, as earlier programs left it: a result counting ten answers of
// which two were stored. The upgrade keeps its figures and marks it; old answers have no timing.
void SqlLearningRecordTest::upgradeMarksResultsMissingAnswers()
{
    {
        SqlLearningRecord record(path());
        QCOMPARE(record.open(), LearningRecord::OpenOutcome::Opened);
        const std::optional<qint64> whole = record.beginGame(someGame());
        const std::optional<qint64> partial = record.beginGame(someGame());
        QVERIFY(whole && partial);
        for (int k = 0; k < 10; ++k)
            QVERIFY(record.recordAnswer(*whole, correct({"Q", "a"}, 12)));
        for (int k = 0; k < 2; ++k)
            QVERIFY(record.recordAnswer(*partial, correct({"Q", "a"}, 12)));
    }
    for (const char* statement :
         {"INSERT INTO results (game_id, finished_at, seconds_per_question, questions_per_game,"
          " correct_count, correct_time_sum, answer_time_sum, standard_time,"
          " average_correct_time, average_input_time, correct_rate)"
          " SELECT id, '2026-03-01T12:00:00.000Z', 20, 10, 10, 120, 120, 'a', 'b', 'c', 'd'"
          " FROM games",
          "ALTER TABLE results DROP COLUMN answers_missing",
          "ALTER TABLE outcomes DROP COLUMN first_key_ms",
          "ALTER TABLE outcomes DROP COLUMN match_ms", "ALTER TABLE outcomes DROP COLUMN keys",
          "ALTER TABLE outcomes DROP COLUMN corrections",
          "ALTER TABLE outcomes DROP COLUMN input_mode", "DROP TABLE reviews",
          "DROP TABLE schedules", "DROP TABLE record_state"})
        RecordQuery::row(path(), statement);
    dropVersion4();
    RecordQuery::row(path(), "PRAGMA user_version=1");
    QCOMPARE(RecordQuery::value(path(), "PRAGMA user_version").toInt(), 1);

    SqlLearningRecord record(path());
    QCOMPARE(record.open(), LearningRecord::OpenOutcome::Opened);
    const QList<FinishedGame> games = record.finishedGames({});
    QCOMPARE(games.size(), 2);
    QCOMPARE(games[0].answersMissing, false);
    QCOMPARE(games[1].answersMissing, true);
    QCOMPARE(games[1].result.inputs.correctCount, 10);
    QCOMPARE(RecordQuery::row(path(), "SELECT count(*), count(first_key_ms), count(correct_ticks)"
                                      " FROM outcomes"),
             (QVariantList{12, 0, 12}));
}

void SqlLearningRecordTest::upgradeLogsPastAnswersAndReplaysTheirSchedules()
{
    const QuestionItem quick{"Q", "quick"};
    const QuestionItem missed{"M", "missed"};
    {
        SqlLearningRecord record(path());
        QCOMPARE(record.open(), LearningRecord::OpenOutcome::Opened);
        const std::optional<qint64> game = record.beginGame(someGame());
        QVERIFY(game);
        AnswerOutcome fast = correct(quick, 3);
        fast.timing = {300, 900, 4, 0, InputMode::InputMethod};
        QVERIFY(record.recordAnswer(*game, fast));
        QVERIFY(record.recordAnswer(*game, timeOut(missed, "mis")));
        QVERIFY(record.recordAnswer(*game, correct(quick, 5))); // no timing, as before it was kept
    }
    for (const char* statement :
         {"DROP TABLE reviews", "DROP TABLE schedules", "DROP TABLE record_state"})
        RecordQuery::row(path(), statement);
    dropVersion4();
    RecordQuery::row(path(), "PRAGMA user_version=2");

    SqlLearningRecord record(path());
    QCOMPARE(record.open(), LearningRecord::OpenOutcome::Opened);
    QList<QVariantList> log;
    for (int line = 1; line <= 3; ++line)
        log << RecordQuery::row(
            path(), QStringLiteral("SELECT outcome, ifnull(grade, 0), counted FROM reviews"
                                   " WHERE id = %1")
                        .arg(line));
    // Quick and uncorrected is Easy, a time-out Again; a later showing in its game is logged
    // without moving the schedule, and without timing it earns no grade.
    QCOMPARE(log, (QList<QVariantList>{{0, 4, 1}, {1, 1, 1}, {0, 0, 0}}));
    QCOMPARE(RecordQuery::row(
                 path(),
                 "SELECT s.state, s.stability FROM schedules s"
                 " JOIN pairs p ON p.id = s.pair_id WHERE p.answer = CAST('quick' AS BLOB)"),
             (QVariantList{int(PairState::Review), DefaultWeights[3]}));
    QCOMPARE(record.dueSummary(Now.addSecs(60)).due, 1); // the missed pair's first step
    // The plan replays the same log: both reviews were today's, one pair due today, one later.
    const ReviewPlan plan = record.reviewPlan(Now.addSecs(60));
    QCOMPARE(plan.reviewsByDay.back(), 2);
    QCOMPARE(plan.dueByDay.front(), 1);
    QCOMPARE(std::accumulate(plan.dueByDay.begin(), plan.dueByDay.end(), 0), 2);
    QCOMPARE(record.scheduledPairs().size(), 2);
    const QList<NotebookEntry> notebook = record.notebook();
    QCOMPARE(notebook.size(), 1);
    QCOMPARE(notebook[0].schedule->state, PairState::Learning);
    QCOMPARE(RecordQuery::value(path(), "SELECT value FROM record_state"), 0);
}

void SqlLearningRecordTest::dropVersion4()
{
    for (const char* statement :
         {"ALTER TABLE outcomes DROP COLUMN answered_by",
          "ALTER TABLE pairs DROP COLUMN last_answered_by",
          "ALTER TABLE pairs DROP COLUMN by_reading", "ALTER TABLE games DROP COLUMN listening"})
        RecordQuery::row(path(), statement);
}

// A record of version 3 gains the columns with nothing known of its answers; from then on the
// form of each correct answer, the pair's last one, its choice and a game's mode are kept.
void SqlLearningRecordTest::answerFormsAndReadingChoiceAreKept()
{
    const QuestionItem kin{"金", "きん"};
    {
        SqlLearningRecord record(path());
        QCOMPARE(record.open(), LearningRecord::OpenOutcome::Opened);
        const std::optional<qint64> game = record.beginGame(someGame());
        QVERIFY(game && record.recordAnswer(*game, correct(kin, 12)));
    }
    dropVersion4();
    RecordQuery::row(path(), "PRAGMA user_version=3");

    SqlLearningRecord record(path());
    QCOMPARE(record.open(), LearningRecord::OpenOutcome::Opened);
    GameStart spoken = someGame();
    spoken.listening = true;
    const std::optional<qint64> game = record.beginGame(spoken);
    QVERIFY(game);
    AnswerOutcome byReading = correct(kin, 80); // slow: into the notebook
    byReading.answeredBy = AnswerForm::Reading;
    AnswerOutcome byAlternative = correct(kin, 70);
    byAlternative.answeredBy = AnswerForm::Alternative;
    QVERIFY(record.recordAnswer(*game, byReading));
    QVERIFY(record.recordAnswer(*game, timeOut(kin, "き")));
    QVERIFY(record.recordAnswer(*game, byAlternative));
    QVERIFY(record.setAnswerByReading(kin, true));

    QCOMPARE(RecordQuery::row(path(), "SELECT group_concat(ifnull(answered_by, 'none'))"
                                      " FROM (SELECT answered_by FROM outcomes ORDER BY id)"),
             (QVariantList{"none,2,none,1"}));
    QCOMPARE(RecordQuery::row(path(), "SELECT group_concat(listening) FROM games"),
             (QVariantList{"0,1"}));
    const QList<NotebookEntry> notebook = record.notebook();
    QCOMPARE(notebook.size(), 1);
    QCOMPARE(notebook[0].progress.lastAnsweredBy, std::optional(AnswerForm::Alternative));
    QVERIFY(notebook[0].progress.answerByReading);
    // A form no version writes is read as unknown, not as some other form.
    RecordQuery::row(path(), "UPDATE pairs SET last_answered_by = 7");
    QCOMPARE(record.notebook()[0].progress.lastAnsweredBy, std::nullopt);
}

QTEST_GUILESS_MAIN(SqlLearningRecordTest)
#include "SqlLearningRecordTest.moc"

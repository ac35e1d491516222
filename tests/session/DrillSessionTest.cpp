#include "session/DrillSession.h"
#include "FakeSessionView.h"
#include "MemoryLearningRecord.h"
#include "ScriptedRandom.h"
#include "TestFiles.h"
#include "UpperCaseBank.h"
#include "questions/TextCodec.h"
#include "record/ScheduleTime.h"

#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace {

const GameSettings TwoQuestions{20, 2, false};

PairProgress missedOnce()
{
    PairProgress progress;
    progress.misses = 1;
    progress.inNotebook = true;
    progress.lastMiss = QDateTime::currentDateTimeUtc();
    return progress;
}

} // namespace

class DrillSessionTest : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir folder;
    QString file;
    ScriptedRandom random;
    MemoryLearningRecord record;
    FakeSessionView view;
    qint64 now = 0;
    std::unique_ptr<DrillSession> session;

    void ticks(int count)
    {
        for (int k = 0; k < count; ++k) {
            now += Drill::TickMilliseconds;
            session->tick();
        }
    }

    // Each character as the input line reports it, 100 ms apart.
    void type(const QString& text)
    {
        for (qsizetype length = 1; length <= text.size(); ++length) {
            now += 100;
            session->input(text.left(length));
        }
    }

    void timeOut() { ticks(Drill::BarMaximum + 1); }

private slots:
    void init()
    {
        file = folder.filePath("Q1.DAT");
        QVERIFY(QuestionFile::write(file, upperCaseBank({{"yama", "kawa"}, {"sora"}, {}})));
        random = ScriptedRandom();
        record = MemoryLearningRecord();
        view = FakeSessionView();
        now = 0;
        session = std::make_unique<DrillSession>(random, record, view, [this] { return now; });
        QVERIFY(session->load(file));
        QCOMPARE(session->state(), DrillState::Ready);
    }

    void everyQuestionOfAGameIsRecorded()
    {
        random.values = {0, 1, 0};
        QCOMPARE(session->start(TwoQuestions), DrillSession::StartOutcome::Started);
        ticks(7);
        type("yama");
        ticks(1);
        type("kaw");
        timeOut();

        QCOMPARE(record.games.size(), 1);
        const MemoryLearningRecord::Game& game = record.games[0];
        QCOMPARE(game.start.file.path, file);
        QCOMPARE(game.start.file.contentHash,
                 QCryptographicHash::hash(TestFiles::readBytes(file), QCryptographicHash::Sha256));
        QCOMPARE(game.start.level, 0);
        QCOMPARE(game.start.secondsPerQuestion, 20);
        QCOMPARE(game.start.questionsPerGame, 2);
        QVERIFY(!game.start.review);
        QCOMPARE(game.outcomes.size(), 2);
        QCOMPARE(game.outcomes[0].pair, (QuestionItem{"YAMA", "yama"}));
        QCOMPARE(game.outcomes[0].correctTicks, 7);
        QCOMPARE(game.outcomes[1].pair, (QuestionItem{"KAWA", "kawa"}));
        QCOMPARE(game.outcomes[1].correctTicks, std::nullopt);
        QCOMPARE(game.outcomes[1].typed, QByteArray("kaw"));
        QVERIFY(game.result);
        const ReportInputs& inputs = game.result->inputs;
        QCOMPARE((QList<qint32>{inputs.secondsPerQuestion, inputs.questionsPerGame,
                                inputs.correctCount, inputs.correctTimeSum, inputs.answerTimeSum}),
                 (QList<qint32>{20, 2, 1, 7, 107}));
        QCOMPARE(game.result->texts, ReportFigures::texts(inputs));
        QCOMPARE(view.reports.size(), 1);
        QCOMPARE(session->state(), DrillState::Ready);
    }

    void whatTheViewHearsIsWhatTheRecordKeeps()
    {
        random.values = {0, 1};
        session->start(TwoQuestions);
        ticks(3);
        type("yama");
        ticks(1);
        type("kaw");
        timeOut();
        QCOMPARE(view.answered.size(), 1);
        QCOMPARE(view.answered[0].pair, record.games[0].outcomes[0].pair);
        QCOMPARE(view.answered[0].ticks, 3);
        QCOMPARE(view.answered[0].timing, record.games[0].outcomes[0].timing);
        QCOMPARE(view.timedOut.size(), 1);
        QCOMPARE(view.timedOut[0].typed, QByteArray("kaw"));
        QCOMPARE(view.timedOut[0].timing, record.games[0].outcomes[1].timing);
        QCOMPARE(session->recorder().timeOuts().size(), 1);
    }

    void timesAreMeasuredFromTheQuestionShown()
    {
        random.values = {0, 1};
        session->setInputMode(InputMode::Romaji);
        session->start(TwoQuestions);
        ticks(1); // shown at 100 ms
        now += 1000;
        type("yam"); // 1200, 1300, 1400
        for (const char* text : {"ya", "yam", "yama"}) {
            now += 100;
            session->input(text); // 1500 shortens the text; 1700 is the match
        }
        const AnswerTiming first = record.games[0].outcomes[0].timing;
        QCOMPARE(first, (AnswerTiming{1100, 1600, 6, 1, InputMode::Romaji}));

        session->preeditStarted(); // 1700, before the next question is shown
        ticks(1);                  // 1800
        now += 400;
        session->preeditStarted();
        session->stop();
        now += 60000;
        QCOMPARE(session->start(TwoQuestions), DrillSession::StartOutcome::Resumed);
        timeOut();
        const AnswerTiming second = record.games[0].outcomes.constLast().timing;
        QCOMPARE(second.firstKeyMs, std::optional<qint64>(0));
        QCOMPARE(second.matchMs, std::nullopt);
    }

    void timeOutKeepsWhatWasTypedAsReceived_data()
    {
        QTest::addColumn<QStringList>("inputs");
        QTest::addColumn<QByteArray>("kept");
        QTest::addRow("nothing") << QStringList{} << QByteArray();
        QTest::addRow("last_edit") << QStringList{"k", "ka", "k"} << QByteArray("k");
        QTest::addRow("japanese") << QStringList{QStringLiteral("かわ")}
                                  << QByteArray("\x82\xA9\x82\xED");
        QTest::addRow("beyond_the_code_page")
            << QStringList{QStringLiteral("🙂")} << QByteArray();
    }

    void timeOutKeepsWhatWasTypedAsReceived()
    {
        QFETCH(QStringList, inputs);
        QFETCH(QByteArray, kept);
        session->start(TwoQuestions);
        for (const QString& input : inputs)
            session->input(input);
        timeOut();
        QCOMPARE(record.games[0].outcomes[0].typed, kept);
        QCOMPARE(session->recorder().timeOuts()[0].typed, kept);
    }

    void stoppedGameKeepsItsAnswersAndCountsNoResult()
    {
        session->start({20, 5});
        timeOut();
        session->stop();
        session->end();
        QCOMPARE(session->state(), DrillState::Ready);
        QCOMPARE(record.games.size(), 1);
        QCOMPARE(record.games[0].outcomes.size(), 1);
        QVERIFY(!record.games[0].result);
        QVERIFY(view.reports.isEmpty());
        // A game that goes on after a pause is the same game.
        session->start({20, 5});
        session->stop();
        session->start({20, 5});
        QCOMPARE(record.games.size(), 2);
    }

    void levelIsChosenOnlyBetweenGames()
    {
        session->selectLevel(2);
        QCOMPARE(session->start(TwoQuestions), DrillSession::StartOutcome::EmptyLevel);
        QVERIFY(record.games.isEmpty());
        session->selectLevel(1);
        session->start(TwoQuestions);
        session->selectLevel(0);
        QCOMPARE(session->level(), 1);
        ticks(1);
        QCOMPARE(view.shownQuestion, QByteArray("SORA"));
        QCOMPARE(record.games[0].start.level, 1);
    }

    void reviewDrawsOnlyItsListAndLeavesTheFileAlone_data()
    {
        QTest::addColumn<QString>("exit");
        QTest::addRow("finished") << "finish";
        QTest::addRow("ended") << "end";
        QTest::addRow("ended_while_paused") << "pause_end";
        QTest::addRow("file_loaded_after") << "finish_load";
    }

    void reviewDrawsOnlyItsListAndLeavesTheFileAlone()
    {
        QFETCH(QString, exit);
        record.progress[{"KAWA", "kawa"}] = missedOnce();
        const QuestionBank fileBank = session->bank();
        QVERIFY(session->startReview(0, {20, 3}));
        QVERIFY(session->reviewing());
        QCOMPARE(session->bank(), fileBank);
        for (int question = 0; question < 2; ++question) {
            ticks(1);
            QCOMPARE(view.shownQuestion, QByteArray("KAWA"));
            type("kawa");
        }
        if (exit == "pause_end")
            session->stop();
        if (exit.startsWith("finish")) {
            ticks(1);
            type("kawa");
            QVERIFY(record.games[0].result);
        } else {
            session->end();
        }
        if (exit.endsWith("load"))
            QVERIFY(session->load(file));
        QVERIFY(!session->reviewing());
        QCOMPARE(session->bank(), fileBank);
        QVERIFY(record.games[0].start.review);
        // The next game is the level's again.
        random.values = {0};
        session->start(TwoQuestions);
        ticks(1);
        QCOMPARE(view.shownQuestion, QByteArray("YAMA"));
        QVERIFY(!record.games[1].start.review);
    }

    void reviewWithoutNotebookPairsStartsNothing()
    {
        record.progress[{"SORA", "sora"}] = missedOnce();
        QVERIFY(!session->startReview(0, TwoQuestions));
        QCOMPARE(session->state(), DrillState::Ready);
        QVERIFY(!session->reviewing());
        QVERIFY(record.games.isEmpty());
    }

    void failedLoadLeavesTheSessionAsItWas()
    {
        session->selectLevel(1);
        QCOMPARE(session->load(folder.filePath("MISSING.DAT")),
                 QuestionFile::ReadOutcome(QuestionFile::ReadFailure::NotFound));
        QCOMPARE(session->state(), DrillState::Ready);
        QCOMPARE(session->bank().Count(1), 1);
        session->start(TwoQuestions);
        QCOMPARE(record.games[0].start.file.path, file);
    }

    void onlyTheFirstShowingOfAPairMovesItsSchedule()
    {
        random.values = {0, 0, 1};
        session->start({20, 3});
        for (int showing = 0; showing < 2; ++showing) {
            ticks(1);
            type("yama"); // first key 100 ms after the showing, the match 300 ms later: Easy
        }
        ticks(1);
        session->end(); // on KAWA

        QCOMPARE(record.showings.size(), 3);
        using Mark = std::tuple<QByteArray, std::optional<Grade>, bool, bool>;
        QList<Mark> marks;
        for (const AnswerOutcome& showing : record.showings)
            marks.append({showing.pair.question, showing.review.grade, showing.review.firstInGame,
                          showing.review.gameEndedOnIt});
        QCOMPARE(marks, (QList<Mark>{{"YAMA", Grade::Easy, true, false},
                                     {"YAMA", Grade::Easy, false, false},
                                     {"KAWA", Grade::Again, true, true}}));
        // One Easy on a new pair; a second one the same day would have raised it.
        const PairSchedule yama = record.schedules.value({"YAMA", "yama"});
        QCOMPARE(yama.state, PairState::Review);
        QCOMPARE(yama.stability, DefaultWeights[3]);
        QCOMPARE(record.schedules.value({"KAWA", "kawa"}).state, PairState::Learning);
        QCOMPARE(session->grades(), (GradeCounts{1, 0, 0, 1}));
        // The game ended on KAWA: it left no answer.
        QCOMPARE(record.games[0].outcomes.size(), 2);
    }

    void todaysReviewAsksTheDuePairsThenNewOnesInTurn()
    {
        const Instant dayAgo = ScheduleTime::instantOf(QDateTime::currentDateTimeUtc().addDays(-1));
        const auto learnt = [&](double stability, int daysBefore) {
            return PairSchedule{
                PairState::Review, 0, stability, 5, dayAgo, dayAgo - std::chrono::days(daysBefore)};
        };
        // Of another file, and the more forgotten of the two.
        record.schedules[{"UMI", "umi"}] = learnt(1, 20);
        record.schedules[{"KAWA", "kawa"}] = learnt(30, 10);
        QCOMPARE(session->due().due, 2);
        QCOMPARE(session->startTodaysReview({20, 10}, 10), DrillSession::StartOutcome::Started);
        QVERIFY(session->reviewing());
        QList<QByteArray> asked;
        for (int question = 0; question < 3; ++question) {
            ticks(1);
            asked << view.shownQuestion;
            timeOut();
        }
        QCOMPARE(asked, (QList<QByteArray>{"UMI", "KAWA", "YAMA"}));
        QCOMPARE(view.reports.size(), 1);
        QCOMPARE(view.reports[0].questionsPerGame, 3);
        QCOMPARE(session->reportedKind(), DrillSession::GameKind::Today);
        QCOMPARE(session->grades(), (GradeCounts{3, 0, 0, 0}));

        // Everything of the level met and nothing due yet: nothing to play, a time to tell.
        QCOMPARE(session->startTodaysReview({20, 10}, 10), DrillSession::StartOutcome::EmptyLevel);
        QVERIFY(!session->reviewing());
        QVERIFY(session->due().nextDue);
    }

    // The companion beside the file: an alternative answers, the reading answers only when
    // chosen, and 間違えた後 puts the reading over the question once the pair was missed.
    void readingsOfTheFileAnswerAndWearTheQuestion()
    {
        QuestionBank bank;
        bank.Add(0, TextCodec::encode(u"金曜日"_qs).value(),
                 TextCodec::encode(u"金曜日"_qs).value());
        const QString kanji = folder.filePath("KANJI.DAT");
        QVERIFY(QuestionFile::write(kanji, bank));
        TestFiles::writeBytes(ReadingsCompanion::companionPath(kanji),
                              u"レベル\t問題\t回答\tよみ\t別解\t要確認\n"
                              u"初級\t金曜日\t金曜日\tきんようび\tkinyoubi\t\n"_qs.toUtf8());
        QVERIFY(session->load(kanji));
        QVERIFY(session->readings().problems().isEmpty());
        session->readings().setFurigana(Furigana::AfterMiss);
        const RubySegments ruby{{u"金曜日"_qs, u"きんようび"_qs}};

        random.values = {0, 0, 0};
        session->start({20, 3});
        QCOMPARE(view.shownRuby, RubySegments{});
        type(u"きんようび"_qs);
        timeOut();
        QCOMPARE(view.shownRuby, ruby);
        type("kinyoubi");
        QCOMPARE(view.answered.size(), 1);
        session->readings().setAnswerByReading(true);
        type(u"きんようび"_qs);
        QCOMPARE(view.answered.size(), 2);
        QCOMPARE(view.reports.size(), 1);
    }

    // The questions of one assignment game, as the pupil meets them: each answered at once.
    QByteArrayList playAssignmentGame(DrillSession& playing, FakeSessionView& seen, quint64 seed)
    {
        QByteArrayList asked;
        if (playing.startAssignment({0, 1}, {20, 5}, seed) != DrillSession::StartOutcome::Started)
            return asked;
        for (int k = 0; k < 5; ++k) {
            playing.tick();
            asked << seen.shownQuestion;
            playing.input(QString::fromLatin1(seen.shownQuestion.toLower()));
        }
        return asked;
    }

    void assignmentGamesAskWhatTheSeedGivesWhateverCameBefore()
    {
        random.values = {1, 1, 1, 1, 1, 1};
        const QByteArrayList first = playAssignmentGame(*session, view, 20260301);
        QCOMPARE(view.reports.size(), 1);
        QCOMPARE(session->reportedKind(), DrillSession::GameKind::Assignment);
        QVERIFY2(random.bounds.isEmpty(), "the window's random source is never asked");

        // Another PC: another random source, another level chosen, a level game played first.
        ScriptedRandom otherRandom;
        otherRandom.values = {2, 0, 1};
        MemoryLearningRecord otherRecord;
        FakeSessionView otherView;
        DrillSession other(otherRandom, otherRecord, otherView, [this] { return now; });
        QVERIFY(other.load(file));
        other.selectLevel(1);
        other.start({20, 1});
        other.tick();
        other.input(QString::fromLatin1(otherView.shownQuestion.toLower()));
        QCOMPARE(playAssignmentGame(other, otherView, 20260301), first);

        // The same pupil again: the order restarts with every game.
        QCOMPARE(playAssignmentGame(*session, view, 20260301), first);
        QVERIFY(playAssignmentGame(*session, view, 7) != first);

        const QByteArrayList bothLevels{"YAMA", "KAWA", "SORA"};
        for (const QByteArray& question : first)
            QVERIFY2(bothLevels.contains(question), question.constData());
        QCOMPARE(record.games.last().start.review, false);
    }

    void levelGamesAfterAnAssignmentDrawAtRandomAgain()
    {
        playAssignmentGame(*session, view, 5);
        random.bounds.clear();
        session->start(TwoQuestions);
        QCOMPARE(random.bounds, QList<int>{2});
    }

    // A practice assignment may be paused: it goes on with its own pairs and its own length,
    // whatever the window's settings say by then.
    void aPausedAssignmentGoesOnAsItStarted()
    {
        session->startAssignment({2, 1}, {20, 3}, 11);
        ticks(1);
        session->stop();
        QCOMPARE(session->start({20, 9}), DrillSession::StartOutcome::Resumed);
        QCOMPARE(session->drill().tally().questionsRemaining, 3);
        ticks(1);
        QCOMPARE(view.shownQuestion, QByteArray("SORA"));
        QVERIFY(random.bounds.isEmpty());
    }
};

QTEST_GUILESS_MAIN(DrillSessionTest)
#include "DrillSessionTest.moc"

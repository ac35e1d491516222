#include "FakeDrillScreen.h"
#include "ScriptedRandom.h"
#include "questions/QuestionBank.h"

#include <QTest>

#include <limits>

class DrillTest : public QObject
{
    Q_OBJECT

private:
    QuestionBank bank;
    ScriptedRandom random;
    FakeDrillScreen screen;
    std::unique_ptr<Drill> drill;

    void ticks(int count)
    {
        for (int i = 0; i < count; ++i)
            drill->tick();
    }

    void startReady(qint32 questions)
    {
        drill->setReady();
        QCOMPARE(drill->start(bank.list(0), questions), Drill::StartOutcome::Started);
    }

private slots:
    void init()
    {
        bank = QuestionBank();
        bank.Add(0, "yama", "yama");
        bank.Add(0, "kawa", "kawa");
        bank.Add(2, "sora", "sora");
        random = ScriptedRandom();
        screen = FakeDrillScreen();
        drill = std::make_unique<Drill>(random, screen);
        screen.drill = drill.get();
    }

    void commandsMoveBetweenStates_data()
    {
        QTest::addColumn<QList<QString>>("commands");
        QTest::addColumn<DrillState>("expected");
        QTest::addRow("fresh") << QList<QString>{} << DrillState::NoData;
        QTest::addRow("start_without_data") << QList<QString>{"start"} << DrillState::NoData;
        QTest::addRow("end_without_data") << QList<QString>{"end"} << DrillState::NoData;
        QTest::addRow("loaded") << QList<QString>{"ready"} << DrillState::Ready;
        QTest::addRow("start") << QList<QString>{"ready", "start"} << DrillState::Running;
        QTest::addRow("stop_in_ready") << QList<QString>{"ready", "stop"} << DrillState::Ready;
        QTest::addRow("stop") << QList<QString>{"ready", "start", "stop"} << DrillState::Paused;
        QTest::addRow("continue") << QList<QString>{"ready", "start", "stop", "start"}
                                  << DrillState::Running;
        QTest::addRow("end_running")
            << QList<QString>{"ready", "start", "end"} << DrillState::Ready;
        QTest::addRow("end_paused")
            << QList<QString>{"ready", "start", "stop", "end"} << DrillState::Ready;
        QTest::addRow("stop_paused")
            << QList<QString>{"ready", "start", "stop", "stop"} << DrillState::Paused;
    }

    void commandsMoveBetweenStates()
    {
        QFETCH(QList<QString>, commands);
        QFETCH(DrillState, expected);
        for (const QString& command : commands) {
            if (command == "ready")
                drill->setReady();
            else if (command == "start")
                drill->start(bank.list(0), 10);
            else if (command == "stop")
                drill->stop();
            else if (command == "end")
                drill->end();
        }
        QCOMPARE(drill->state(), expected);
    }

    void startOnNoPairsIsRefused()
    {
        drill->setReady();
        QCOMPARE(drill->start(bank.list(1), 10), Drill::StartOutcome::EmptyLevel);
        QCOMPARE(drill->state(), DrillState::Ready);
        QVERIFY(random.bounds.isEmpty());
    }

    void startDrawsFromTheGivenPairs()
    {
        drill->setReady();
        QCOMPARE(drill->start(bank.list(2), 10), Drill::StartOutcome::Started);
        QCOMPARE(random.bounds, QList<int>{1});
        drill->tick();
        QCOMPARE(screen.shownQuestion, QByteArray("sora"));
    }

    void firstTickShowsTheQuestionAtPositionOne()
    {
        random.values = {1};
        startReady(10);
        QVERIFY(screen.shownQuestion.isEmpty());
        drill->tick();
        QCOMPARE(screen.bar, 1);
        QCOMPARE(screen.shownQuestion, QByteArray("kawa"));
    }

    void timeOutComesAtTheHundredAndFirstTick()
    {
        random.values = {0, 1};
        startReady(10);
        ticks(100);
        QCOMPARE(screen.bar, 100);
        QVERIFY(screen.marks.isEmpty());
        drill->tick();
        QCOMPARE(screen.marks, QList<DrillMark>{DrillMark::TimeOut});
        QCOMPARE(screen.sounds, QList<SoundEvent>{SoundEvent::TimeOut});
        QCOMPARE(screen.bar, 0);
        QCOMPARE(screen.shownQuestion, QByteArray("kawa"));
        QCOMPARE(drill->tally(), (DrillTally{9, 0, 0, 100}));
    }

    void gameOfTimeOutsEndsWithTheReport()
    {
        startReady(10);
        ticks(10 * 101 - 1);
        QCOMPARE(screen.gamesOver, 0);
        drill->tick();
        QCOMPARE(screen.gamesOver, 1);
        QCOMPARE(screen.stateAtGameOver, DrillState::Ready);
        QCOMPARE(screen.marks.size(), 10);
        QCOMPARE(screen.sounds.size(), 10);
        QCOMPARE(drill->tally(), (DrillTally{0, 0, 0, 1000}));
        QCOMPARE(screen.bar, 0);
        QCOMPARE(drill->state(), DrillState::Ready);
    }

    void correctAnswerCountsTheBarPosition()
    {
        random.values = {0, 1, 1};
        startReady(10);
        ticks(37);
        screen.type("yama");
        QCOMPARE(screen.marks, QList<DrillMark>{DrillMark::Correct});
        QCOMPARE(screen.sounds, QList<SoundEvent>{SoundEvent::Correct});
        QCOMPARE(drill->tally(), (DrillTally{9, 1, 37, 37}));
        QCOMPARE(screen.bar, 0);
        QVERIFY(screen.input.isEmpty());
        // The answered question stays current until the next tick.
        QCOMPARE(screen.shownQuestion, QByteArray("yama"));
        screen.type("yama");
        QCOMPARE(drill->tally().correctCount, 2);
        drill->tick();
        QCOMPARE(screen.shownQuestion, QByteArray("kawa"));
        QCOMPARE(screen.bar, 1);
    }

    void answerWhileTheBarIsFullCountsAHundred()
    {
        startReady(10);
        ticks(100);
        screen.type("yama");
        QCOMPARE(drill->tally(), (DrillTally{9, 1, 100, 100}));
    }

    void onlyTheExactBytesMatch_data()
    {
        QTest::addColumn<std::optional<QByteArray>>("typed");
        QTest::addRow("trailing_space") << std::optional<QByteArray>("yama ");
        QTest::addRow("upper_case") << std::optional<QByteArray>("YAMA");
        QTest::addRow("full_width")
            << std::optional<QByteArray>("\x82\x99\x82\x81\x82\x8d\x82\x81");
        QTest::addRow("prefix") << std::optional<QByteArray>("yam");
        QTest::addRow("not_encodable") << std::optional<QByteArray>();
    }

    void onlyTheExactBytesMatch()
    {
        QFETCH(std::optional<QByteArray>, typed);
        startReady(10);
        drill->tick();
        drill->checkAnswer(typed);
        QVERIFY(screen.marks.isEmpty());
        QCOMPARE(drill->tally().correctCount, 0);
    }

    void oneQuestionGameEndsAtTheFirstAnswer()
    {
        startReady(1);
        drill->tick();
        screen.type("yama");
        QCOMPARE(screen.gamesOver, 1);
        QCOMPARE(screen.stateAtGameOver, DrillState::Ready);
        QCOMPARE(drill->tally(), (DrillTally{0, 1, 1, 1}));
    }

    void ticksAndAnswersCountOnlyWhileRunning_data()
    {
        QTest::addColumn<QList<QString>>("commands");
        QTest::addRow("no_data") << QList<QString>{};
        QTest::addRow("ready") << QList<QString>{"ready"};
        QTest::addRow("paused") << QList<QString>{"ready", "start", "stop"};
        QTest::addRow("ended") << QList<QString>{"ready", "start", "end"};
        QTest::addRow("after_the_last_question") << QList<QString>{"ready", "start_one", "answer"};
    }

    void ticksAndAnswersCountOnlyWhileRunning()
    {
        QFETCH(QList<QString>, commands);
        for (const QString& command : commands) {
            if (command == "ready")
                drill->setReady();
            else if (command == "start" || command == "start_one")
                drill->start(bank.list(0), command == "start" ? 10 : 1);
            else if (command == "stop")
                drill->stop();
            else if (command == "end")
                drill->end();
            else if (command == "answer")
                screen.type(drill->currentQuestion().answer);
        }
        const DrillTally before = drill->tally();
        const int bar = drill->barPosition();
        const qsizetype marks = screen.marks.size();

        ticks(150);
        screen.type(drill->currentQuestion().answer);

        QCOMPARE(drill->tally(), before);
        QCOMPARE(drill->barPosition(), bar);
        QCOMPARE(screen.marks.size(), marks);
    }

    void stopAndStartKeepQuestionAndBarButResetTheTally()
    {
        random.values = {1};
        startReady(10);
        ticks(150);
        const DrillTally before = drill->tally();
        QCOMPARE(before.questionsRemaining, 9);
        drill->stop();
        QCOMPARE(drill->start(bank.list(2), 10), Drill::StartOutcome::Started);
        QCOMPARE(drill->tally(), (DrillTally{10, 0, 0, 0}));
        QCOMPARE(random.bounds.size(), 2);
        drill->tick();
        QCOMPARE(screen.bar, 50);
        // The paused game goes on with its own pairs, not those handed to Start.
        QCOMPARE(screen.shownQuestion, QByteArray("yama"));
    }

    void endLeavesTheTallyAndEmptiesTheInput()
    {
        startReady(10);
        ticks(5);
        screen.input = "ya";
        drill->end();
        QCOMPARE(drill->state(), DrillState::Ready);
        QCOMPARE(screen.bar, 0);
        QVERIFY(screen.input.isEmpty());
        QCOMPARE(drill->tally(), (DrillTally{10, 0, 0, 0}));
        QCOMPARE(screen.gamesOver, 0);
    }

    void zeroQuestionsPerGameRunsUntilEnd()
    {
        startReady(0);
        ticks(5 * 101);
        QCOMPARE(screen.gamesOver, 0);
        QCOMPARE(drill->tally().questionsRemaining, -5);
    }

    void countersWrapInsteadOfOverflowing()
    {
        startReady(std::numeric_limits<qint32>::min());
        ticks(101);
        QCOMPARE(drill->tally().questionsRemaining, std::numeric_limits<qint32>::max());
    }

    void emptyingTheInputIsNeverAnAnswer()
    {
        bank = QuestionBank();
        bank.Add(0, "blank", "");
        startReady(10);
        drill->tick();
        screen.input = "x";
        ticks(100);
        QCOMPARE(screen.marks, QList<DrillMark>{DrillMark::TimeOut});
        QCOMPARE(drill->tally(), (DrillTally{9, 0, 0, 100}));
    }
};

QTEST_GUILESS_MAIN(DrillTest)
#include "DrillTest.moc"

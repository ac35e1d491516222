#include "session/DrillSession.h"

#include "questions/TextCodec.h"
#include "record/ReviewGame.h"
#include "record/ScheduleTime.h"
#include "session/TodaysReview.h"

#include <QCryptographicHash>

#include <chrono>

qint64 DrillSession::steadyMilliseconds()
{
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

DrillSession::DrillSession(RandomSource& random, LearningRecord& record, SessionView& view,
                           MonotonicClock clock, GameRecorder::Clock wallClock)
    : view(view), clock(std::move(clock)), wallClock(wallClock), draws(random), game(draws, *this),
      record(record, std::move(wallClock))
{
    game.setAnswerCheck([this](const QuestionItem& pair, const QByteArray& typed) {
        // What is heard may be typed as the reading, whatever the learner chose to answer with.
        return pairReadings.accepts(pair, typed);
    });
}

QuestionFile::ReadOutcome DrillSession::load(const QString& path)
{
    QCryptographicHash hash(QCryptographicHash::Sha256);
    const QuestionFile::ReadOutcome outcome = QuestionFile::read(path, fileBank, &hash);
    if (outcome) {
        pairReadings.load(path, fileBank);
        record.useFile({path, hash.result()});
        game.setReady();
    }
    return outcome;
}

void DrillSession::selectLevel(int level)
{
    if (game.state() == DrillState::Ready && level >= 0 && level < QuestionBank::LevelCount)
        currentLevel = level;
}

DrillSession::StartOutcome DrillSession::start(const GameSettings& settings)
{
    if (game.state() == DrillState::Paused) {
        // Today's review is as long as its list, whatever the settings say.
        // Today's review and an assignment keep the length they started with.
        const bool ownLength = kind == GameKind::Today || kind == GameKind::Assignment;
        game.start(kind == GameKind::Level ? fileBank.list(currentLevel) : reviewList,
                   ownLength ? gameSettings.questionsPerGame : settings.questionsPerGame);
        timer.resume(clock());
        return StartOutcome::Resumed;
    }
    endReview();
    return startGame(fileBank.list(currentLevel), settings);
}

bool DrillSession::startReview(int level, const GameSettings& settings)
{
    if (game.state() != DrillState::Ready)
        return false;
    const QList<NotebookEntry> entries =
        ReviewGame::entriesOf(fileBank, level, record.queries().notebook());
    if (entries.isEmpty())
        return false;
    selectLevel(level);
    reviewList = ReviewGame::weightedList(entries, wallClock());
    pairReadings.setPairsByReading(ReviewGame::chosenByReading(entries));
    kind = GameKind::Notebook;
    if (startGame(reviewList, settings) == StartOutcome::Started)
        return true;
    endReview();
    return false;
}

void DrillSession::useScheduler(const Scheduler& chosen)
{
    scheduler = chosen;
    record.useScheduler(chosen);
}

DrillSession::StartOutcome DrillSession::startTodaysReview(const GameSettings& settings,
                                                           int newPerDay)
{
    if (game.state() != DrillState::Ready)
        return StartOutcome::Unavailable;
    const QDateTime now = wallClock();
    RecordQueries& queries = record.queries();
    const QList<ScheduledPair> due = queries.duePairs(now, settings.questionsPerGame);
    // The pairs met are read only when the game has room for new ones.
    const qsizetype newAllowed =
        due.size() < settings.questionsPerGame
            ? std::max<qsizetype>(0, newPerDay -
                                         queries.pairsFirstMetSince(ScheduleTime::dayStart(now)))
            : 0;
    const QList<QuestionItem> met =
        newAllowed > 0 ? queries.scheduledPairs() : QList<QuestionItem>();
    TodaysReview::Plan plan = TodaysReview::plan({due, met, fileBank, currentLevel}, newAllowed,
                                                 settings.questionsPerGame, scheduler, now);
    reviewList = std::move(plan.pairs);
    kind = GameKind::Today;
    draws.inTurn();
    const StartOutcome started = startGame(
        reviewList, {settings.secondsPerQuestion, qint32(reviewList.size()), settings.listening});
    if (started != StartOutcome::Started)
        endReview();
    return started;
}

DrillSession::StartOutcome DrillSession::startAssignment(const QList<int>& levels,
                                                         const GameSettings& settings, quint64 seed)
{
    if (game.state() != DrillState::Ready)
        return StartOutcome::Unavailable;
    reviewList.clear();
    for (const int level : levels) {
        if (level < 0 || level >= QuestionBank::LevelCount)
            continue;
        const PackedPairs& pairs = fileBank.list(level);
        for (qsizetype k = 0; k < pairs.size(); ++k)
            reviewList.append(pairs.at(k).question, pairs.at(k).answer);
    }
    if (!levels.isEmpty())
        selectLevel(levels.first());
    kind = GameKind::Assignment;
    seededDraw.emplace(seed);
    draws.from(*seededDraw);
    const StartOutcome started = startGame(reviewList, settings);
    if (started != StartOutcome::Started)
        endReview();
    return started;
}

DueSummary DrillSession::due()
{
    return record.queries().dueSummary(wallClock());
}

DrillSession::StartOutcome DrillSession::startGame(const PackedPairs& pairs,
                                                   const GameSettings& settings)
{
    pairReadings.rememberMissesFrom(record.queries());
    const Drill::StartOutcome started = game.start(pairs, settings.questionsPerGame);
    if (started == Drill::StartOutcome::EmptyLevel)
        return StartOutcome::EmptyLevel;
    if (started == Drill::StartOutcome::Unavailable)
        return StartOutcome::Unavailable;
    gameSettings = settings;
    announced = false;
    holding = false;
    timer.questionCurrent(clock());
    lastTyped.clear();
    RecordQueries& queries = record.queries();
    grader.startGame({gradeThresholds(queries.correctTimings(InputMode::InputMethod)),
                      gradeThresholds(queries.correctTimings(InputMode::Romaji))},
                     settings.secondsPerQuestion * 1000);
    pairReadings.setHeard(settings.listening);
    record.gameStarted(currentLevel, settings.secondsPerQuestion, settings.questionsPerGame,
                       reviewing(), settings.listening);
    return StartOutcome::Started;
}

void DrillSession::endReview()
{
    holding = false;
    kind = GameKind::Level;
    reviewList.clear();
    pairReadings.setPairsByReading({});
    draws.atRandom();
}

void DrillSession::stop()
{
    if (game.state() != DrillState::Running)
        return;
    game.stop();
    timer.pause(clock());
}

void DrillSession::end()
{
    if (!inGame())
        return;
    const QuestionItem shown = game.currentQuestion();
    const AnswerTiming timing = timer.timing(std::nullopt, inputMode);
    game.end();
    record.endedOn(shown, timing, grader.endedOn(shown, timing));
    record.gameEnded();
    endReview();
}

void DrillSession::close()
{
    end();
    fileBank.ClearAll();
}

void DrillSession::tick()
{
    if (holding || game.state() != DrillState::Running)
        return;
    // The listening game's question is heard before its bar moves; it is not seen at all.
    if (gameSettings.listening && !announced && spoken()) {
        announce();
        return;
    }
    game.tick();
}

void DrillSession::speechEnded()
{
    holding = false;
}

void DrillSession::announce()
{
    announced = true;
    holding = gameSettings.listening;
    voice->questionAppeared(game.questionToShow(), upcomingQuestion());
}

std::optional<QuestionItem> DrillSession::upcomingQuestion()
{
    const PackedPairs& pairs = reviewing() ? reviewList : fileBank.list(currentLevel);
    const qint32 left = game.tally().questionsRemaining;
    if (pairs.size() == 0 || left == 1)
        return std::nullopt;
    const QuestionView next = pairs.at(draws.upcoming(int(pairs.size())));
    return QuestionItem{next.question.toByteArray(), next.answer.toByteArray()};
}

void DrillSession::input(const QString& committedText)
{
    if (game.state() != DrillState::Running)
        return;
    timer.committedTextEdited(clock(), committedText.size());
    const std::optional<QByteArray> typed = TextCodec::encode(committedText);
    lastTyped = typed.value_or(QByteArray());
    game.checkAnswer(typed);
}

void DrillSession::preeditStarted()
{
    if (game.state() == DrillState::Running)
        timer.preeditStarted(clock());
}

ReportInputs DrillSession::reportInputs() const
{
    const DrillTally& tally = game.tally();
    return {gameSettings.secondsPerQuestion, gameSettings.questionsPerGame, tally.correctCount,
            tally.correctTimeSum, tally.answerTimeSum};
}

ReportInputs DrillSession::lastReport(const GameSettings& current) const
{
    ReportInputs inputs = reportInputs();
    inputs.secondsPerQuestion = current.secondsPerQuestion;
    if (reported != GameKind::Today)
        inputs.questionsPerGame = current.questionsPerGame;
    return inputs;
}

std::optional<GradeCounts> DrillSession::lastGrades() const
{
    if (reported != GameKind::Today)
        return std::nullopt;
    return grader.counts();
}

void DrillSession::setBarPosition(int position)
{
    view.setBarPosition(position);
}

void DrillSession::showQuestion(const QByteArray& question)
{
    if (!announced && spoken())
        announce();
    timer.questionShown(clock());
    view.showQuestion(question, pairReadings.rubyFor(game.currentQuestion()));
}

void DrillSession::clearInput()
{
    view.clearInput();
}

// The mark comes before the drill moves on, so its question and bar are still the answer's.
void DrillSession::drawMark(DrillMark mark)
{
    const qint64 now = clock();
    const QuestionItem pair = game.currentQuestion();
    if (mark == DrillMark::Correct) {
        const AnsweredQuestion answered{pair, game.barPosition(), timer.timing(now, inputMode)};
        record.answered(answered.pair, answered.ticks,
                        pairReadings.formOf(pair, lastTyped).value_or(AnswerForm::Answer),
                        answered.timing, grader.answered(answered.pair, answered.timing));
        view.questionAnswered(answered);
    } else {
        const TimedOutQuestion timedOut{pair, lastTyped, timer.timing(std::nullopt, inputMode)};
        pairReadings.missed(pair);
        record.timedOut(timedOut.pair, timedOut.typed, pairReadings.nearest(pair, lastTyped),
                        timedOut.timing, grader.timedOut(timedOut.pair, timedOut.timing));
        view.questionTimedOut(timedOut);
    }
    timer.questionCurrent(now);
    lastTyped.clear();
    announced = false;
}

void DrillSession::playSound(SoundEvent sound)
{
    view.playSound(sound);
}

void DrillSession::gameOver()
{
    const ReportInputs inputs = reportInputs();
    record.gameReported(inputs, ReportFigures::texts(inputs));
    reported = kind;
    endReview();
    view.gameOver(inputs);
}

#include "record/GameRecorder.h"

#include <QThread>

#include <atomic>
#include <memory>

namespace {

// A held lock is mostly let go within milliseconds; a full disk or a denied folder may take the
// user minutes, and a second between tries then costs nothing.
constexpr int FirstPauseMs = 20;
constexpr int LongestPauseMs = 1000;

} // namespace

GameRecorder::GameRecorder(LearningRecord& record, Clock clock)
    : opener(record, [this] { emit messageWaiting(); }), reader(opener), clock(std::move(clock)),
      retryPause(FirstPauseMs)
{
    retryTimer.setSingleShot(true);
    connect(&retryTimer, &QTimer::timeout, this, &GameRecorder::drain);
}

GameRecorder::~GameRecorder()
{
    // The check reads the record through its own connection, which must close before the record.
    // Its thread is let go here: the signal that would have let it go later dies with this object.
    if (checking) {
        checking->wait();
        delete checking;
    }
}

void GameRecorder::open()
{
    opener.ready();
    if (!waiting.empty())
        drain();
}

void GameRecorder::gameStarted(int level, qint32 secondsPerQuestion, qint32 questionsPerGame,
                               bool review)
{
    endGame(std::nullopt);
    gameTimeOuts.clear();
    game = gamesStarted++;
    opener.setGameRunning(true);
    enqueue(Start{*game, {current, level, secondsPerQuestion, questionsPerGame, review, clock()}});
}

void GameRecorder::answered(const QuestionItem& pair, int ticks, const AnswerTiming& timing)
{
    if (game)
        enqueue(Answer{*game, {pair, ticks, {}, clock(), timing}});
}

void GameRecorder::timedOut(const QuestionItem& pair, const QByteArray& typed,
                            const AnswerTiming& timing)
{
    gameTimeOuts.append({pair, typed});
    if (game)
        enqueue(Answer{*game, {pair, std::nullopt, typed, clock(), timing}});
}

void GameRecorder::gameReported(const ReportInputs& inputs, const ReportTexts& texts)
{
    endGame(GameResult{inputs, texts, clock()});
}

void GameRecorder::gameEnded()
{
    endGame(std::nullopt);
}

void GameRecorder::endGame(std::optional<GameResult> result)
{
    opener.setGameRunning(false);
    if (!game)
        return;
    enqueue(Finish{*std::exchange(game, std::nullopt), std::move(result)});
    startWholeFileCheck();
}

void GameRecorder::removeFromNotebook(const QuestionItem& pair)
{
    enqueue(Removal{pair});
}

void GameRecorder::clear()
{
    enqueue(Clearing{});
}

void GameRecorder::enqueue(Write write)
{
    if (std::holds_alternative<Answer>(write))
        ++answersWaiting;
    waiting.push_back(std::move(write));
    // While a pause runs, what comes waits for it instead of meeting the same lock or full disk.
    if (!retryTimer.isActive())
        drain();
}

void GameRecorder::drain()
{
    retryTimer.stop();
    while (!waiting.empty()) {
        if (!opener.ready(true) || !store(waiting.front())) {
            retryLater();
            return;
        }
        if (std::holds_alternative<Answer>(waiting.front()))
            --answersWaiting;
        waiting.pop_front();
    }
    retryPause = FirstPauseMs;
    opener.allStored();
}

void GameRecorder::retryLater()
{
    retryTimer.start(retryPause);
    retryPause = std::min(retryPause * 2, LongestPauseMs);
}

bool GameRecorder::retryNow()
{
    drain();
    return waiting.empty();
}

bool GameRecorder::store(const Write& write)
{
    LearningRecord& record = opener.record();
    bool stored = false;
    if (const auto* start = std::get_if<Start>(&write)) {
        const std::optional<qint64> id = record.beginGame(start->start);
        if (id)
            storedGames.insert(start->game, *id);
        stored = id.has_value();
    } else if (const auto* answer = std::get_if<Answer>(&write)) {
        stored = record.recordAnswer(storedGames.value(answer->game), answer->outcome);
    } else if (const auto* finish = std::get_if<Finish>(&write)) {
        stored =
            !finish->result || record.finishGame(storedGames.value(finish->game), *finish->result);
        if (stored)
            storedGames.remove(finish->game);
    } else if (const auto* removal = std::get_if<Removal>(&write)) {
        stored = record.removeFromNotebook(removal->pair);
    } else {
        stored = record.clear();
    }
    if (!stored)
        opener.failed();
    return stored;
}

void GameRecorder::checkWholeFileWhenIdle()
{
    checkWanted = true;
    if (!opener.isGameRunning())
        startWholeFileCheck();
}

void GameRecorder::startWholeFileCheck()
{
    if (!checkWanted || checking || !opener.ready())
        return;
    checkWanted = false;
    LearningRecord& record = opener.record();
    const auto sound = std::make_shared<std::atomic_bool>(true);
    checking = QThread::create([&record, sound] { *sound = record.wholeFileSound(); });
    connect(checking, &QThread::finished, this, [this, sound] {
        checking->deleteLater();
        checking = nullptr;
        if (!*sound) {
            opener.damageFound();
            // Starts the new record now unless a game runs; then at the game's end.
            opener.ready();
        }
        emit wholeFileChecked(*sound);
    });
    checking->start();
}

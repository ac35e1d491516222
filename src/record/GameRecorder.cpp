#include "record/GameRecorder.h"


GameRecorder::GameRecorder(LearningRecord& record, Clock clock)
    : store(record), clock(std::move(clock))
{}

QString GameRecorder::damagedMessage(const QString& movedTo)
{
    return QStringLiteral(
               "学習記録が壊れていたので、新しい記録を始めます（元の記録は %1 にあります）")
        .arg(movedTo);
}

void GameRecorder::open()
{
    if (opened)
        return;
    opened = true;
    switch (store.open()) {
    case LearningRecord::OpenOutcome::Opened:
        available = true;
        break;
    case LearningRecord::OpenOutcome::StartedAfresh:
        available = true;
        pendingMessage = damagedMessage(store.damagedCopy());
        break;
    case LearningRecord::OpenOutcome::Unavailable:
        written(false);
        break;
    }
}

void GameRecorder::gameStarted(int level, qint32 secondsPerQuestion, qint32 questionsPerGame,
                               bool review)
{
    open();
    gameTimeOuts.clear();
    game.reset();
    if (!available)
        return;
    game = store.beginGame({current, level, secondsPerQuestion, questionsPerGame, review, clock()});
    written(game.has_value());
}

void GameRecorder::answered(const QuestionItem& pair, int ticks, const AnswerTiming& timing)
{
    record({pair, ticks, {}, clock(), timing});
}

void GameRecorder::timedOut(const QuestionItem& pair, const QByteArray& typed,
                            const AnswerTiming& timing)
{
    gameTimeOuts.append({pair, typed});
    record({pair, std::nullopt, typed, clock(), timing});
}

void GameRecorder::record(const AnswerOutcome& outcome)
{
    if (game)
        written(store.recordAnswer(*game, outcome));
}

void GameRecorder::gameReported(const ReportInputs& inputs, const ReportTexts& texts)
{
    if (game)
        written(store.finishGame(*game, {inputs, texts, clock()}));
    game.reset();
}

void GameRecorder::gameEnded()
{
    game.reset();
}

QList<NotebookEntry> GameRecorder::notebook()
{
    open();
    return available ? store.notebook() : QList<NotebookEntry>{};
}

QList<FinishedGame> GameRecorder::finishedGames(const GameFilter& filter)
{
    open();
    return available ? store.finishedGames(filter) : QList<FinishedGame>{};
}

QList<GameTimeOut> GameRecorder::timeOutsOf(const GameFilter& filter)
{
    open();
    return available ? store.timeOutsOf(filter) : QList<GameTimeOut>{};
}

QStringList GameRecorder::recordedFiles()
{
    open();
    return available ? store.recordedFiles() : QStringList{};
}

bool GameRecorder::removeFromNotebook(const QuestionItem& pair)
{
    open();
    const bool removed = available && store.removeFromNotebook(pair);
    written(removed);
    return removed;
}

bool GameRecorder::clear()
{
    open();
    const bool cleared = available && store.clear();
    written(cleared);
    return cleared;
}

void GameRecorder::written(bool succeeded)
{
    if (succeeded || failureTold)
        return;
    failureTold = true;
    if (!pendingMessage)
        pendingMessage = UnavailableMessage;
}

std::optional<QString> GameRecorder::takeMessage()
{
    return std::exchange(pendingMessage, std::nullopt);
}

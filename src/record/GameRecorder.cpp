#include "record/GameRecorder.h"

#include <QThread>

GameRecorder::GameRecorder(LearningRecord& record, Clock clock)
    : clock(std::move(clock)), thread(record.waitsOnDisk() ? std::make_unique<QThread>() : nullptr),
      writer(new RecordWriter(record, waiting)),
      reader(writer->opener(), [this](const std::function<void()>& work) { onWriterAndWait(work); })
{
    connect(writer, &RecordWriter::told, this, &GameRecorder::keepMessage);
    connect(writer, &RecordWriter::wholeFileChecked, this, &GameRecorder::wholeFileChecked);
    if (thread) {
        thread->setObjectName(QStringLiteral("record writer"));
        writer->moveToThread(thread.get());
        connect(thread.get(), &QThread::finished, writer, &QObject::deleteLater);
        thread->start();
    }
}

GameRecorder::~GameRecorder()
{
    retryNow();
    if (thread) {
        thread->quit();
        thread->wait();
    } else {
        delete writer;
    }
}

void GameRecorder::onWriter(std::function<void()> work)
{
    QMetaObject::invokeMethod(writer, std::move(work),
                              thread ? Qt::QueuedConnection : Qt::DirectConnection);
}

void GameRecorder::onWriterAndWait(const std::function<void()>& work)
{
    QMetaObject::invokeMethod(writer, work,
                              thread ? Qt::BlockingQueuedConnection : Qt::DirectConnection);
}

void GameRecorder::open()
{
    onWriterAndWait([this] { writer->open(); });
}

void GameRecorder::gameStarted(int level, qint32 secondsPerQuestion, qint32 questionsPerGame,
                               bool review, bool listening)
{
    endGame(std::nullopt);
    gameTimeOuts.clear();
    game = gamesStarted++;
    writer->setGameRunning(true);
    hand(RecordWrites::Start{
        *game, {current, level, secondsPerQuestion, questionsPerGame, review, clock(), listening}});
}

void GameRecorder::answered(const QuestionItem& pair, int ticks, AnswerForm form,
                            const AnswerTiming& timing, const ReviewMark& review)
{
    if (game)
        hand(RecordWrites::Answer{*game, {pair, ticks, {}, clock(), timing, review, form}});
}

void GameRecorder::timedOut(const QuestionItem& pair, const QByteArray& typed,
                            const AcceptedAnswers::Nearest& nearest, const AnswerTiming& timing,
                            const ReviewMark& review)
{
    gameTimeOuts.append({pair, typed, nearest});
    if (game)
        hand(RecordWrites::Answer{
            *game, {pair, std::nullopt, typed, clock(), timing, review, std::nullopt}});
}

void GameRecorder::endedOn(const QuestionItem& pair, const AnswerTiming& timing, ReviewMark review)
{
    review.gameEndedOnIt = true;
    if (game)
        hand(RecordWrites::Answer{*game,
                                  {pair, std::nullopt, {}, clock(), timing, review, std::nullopt}});
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
    writer->setGameRunning(false);
    if (!game)
        return;
    hand(RecordWrites::Finish{*std::exchange(game, std::nullopt), std::move(result)});
    onWriter([this] { writer->startWholeFileCheck(); });
}

void GameRecorder::removeFromNotebook(const QuestionItem& pair)
{
    hand(RecordWrites::Removal{pair});
}

void GameRecorder::setAnswerByReading(const QuestionItem& pair, bool on)
{
    hand(RecordWrites::ByReadingChoice{pair, on});
}

void GameRecorder::clear()
{
    hand(RecordWrites::Clearing{});
}

void GameRecorder::useScheduler(const Scheduler& scheduler)
{
    onWriter([this, scheduler] { writer->opener().record().setScheduler(scheduler); });
}

void GameRecorder::reschedule()
{
    hand(RecordWrites::Rescheduling{});
}

void GameRecorder::hand(RecordWrite write)
{
    waiting.push(std::move(write));
    onWriter([this] { writer->wake(); });
}

bool GameRecorder::retryNow()
{
    bool stored = false;
    onWriterAndWait([&] { stored = writer->storeNow(); });
    return stored;
}

void GameRecorder::checkWholeFileWhenIdle()
{
    onWriter([this] { writer->checkWholeFileWhenIdle(); });
}

void GameRecorder::keepMessage(const QString& text)
{
    message = text;
    emit messageWaiting();
}

#include "record/RecordWriter.h"

#include <QThread>

#include <atomic>
#include <memory>

namespace {

// A held lock is mostly let go within milliseconds; a full disk or a denied folder may take the
// user minutes, and a second between tries then costs nothing.
constexpr int FirstPauseMs = 20;
constexpr int LongestPauseMs = 1000;

} // namespace

RecordWriter::RecordWriter(LearningRecord& record, WriteQueue& waiting)
    : recordOpener(record, [this](const QString& message) { emit told(message); }),
      waiting(waiting), retryTimer(this), retryPause(FirstPauseMs)
{
    retryTimer.setSingleShot(true);
    connect(&retryTimer, &QTimer::timeout, this, &RecordWriter::drain);
}

RecordWriter::~RecordWriter()
{
    // The check reads the record through its own connection, which must close before the record.
    if (checking) {
        checking->wait();
        delete checking;
    }
    // The record's connection belongs to this thread and is closed on it.
    recordOpener.record().close();
}

void RecordWriter::open()
{
    recordOpener.ready();
    if (!waiting.empty())
        drain();
}

void RecordWriter::wake()
{
    // While a pause runs, what comes waits for it instead of meeting the same lock or full disk.
    if (!retryTimer.isActive())
        drain();
}

bool RecordWriter::storeNow()
{
    drain();
    return waiting.empty();
}

void RecordWriter::drain()
{
    retryTimer.stop();
    while (const RecordWrite* next = waiting.first()) {
        if (!recordOpener.ready(true) || !store(*next)) {
            retryLater();
            return;
        }
        waiting.pop();
    }
    retryPause = FirstPauseMs;
    recordOpener.allStored();
}

void RecordWriter::retryLater()
{
    retryTimer.start(retryPause);
    retryPause = std::min(retryPause * 2, LongestPauseMs);
}

bool RecordWriter::store(const RecordWrite& write)
{
    LearningRecord& record = recordOpener.record();
    bool stored = false;
    if (const auto* start = std::get_if<RecordWrites::Start>(&write)) {
        const std::optional<qint64> id = record.beginGame(start->start);
        if (id)
            storedGames.insert(start->game, *id);
        stored = id.has_value();
    } else if (const auto* answer = std::get_if<RecordWrites::Answer>(&write)) {
        stored = record.recordAnswer(storedGames.value(answer->game), answer->outcome);
    } else if (const auto* finish = std::get_if<RecordWrites::Finish>(&write)) {
        stored =
            !finish->result || record.finishGame(storedGames.value(finish->game), *finish->result);
        if (stored)
            storedGames.remove(finish->game);
    } else if (const auto* removal = std::get_if<RecordWrites::Removal>(&write)) {
        stored = record.removeFromNotebook(removal->pair);
    } else if (const auto* choice = std::get_if<RecordWrites::ByReadingChoice>(&write)) {
        stored = record.setAnswerByReading(choice->pair, choice->on);
    } else if (std::holds_alternative<RecordWrites::Rescheduling>(write)) {
        stored = record.reschedule();
    } else {
        stored = record.clear();
    }
    if (!stored)
        recordOpener.failed();
    return stored;
}

void RecordWriter::checkWholeFileWhenIdle()
{
    checkWanted = true;
    startWholeFileCheck();
}

void RecordWriter::startWholeFileCheck()
{
    if (!checkWanted || checking || recordOpener.isGameRunning() || !recordOpener.ready())
        return;
    checkWanted = false;
    LearningRecord& record = recordOpener.record();
    const auto sound = std::make_shared<std::atomic_bool>(true);
    checking = QThread::create([&record, sound] { *sound = record.wholeFileSound(); });
    connect(checking, &QThread::finished, this, [this, sound] { wholeFileCheckEnded(*sound); });
    checking->start();
}

void RecordWriter::wholeFileCheckEnded(bool sound)
{
    checking->deleteLater();
    checking = nullptr;
    if (!sound) {
        recordOpener.damageFound();
        // Starts the new record now unless a game runs; then at the game's end.
        recordOpener.ready();
    }
    emit wholeFileChecked(sound);
}

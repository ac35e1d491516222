#pragma once

#include "record/LearningRecord.h"

#include <atomic>
#include <functional>

// Opens the learning record the first time it is needed and tells the user once when it cannot.
// Damage found by any call takes the record out of use at once; a new record is started beside it,
// with whatever of it still reads, as soon as no game is writing. It is used on the thread that
// writes the record, but for whether a game runs, which the game's thread sets.
class RecordOpener
{
public:
    // Hands on a message the user is to be told once.
    using Tell = std::function<void(const QString& message)>;

    explicit RecordOpener(LearningRecord& record, Tell tell);

    LearningRecord& record() { return store; }

    // True when the record takes reads and writes now. A record that could not be opened is tried
    // again only when asked to.
    bool ready(bool retryOpen = false);
    // The last call to the record failed: damage takes it out of use, a refusal is told once.
    void failed();
    // Damage that the record's own calls did not meet, such as the whole file's check found.
    void damageFound();
    // Everything that waited is stored: a later failure is told again.
    void allStored() { failureTold = false; }

    void setGameRunning(bool running) { gameRunning = running; }
    bool isGameRunning() const { return gameRunning; }

private:
    enum class State
    {
        Closed,
        Open,
        Unavailable,
        Damaged
    };

    void openNow();
    void startAfresh();
    void tellRefusal();

    LearningRecord& store;
    Tell tell;
    State state = State::Closed;
    std::atomic_bool gameRunning = false;
    bool failureTold = false;
};

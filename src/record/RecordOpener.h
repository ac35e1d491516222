#pragma once

#include "record/LearningRecord.h"

#include <functional>

// Opens the learning record the first time it is needed and tells the user once when it cannot.
// Damage found by any call takes the record out of use at once; a new record is started beside it,
// with whatever of it still reads, as soon as no game is writing.
class RecordOpener
{
public:
    using MessageWaiting = std::function<void()>;

    explicit RecordOpener(LearningRecord& record, MessageWaiting messageWaiting = {});

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

    // The message the user has yet to be told, once; nothing when there is none.
    std::optional<QString> takeMessage();

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
    void tell(const QString& message);

    LearningRecord& store;
    MessageWaiting messageWaiting;
    State state = State::Closed;
    bool gameRunning = false;
    bool failureTold = false;
    std::optional<QString> pendingMessage;
};

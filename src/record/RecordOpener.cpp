#include "record/RecordOpener.h"

#include "record/RecordMessages.h"

RecordOpener::RecordOpener(LearningRecord& record, Tell tell) : store(record), tell(std::move(tell))
{}

bool RecordOpener::ready(bool retryOpen)
{
    if (state == State::Closed || (state == State::Unavailable && retryOpen))
        openNow();
    // Carrying a large record over takes seconds, which a running game must not wait for.
    if (state == State::Damaged && !gameRunning)
        startAfresh();
    return state == State::Open;
}

void RecordOpener::openNow()
{
    const bool firstOpen = state == State::Closed;
    switch (store.open()) {
    case LearningRecord::OpenOutcome::Opened:
        state = State::Open;
        break;
    case LearningRecord::OpenOutcome::StartedAfresh:
        state = State::Open;
        tell(RecordMessages::damaged(store.location(), store.rescue().value_or(RecordRescue{})));
        break;
    case LearningRecord::OpenOutcome::Unavailable:
        state = State::Unavailable;
        if (firstOpen)
            tellRefusal();
        break;
    }
}

void RecordOpener::startAfresh()
{
    if (!store.startAfresh()) {
        state = State::Unavailable;
        tellRefusal();
        return;
    }
    state = State::Open;
    tell(RecordMessages::damaged(store.location(), store.rescue().value_or(RecordRescue{})));
}

void RecordOpener::failed()
{
    switch (store.lastFailure().kind) {
    case RecordFailure::Kind::None:
    case RecordFailure::Kind::Busy:
        return;
    case RecordFailure::Kind::Damaged:
        damageFound();
        return;
    case RecordFailure::Kind::Refused:
        if (!failureTold)
            tellRefusal();
        return;
    }
}

void RecordOpener::damageFound()
{
    if (state == State::Open)
        state = State::Damaged;
}

void RecordOpener::tellRefusal()
{
    failureTold = true;
    tell(RecordMessages::unsaved(store.lastFailure().reason, store.location()));
}

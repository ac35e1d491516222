#pragma once

#include "record/RecordWrite.h"

#include <QMutex>

#include <deque>

// The writes handed over and not yet stored, in the order they were made. The game's thread
// pushes; the writer's thread reads the first and drops it once the record has taken it. Every
// call takes the one lock, held only for the list's own work, never across a write.
class WriteQueue
{
public:
    void push(RecordWrite write);
    // The first write, which stays where it is, its address too, until pop(); nothing when no
    // write waits. Only the writer's thread calls this and pop().
    const RecordWrite* first() const;
    void pop();

    bool empty() const;
    // The answers among the writes, from any thread.
    qsizetype answers() const;

private:
    mutable QMutex mutex;
    // A deque keeps its elements in place while the back grows.
    std::deque<RecordWrite> writes;
    qsizetype answersWaiting = 0;
};

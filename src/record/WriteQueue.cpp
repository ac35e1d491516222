#include "record/WriteQueue.h"

void WriteQueue::push(RecordWrite write)
{
    const QMutexLocker locker(&mutex);
    if (std::holds_alternative<RecordWrites::Answer>(write))
        ++answersWaiting;
    writes.push_back(std::move(write));
}

const RecordWrite* WriteQueue::first() const
{
    const QMutexLocker locker(&mutex);
    return writes.empty() ? nullptr : &writes.front();
}

void WriteQueue::pop()
{
    const QMutexLocker locker(&mutex);
    if (std::holds_alternative<RecordWrites::Answer>(writes.front()))
        --answersWaiting;
    writes.pop_front();
}

bool WriteQueue::empty() const
{
    const QMutexLocker locker(&mutex);
    return writes.empty();
}

qsizetype WriteQueue::answers() const
{
    const QMutexLocker locker(&mutex);
    return answersWaiting;
}

#include "session/AnswerTimer.h"

#include <algorithm>
#include <utility>

void AnswerTimer::questionCurrent(qint64 now)
{
    *this = AnswerTimer();
    currentAt = now;
}

void AnswerTimer::questionShown(qint64 now)
{
    if (!shownAt)
        shownAt = now;
}

void AnswerTimer::preeditStarted(qint64 now)
{
    if (!firstKeyAt)
        firstKeyAt = now;
}

void AnswerTimer::committedTextEdited(qint64 now, qsizetype length)
{
    preeditStarted(now);
    ++keys;
    if (length < committedLength)
        ++corrections;
    committedLength = length;
}

void AnswerTimer::pause(qint64 now)
{
    if (!pausedAt)
        pausedAt = now;
}

void AnswerTimer::resume(qint64 now)
{
    if (!pausedAt)
        return;
    const qint64 paused = now - *std::exchange(pausedAt, std::nullopt);
    currentAt += paused;
    for (std::optional<qint64>* at : {&shownAt, &firstKeyAt}) {
        if (*at)
            **at += paused;
    }
}

qint64 AnswerTimer::since(qint64 at) const
{
    return std::max<qint64>(0, at - shownAt.value_or(currentAt));
}

AnswerTiming AnswerTimer::timing(std::optional<qint64> matchedAt, InputMode mode) const
{
    AnswerTiming timing;
    if (firstKeyAt)
        timing.firstKeyMs = since(*firstKeyAt);
    if (matchedAt)
        timing.matchMs = since(*matchedAt);
    timing.keys = keys;
    timing.corrections = corrections;
    timing.mode = mode;
    return timing;
}

#include "record/NotebookRule.h"

#include "drill/Drill.h"

#include <algorithm>

namespace NotebookRule {

PairProgress after(const PairProgress& progress, const AnswerOutcome& outcome)
{
    PairProgress next = progress;
    if (!outcome.correctTicks) {
        ++next.misses;
        next.lastTimeOutTyped = outcome.typed;
    } else {
        ++next.corrects;
        next.correctTicks += *outcome.correctTicks;
        next.lastAnsweredBy = outcome.answeredBy;
    }
    if (outcome.correctTicks && *outcome.correctTicks <= FastTicks) {
        ++next.fastStreak;
        if (next.fastStreak >= LeavingStreak)
            next.inNotebook = false;
    } else {
        next.fastStreak = 0;
        next.inNotebook = true;
        next.lastMiss = outcome.at;
    }
    return next;
}

PairProgress removedByHand(const PairProgress& progress)
{
    PairProgress next = progress;
    next.inNotebook = false;
    next.fastStreak = 0;
    return next;
}

int reviewWeight(const PairProgress& progress, const QDateTime& now)
{
    const int misses = std::clamp(1 + progress.misses, 1, MissCap);
    const qint64 age = progress.lastMiss.isValid() ? progress.lastMiss.secsTo(now) : -1;
    constexpr qint64 Day = 24 * 60 * 60;
    int recency = 1;
    if (age >= 0 && age < Day)
        recency = 4;
    else if (age >= 0 && age < 7 * Day)
        recency = 2;
    return misses * recency;
}

std::optional<double> averageCorrectSeconds(const PairProgress& progress)
{
    if (progress.corrects <= 0)
        return std::nullopt;
    return Drill::secondsOf(progress.correctTicks) / progress.corrects;
}

} // namespace NotebookRule

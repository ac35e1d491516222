#include "schedule/Scheduler.h"

#include "schedule/IntervalFuzz.h"

#include <algorithm>
#include <array>
#include <span>

namespace {

using std::chrono::days;
using std::chrono::minutes;

constexpr std::array<minutes, 2> LearningSteps{minutes(1), minutes(10)};
constexpr std::array<minutes, 1> RelearningSteps{minutes(10)};

// Whole days, as the model counts them; a clock set back counts as none.
long elapsedDays(Instant from, Instant to)
{
    if (to <= from)
        return 0;
    return static_cast<long>(std::chrono::floor<days>(to - from).count());
}

std::span<const minutes> stepsOf(PairState state)
{
    if (state == PairState::Relearning)
        return RelearningSteps;
    return LearningSteps;
}

// Hard on the first step waits between the first two steps, or half as long again as the only
// one; on a later step it repeats that step.
Instant::duration hardStep(std::span<const minutes> steps, int step)
{
    if (step == 0 && steps.size() >= 2)
        return std::chrono::duration_cast<Instant::duration>(steps[0] + steps[1]) / 2;
    if (step == 0)
        return std::chrono::duration_cast<Instant::duration>(steps[0]) * 3 / 2;
    return steps[static_cast<std::size_t>(step)];
}

} // namespace

std::string_view stateName(PairState state)
{
    switch (state) {
    case PairState::New:
        return "new";
    case PairState::Learning:
        return "learning";
    case PairState::Review:
        return "review";
    case PairState::Relearning:
        return "relearning";
    }
    return {};
}

Scheduler::Scheduler(const SchedulerParameters& parameters)
    : settings(parameters), model(parameters)
{}

PairSchedule Scheduler::review(const PairSchedule& pair, Grade grade, Instant at,
                               std::uint64_t pairId) const
{
    PairSchedule next = pair;
    updateMemory(next, grade, elapsedDays(pair.lastReview, at));
    next.due = nextDue(next, grade, at, pairId);
    next.lastReview = at;
    return next;
}

double Scheduler::retrievability(const PairSchedule& pair, Instant at) const
{
    if (pair.state == PairState::New)
        return 0;
    return model.retrievability(static_cast<double>(elapsedDays(pair.lastReview, at)),
                                pair.stability);
}

void Scheduler::updateMemory(PairSchedule& pair, Grade grade, long elapsed) const
{
    if (pair.state == PairState::New) {
        pair.stability = model.initialStability(grade);
        pair.difficulty = model.initialDifficulty(grade);
        return;
    }
    if (elapsed < 1) {
        pair.stability = model.shortTermStability(pair.stability, grade);
    } else {
        const double recall = model.retrievability(static_cast<double>(elapsed), pair.stability);
        pair.stability = model.nextStability(pair.difficulty, pair.stability, recall, grade);
    }
    pair.difficulty = model.nextDifficulty(pair.difficulty, grade);
}

Instant Scheduler::nextDue(PairSchedule& pair, Grade grade, Instant at, std::uint64_t pairId) const
{
    if (pair.state == PairState::Review) {
        if (grade != Grade::Again)
            return graduate(pair, at, pairId);
        pair.state = PairState::Relearning;
        pair.step = 0;
        return at + RelearningSteps[0];
    }
    if (pair.state == PairState::New) {
        pair.state = PairState::Learning;
        pair.step = 0;
    }
    const std::span<const minutes> steps = stepsOf(pair.state);
    // A step beyond the steps, as a record from other settings may hold, ends them.
    const bool pastSteps = pair.step < 0 || static_cast<std::size_t>(pair.step) >= steps.size();
    if (grade == Grade::Easy || (pastSteps && grade != Grade::Again))
        return graduate(pair, at, pairId);
    switch (grade) {
    case Grade::Again:
        pair.step = 0;
        return at + steps[0];
    case Grade::Hard:
        return at + hardStep(steps, pair.step);
    default:
        if (static_cast<std::size_t>(pair.step) + 1 == steps.size())
            return graduate(pair, at, pairId);
        ++pair.step;
        return at + steps[static_cast<std::size_t>(pair.step)];
    }
}

Instant Scheduler::graduate(PairSchedule& pair, Instant at, std::uint64_t pairId) const
{
    pair.state = PairState::Review;
    pair.step = 0;
    int interval = model.intervalDays(pair.stability);
    if (settings.fuzz)
        interval = fuzzedIntervalDays(interval, settings.maximumIntervalDays, pairId, at);
    return at + days(interval);
}

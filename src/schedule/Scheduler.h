#pragma once

#include "schedule/Grade.h"
#include "schedule/Instant.h"
#include "schedule/MemoryModel.h"
#include "schedule/SchedulerParameters.h"

#include <cstdint>
#include <string_view>

enum class PairState
{
    New,
    Learning,
    Review,
    Relearning
};

std::string_view stateName(PairState state);

// What the scheduler knows of one question/answer pair. A new pair has no stability, difficulty
// or last review yet; step is the learning or relearning step the pair is on.
struct PairSchedule
{
    PairState state = PairState::New;
    int step = 0;
    double stability = 0;
    double difficulty = 0;
    Instant due{};
    Instant lastReview{};

    friend bool operator==(const PairSchedule&, const PairSchedule&) = default;
};

// Schedules each pair's next review from its answers: learning steps of 1 and 10 minutes, a
// relearning step of 10 minutes after a lapse, then intervals in whole days from the memory model.
class Scheduler
{
public:
    explicit Scheduler(const SchedulerParameters& parameters = {});

    // The pair after an answer graded so at that instant. An instant before the last review, as
    // from a clock set back, counts as no time elapsed.
    PairSchedule review(const PairSchedule& pair, Grade grade, Instant at,
                        std::uint64_t pairId) const;

    // The chance the pair is recalled at that instant; 0 for a new pair.
    double retrievability(const PairSchedule& pair, Instant at) const;

    const SchedulerParameters& parameters() const { return settings; }

private:
    void updateMemory(PairSchedule& pair, Grade grade, long elapsedDays) const;
    Instant nextDue(PairSchedule& pair, Grade grade, Instant at, std::uint64_t pairId) const;
    Instant graduate(PairSchedule& pair, Instant at, std::uint64_t pairId) const;

    SchedulerParameters settings;
    MemoryModel model;
};

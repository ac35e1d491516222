#pragma once

#include "schedule/Instant.h"

#include <cstdint>

// The interval's spread: a pair due in d days may come due anywhere in [shortest, longest].
struct FuzzRange
{
    int shortest;
    int longest;
};

// ±15 % of the days from 2.5 to 7, ±10 % of those from 7 to 20 and ±5 % beyond, plus one day,
// never under 2 days nor over the maximum. Intervals under 2.5 days are not spread.
FuzzRange fuzzRange(int intervalDays, int maximumIntervalDays);

// One draw from the range, the same for the same pair reviewed at the same instant, on every
// compiler and library: the seed goes through a fixed generator of our own.
int fuzzedIntervalDays(int intervalDays, int maximumIntervalDays, std::uint64_t pairId,
                       Instant reviewedAt);

// A 64-bit mixing step (splitmix64): a well-spread value for each state.
std::uint64_t splitMix64(std::uint64_t& state);

#pragma once

#include "schedule/Scheduler.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// A line of a review log that could not be replayed, by its number from 1.
struct ReplayProblem
{
    enum class Kind
    {
        FieldCount,
        BadTime,
        BadGrade
    };

    Kind kind;
    std::size_t line;
    // The field at fault, or the number of fields found.
    std::string text;
};

struct ReplaySummary
{
    std::size_t replayed = 0;
    std::vector<ReplayProblem> problems;
};

// Replays a review log, one review a line as "pair,time,grade" (any pair text without a comma;
// time as in parseInstant; grade 1 to 4), each pair from new through its own reviews in the
// order of the lines. For every line replayed, out gets "pair,state,stability,difficulty,due".
// Blank lines are passed over; faulty lines are skipped and listed.
ReplaySummary replayReviews(std::string_view log, const Scheduler& scheduler, std::string& out);

// A pair's number for the interval's spread, from its text (64-bit FNV-1a).
std::uint64_t pairIdOf(std::string_view pair);

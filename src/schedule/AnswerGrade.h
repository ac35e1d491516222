#pragma once

#include "schedule/Grade.h"
#include "schedule/GradeThresholds.h"

#include <optional>

// How a question shown in a game ended.
enum class ShowingEnd
{
    Correct,
    TimedOut,
    GameEnded,
    AnswerShown
};

// How one answer was typed. The thresholds passed with it are those of its input mode.
struct TypedAnswer
{
    ShowingEnd outcome = ShowingEnd::Correct;
    // None when no key reached the input line before the match (e.g. a pasted answer).
    std::optional<int> firstKeyMs;
    int matchMs = 0;
    int corrections = 0;
    int keys = 0;
    int timeLimitMs = 0;
};

// The grade the typing shows, without asking the learner: Again for a miss, Hard for a slow
// start, a correction or a match late in the time, Easy for a quick start and a whole answer at
// the learner's usual pace, Good otherwise.
Grade gradeAnswer(const TypedAnswer& answer, const GradeThresholds& thresholds);

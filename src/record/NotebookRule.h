#pragma once

#include "record/LearningRecord.h"

// When a pair enters and leaves the mistake notebook, and how often a review game asks it.
//
// A correct answer within FastTicks (5 seconds of the bar) is fast. A time-out or a slower correct
// answer puts the pair into the notebook and starts its streak afresh; LeavingStreak fast correct
// answers in a row take it out again.
//
// A review game asks a pair with the weight (1 + misses, at most MissCap) × recency, where recency
// is 4 when the last miss was under a day ago, 2 under a week ago and 1 otherwise.
namespace NotebookRule {

inline constexpr int FastTicks = 50;
inline constexpr int LeavingStreak = 3;
inline constexpr int MissCap = 10;

PairProgress after(const PairProgress& progress, const AnswerOutcome& outcome);
PairProgress removedByHand(const PairProgress& progress);

int reviewWeight(const PairProgress& progress, const QDateTime& now);

// Nothing when there were no correct answers.
std::optional<double> averageCorrectSeconds(const PairProgress& progress);

} // namespace NotebookRule

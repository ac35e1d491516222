#pragma once

#include "schedule/Grade.h"
#include "schedule/SchedulerParameters.h"

// The memory model's formulas: how stability (days until recall falls to 90 %) and difficulty
// (1 to 10) of a pair change with each answer, and the interval that aims at the retention.
class MemoryModel
{
public:
    static constexpr double MinimumStability = 0.001;
    static constexpr double MinimumDifficulty = 1.0;
    static constexpr double MaximumDifficulty = 10.0;

    explicit MemoryModel(const SchedulerParameters& parameters);

    // The chance of recall after elapsedDays for a pair of this stability.
    double retrievability(double elapsedDays, double stability) const;

    double initialStability(Grade grade) const;
    double initialDifficulty(Grade grade) const;
    double nextDifficulty(double difficulty, Grade grade) const;
    // A second answer on the same day: the model's short-term bound instead of the curve.
    double shortTermStability(double stability, Grade grade) const;
    // After a day or more: recall strengthens by how much had been forgotten; a lapse falls to
    // the lower of the long-term and the short-term bound.
    double nextStability(double difficulty, double stability, double retrievability,
                         Grade grade) const;
    // Whole days until recall falls to the retention, at least 1 and at most the maximum.
    int intervalDays(double stability) const;

private:
    double w(int index) const { return weights[static_cast<std::size_t>(index)]; }
    double rawInitialDifficulty(Grade grade) const;
    double recallStability(double difficulty, double stability, double retrievability,
                           Grade grade) const;
    double forgetStability(double difficulty, double stability, double retrievability) const;

    Weights weights;
    double retention;
    int maximumIntervalDays;
    double decay;
    double factor;
};

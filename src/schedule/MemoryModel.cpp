#include "schedule/MemoryModel.h"

#include <algorithm>
#include <cmath>

namespace {

double value(Grade grade)
{
    return static_cast<double>(grade);
}

double clampStability(double stability)
{
    return std::max(stability, MemoryModel::MinimumStability);
}

double clampDifficulty(double difficulty)
{
    return std::clamp(difficulty, MemoryModel::MinimumDifficulty, MemoryModel::MaximumDifficulty);
}

} // namespace

MemoryModel::MemoryModel(const SchedulerParameters& parameters)
    : weights(parameters.weights), retention(parameters.retention),
      maximumIntervalDays(parameters.maximumIntervalDays), decay(-parameters.weights[20]),
      factor(std::pow(0.9, 1.0 / decay) - 1.0)
{}

double MemoryModel::retrievability(double elapsedDays, double stability) const
{
    return std::pow(1.0 + factor * std::max(elapsedDays, 0.0) / stability, decay);
}

double MemoryModel::initialStability(Grade grade) const
{
    return clampStability(w(static_cast<int>(grade) - 1));
}

double MemoryModel::rawInitialDifficulty(Grade grade) const
{
    return w(4) - std::exp(w(5) * (value(grade) - 1.0)) + 1.0;
}

double MemoryModel::initialDifficulty(Grade grade) const
{
    return clampDifficulty(rawInitialDifficulty(grade));
}

double MemoryModel::nextDifficulty(double difficulty, Grade grade) const
{
    const double change = -w(6) * (value(grade) - 3.0);
    // The step shrinks as difficulty nears 10, so that it approaches the top without reaching it.
    const double damped = difficulty + (10.0 - difficulty) * change / 9.0;
    // Each answer also pulls it a little towards the difficulty of a first Easy.
    const double reverted = w(7) * rawInitialDifficulty(Grade::Easy) + (1.0 - w(7)) * damped;
    return clampDifficulty(reverted);
}

double MemoryModel::shortTermStability(double stability, Grade grade) const
{
    double increase = std::exp(w(17) * (value(grade) - 3.0 + w(18))) * std::pow(stability, -w(19));
    if (grade == Grade::Good || grade == Grade::Easy)
        increase = std::max(increase, 1.0);
    return clampStability(stability * increase);
}

double MemoryModel::nextStability(double difficulty, double stability, double retrievability,
                                  Grade grade) const
{
    const double next = grade == Grade::Again
                            ? forgetStability(difficulty, stability, retrievability)
                            : recallStability(difficulty, stability, retrievability, grade);
    return clampStability(next);
}

double MemoryModel::recallStability(double difficulty, double stability, double retrievability,
                                    Grade grade) const
{
    const double hardPenalty = grade == Grade::Hard ? w(15) : 1.0;
    const double easyBonus = grade == Grade::Easy ? w(16) : 1.0;
    return stability *
           (1.0 + std::exp(w(8)) * (11.0 - difficulty) * std::pow(stability, -w(9)) *
                      (std::exp((1.0 - retrievability) * w(10)) - 1.0) * hardPenalty * easyBonus);
}

double MemoryModel::forgetStability(double difficulty, double stability,
                                    double retrievability) const
{
    const double longTerm = w(11) * std::pow(difficulty, -w(12)) *
                            (std::pow(stability + 1.0, w(13)) - 1.0) *
                            std::exp((1.0 - retrievability) * w(14));
    const double shortTerm = stability / std::exp(w(17) * w(18));
    return std::min(longTerm, shortTerm);
}

int MemoryModel::intervalDays(double stability) const
{
    const double days = stability / factor * (std::pow(retention, 1.0 / decay) - 1.0);
    // Halves round to even, as the model's own implementation rounds.
    const double whole = std::nearbyint(days);
    return static_cast<int>(std::clamp(whole, 1.0, static_cast<double>(maximumIntervalDays)));
}

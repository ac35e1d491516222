#include "schedule/GradeThresholds.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <vector>

namespace {

// The nearest-rank percentile: the smallest value with at least that share of values at or
// below it.
int percentile(std::vector<int> values, double share)
{
    const auto rank =
        static_cast<std::size_t>(std::ceil(share * static_cast<double>(values.size())));
    const std::size_t index = std::max<std::size_t>(rank, 1) - 1;
    std::nth_element(values.begin(), values.begin() + static_cast<std::ptrdiff_t>(index),
                     values.end());
    return values[index];
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    if (values.size() % 2 == 1)
        return values[middle];
    return (values[middle - 1] + values[middle]) / 2.0;
}

} // namespace

GradeThresholds gradeThresholds(std::span<const AnswerTimingSample> answers)
{
    if (answers.size() < static_cast<std::size_t>(ThresholdMinimumSamples))
        return {};
    const std::span<const AnswerTimingSample> latest =
        answers.last(std::min(answers.size(), static_cast<std::size_t>(ThresholdWindow)));
    std::vector<int> firstKeys;
    std::vector<double> perKey;
    firstKeys.reserve(latest.size());
    perKey.reserve(latest.size());
    for (const AnswerTimingSample& answer : latest) {
        firstKeys.push_back(answer.firstKeyMs);
        perKey.push_back(static_cast<double>(answer.matchMs - answer.firstKeyMs) /
                         std::max(answer.keys, 1));
    }
    return {percentile(firstKeys, 0.1), percentile(firstKeys, 0.9), median(std::move(perKey))};
}

#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

inline constexpr std::size_t WeightCount = 21;
using Weights = std::array<double, WeightCount>;

// The memory model's weights as its authors fitted them to many learners' reviews.
inline constexpr Weights DefaultWeights{0.212,  1.2931, 2.3065, 8.2956, 6.4133, 0.8334, 3.0194,
                                        0.001,  1.8722, 0.1666, 0.796,  1.4835, 0.0614, 0.2629,
                                        1.6483, 0.6014, 1.8729, 0.5425, 0.0912, 0.0658, 0.1542};

struct Bounds
{
    double lower;
    double upper;
};

inline constexpr Bounds RetentionBounds{0.70, 0.97};
inline constexpr int MaximumIntervalLimit = 36500;

struct SchedulerParameters
{
    Weights weights = DefaultWeights;
    // The chance of recall the intervals aim for at the due time.
    double retention = 0.9;
    int maximumIntervalDays = 365;
    // Spreads intervals of a few days and more, so that pairs learnt together do not stay together.
    bool fuzz = true;
};

// Why a setting of the scheduler was refused, with what the message names.
struct ParameterProblem
{
    enum class Kind
    {
        WeightCount,
        NotANumber,
        WeightOutOfRange,
        RetentionOutOfRange,
        MaximumIntervalOutOfRange
    };

    Kind kind = Kind::WeightCount;
    // The weight (w0 to w20) for a weight out of range or not a number.
    std::size_t index = 0;
    // The text as given: the token that is no number, or the value out of range.
    std::string text;
    std::size_t count = 0;
    Bounds bounds{0, 0};
};

struct WeightsParse
{
    std::optional<Weights> weights;
    std::optional<ParameterProblem> problem;
};

// Reads 21 weights pasted as one line, separated by commas, spaces or both.
WeightsParse parseWeights(std::string_view line);

std::optional<ParameterProblem> checkRetention(double retention);
std::optional<ParameterProblem> checkMaximumInterval(int days);

#include "schedule/SchedulerParameters.h"

#include <charconv>
#include <cstdio>
#include <vector>

namespace {

// The range in which each weight keeps the model's curves sensible (w0 to w20).
constexpr std::array<Bounds, WeightCount> WeightBounds{{
    {0.001, 100.0}, {0.001, 100.0}, {0.001, 100.0}, {0.001, 100.0}, {1.0, 10.0},  {0.001, 4.0},
    {0.001, 4.0},   {0.001, 0.75},  {0.0, 4.5},     {0.0, 0.8},     {0.001, 3.5}, {0.001, 5.0},
    {0.001, 0.25},  {0.001, 0.9},   {0.0, 4.0},     {0.0, 1.0},     {1.0, 6.0},   {0.0, 2.0},
    {0.0, 2.0},     {0.0, 0.8},     {0.1, 0.8},
}};

bool within(double value, Bounds bounds)
{
    // Written so that NaN falls outside.
    return value >= bounds.lower && value <= bounds.upper;
}

std::string shortest(double value)
{
    char text[32];
    std::snprintf(text, sizeof text, "%g", value);
    return text;
}

bool isSeparator(char c)
{
    return c == ',' || c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

std::vector<std::string_view> tokens(std::string_view line)
{
    std::vector<std::string_view> result;
    std::size_t at = 0;
    while (at < line.size()) {
        while (at < line.size() && isSeparator(line[at]))
            ++at;
        const std::size_t start = at;
        while (at < line.size() && !isSeparator(line[at]))
            ++at;
        if (at > start)
            result.push_back(line.substr(start, at - start));
    }
    return result;
}

std::optional<double> number(std::string_view token)
{
    // from_chars takes no plus sign, which a pasted list may carry.
    if (token.size() > 1 && token.front() == '+')
        token.remove_prefix(1);
    double value = 0;
    const auto [end, error] = std::from_chars(token.data(), token.data() + token.size(), value);
    if (error != std::errc() || end != token.data() + token.size())
        return std::nullopt;
    return value;
}

} // namespace

WeightsParse parseWeights(std::string_view line)
{
    const std::vector<std::string_view> found = tokens(line);
    if (found.size() != WeightCount)
        return {std::nullopt,
                ParameterProblem{ParameterProblem::Kind::WeightCount, 0, {}, found.size(), {0, 0}}};
    Weights weights{};
    for (std::size_t i = 0; i < WeightCount; ++i) {
        const std::optional<double> value = number(found[i]);
        if (!value)
            return {std::nullopt, ParameterProblem{ParameterProblem::Kind::NotANumber, i,
                                                   std::string(found[i]), 0, WeightBounds[i]}};
        if (!within(*value, WeightBounds[i]))
            return {std::nullopt, ParameterProblem{ParameterProblem::Kind::WeightOutOfRange, i,
                                                   std::string(found[i]), 0, WeightBounds[i]}};
        weights[i] = *value;
    }
    return {weights, std::nullopt};
}

std::optional<ParameterProblem> checkRetention(double retention)
{
    if (within(retention, RetentionBounds))
        return std::nullopt;
    return ParameterProblem{ParameterProblem::Kind::RetentionOutOfRange, 0, shortest(retention), 0,
                            RetentionBounds};
}

std::optional<ParameterProblem> checkMaximumInterval(int days)
{
    const Bounds allowed{1, MaximumIntervalLimit};
    if (within(days, allowed))
        return std::nullopt;
    return ParameterProblem{ParameterProblem::Kind::MaximumIntervalOutOfRange, 0,
                            std::to_string(days), 0, allowed};
}

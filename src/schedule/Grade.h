#pragma once

#include <array>

// How well a pair was remembered, as the memory model numbers the four answers.
enum class Grade
{
    Again = 1,
    Hard = 2,
    Good = 3,
    Easy = 4
};

// How many reviews earned each grade, Again first.
using GradeCounts = std::array<int, 4>;

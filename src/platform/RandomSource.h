#pragma once

// Where the drill draws its questions from.
class RandomSource
{
public:
    virtual ~RandomSource() = default;
    // A uniform integer in 0 .. bound - 1; bound is at least 1.
    virtual int bounded(int bound) = 0;
};

#pragma once

#include "platform/RandomSource.h"

#include <optional>
#include <utility>

// Where the drill draws its questions: at random, as in every game, or in the order of its list,
// for today's review, whose list is already in the order it is to be asked.
class DrawOrder : public RandomSource
{
public:
    explicit DrawOrder(RandomSource& random) : random(random) {}

    void atRandom()
    {
        next.reset();
        ahead.reset();
    }
    void inTurn()
    {
        next = 0;
        ahead.reset();
    }

    // What the next draw gives, drawn now and kept for it, so that what follows can be made
    // ready ahead.
    int upcoming(int bound)
    {
        if (!ahead)
            ahead = bounded(bound);
        return *ahead;
    }

    int bounded(int bound) override
    {
        if (ahead)
            return *std::exchange(ahead, std::nullopt) % bound;
        if (!next)
            return random.bounded(bound);
        return (*next)++ % bound;
    }

private:
    RandomSource& random;
    std::optional<int> next;
    std::optional<int> ahead;
};

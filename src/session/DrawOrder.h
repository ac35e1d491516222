#pragma once

#include "platform/RandomSource.h"

#include <optional>

// Where the drill draws its questions: at random, as in every game, or in the order of its list,
// for today's review, whose list is already in the order it is to be asked.
class DrawOrder : public RandomSource
{
public:
    explicit DrawOrder(RandomSource& random) : random(random) {}

    void atRandom() { next.reset(); }
    void inTurn() { next = 0; }

    int bounded(int bound) override
    {
        if (!next)
            return random.bounded(bound);
        return (*next)++ % bound;
    }

private:
    RandomSource& random;
    std::optional<int> next;
};

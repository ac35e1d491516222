#pragma once

#include "platform/RandomSource.h"

#include <optional>

// Where the drill draws its questions: at random, as in every game; in the order of its list,
// for today's review, whose list is already in the order it is to be asked; or from a source of
// the game's own, for an assignment, whose order its seed fixes.
class DrawOrder : public RandomSource
{
public:
    explicit DrawOrder(RandomSource& random) : random(random) {}

    void atRandom()
    {
        next.reset();
        own = nullptr;
    }
    void inTurn() { next = 0; }
    void from(RandomSource& source) { own = &source; }

    int bounded(int bound) override
    {
        if (next)
            return (*next)++ % bound;
        return own ? own->bounded(bound) : random.bounded(bound);
    }

private:
    RandomSource& random;
    RandomSource* own = nullptr;
    std::optional<int> next;
};

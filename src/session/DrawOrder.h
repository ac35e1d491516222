#pragma once

#include "platform/RandomSource.h"

#include <optional>
#include <utility>

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
        ahead.reset();
        own = nullptr;
    }
    void inTurn()
    {
        next = 0;
        ahead.reset();
    }
    void from(RandomSource& source)
    {
        own = &source;
        ahead.reset();
    }

    // What the next draw gives, drawn now and kept for it, so that what follows can be made
    // ready ahead. The draws come in the same order either way.
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
        if (next)
            return (*next)++ % bound;
        return own ? own->bounded(bound) : random.bounded(bound);
    }

private:
    RandomSource& random;
    std::optional<int> next;
    std::optional<int> ahead;
    RandomSource* own = nullptr;
};

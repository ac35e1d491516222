#pragma once

#include "platform/RandomSource.h"

#include <QtGlobal>

#include <array>

// The generators are written out here rather than taken from a library whose shuffle or
// distribution may change between versions: an assignment's seed must give every pupil the same
// questions in the same order on every PC and every version of the program.
namespace SeededGenerators {

// A value in 0 .. range - 1 from 32-bit words, by Lemire's multiply-and-reject method: the word
// times the range, whose upper half is the value, unless its lower half falls below
// 2^32 mod range, where some values would come once too often; then the next word is taken.
template <typename NextWord> quint32 unbiasedBelow(quint32 range, NextWord nextWord)
{
    quint64 product = quint64(nextWord()) * range;
    if (quint32(product) < range) {
        const quint32 threshold = quint32(-range) % range;
        while (quint32(product) < threshold)
            product = quint64(nextWord()) * range;
    }
    return quint32(product >> 32);
}

// Sebastiano Vigna's splitmix64: spreads one 64-bit seed over a generator's state.
class SplitMix64
{
public:
    explicit SplitMix64(quint64 seed) : state(seed) {}
    quint64 next();

private:
    quint64 state;
};

// Blackman and Vigna's xoshiro256**, seeded from four splitmix64 outputs.
class Xoshiro256StarStar
{
public:
    using State = std::array<quint64, 4>;

    explicit Xoshiro256StarStar(const State& state) : state(state) {}
    static Xoshiro256StarStar fromSeed(quint64 seed);
    quint64 next();

private:
    State state;
};

} // namespace SeededGenerators

// The draw of an assignment's questions: xoshiro256** from the assignment's seed, each value
// taken from the upper 32 bits of its outputs by unbiasedBelow.
class SeededRandom : public RandomSource
{
public:
    explicit SeededRandom(quint64 seed)
        : generator(SeededGenerators::Xoshiro256StarStar::fromSeed(seed))
    {}

    int bounded(int bound) override;

private:
    SeededGenerators::Xoshiro256StarStar generator;
};

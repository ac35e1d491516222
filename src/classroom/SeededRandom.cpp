#include "classroom/SeededRandom.h"

namespace SeededGenerators {

namespace {

quint64 rotateLeft(quint64 value, int bits)
{
    return (value << bits) | (value >> (64 - bits));
}

} // namespace

quint64 SplitMix64::next()
{
    state += 0x9e3779b97f4a7c15u;
    quint64 z = state;
    z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9u;
    z = (z ^ (z >> 27)) * 0x94d049bb133111ebu;
    return z ^ (z >> 31);
}

Xoshiro256StarStar Xoshiro256StarStar::fromSeed(quint64 seed)
{
    SplitMix64 spread(seed);
    State state;
    for (quint64& word : state)
        word = spread.next();
    return Xoshiro256StarStar(state);
}

quint64 Xoshiro256StarStar::next()
{
    const quint64 result = rotateLeft(state[1] * 5, 7) * 9;
    const quint64 shifted = state[1] << 17;
    state[2] ^= state[0];
    state[3] ^= state[1];
    state[1] ^= state[2];
    state[0] ^= state[3];
    state[2] ^= shifted;
    state[3] = rotateLeft(state[3], 45);
    return result;
}

} // namespace SeededGenerators

int SeededRandom::bounded(int bound)
{
    return static_cast<int>(SeededGenerators::unbiasedBelow(
        static_cast<quint32>(bound), [this] { return quint32(generator.next() >> 32); }));
}

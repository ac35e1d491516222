#include "schedule/IntervalFuzz.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace {

struct Band
{
    double start;
    double end;
    double share;
};

constexpr std::array<Band, 3> Bands{{{2.5, 7.0, 0.15}, {7.0, 20.0, 0.10}, {20.0, 1e300, 0.05}}};

constexpr double ShortestFuzzed = 2.5;

// A uniform value in [0, 1) from the top 53 bits, which a double holds exactly.
double unitInterval(std::uint64_t bits)
{
    return static_cast<double>(bits >> 11) * 0x1.0p-53;
}

} // namespace

std::uint64_t splitMix64(std::uint64_t& state)
{
    state += 0x9e3779b97f4a7c15ULL;
    std::uint64_t z = state;
    z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
    z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
    return z ^ (z >> 31);
}

FuzzRange fuzzRange(int intervalDays, int maximumIntervalDays)
{
    double delta = 1.0;
    for (const Band& band : Bands)
        delta += band.share * std::max(std::min<double>(intervalDays, band.end) - band.start, 0.0);
    int longest = static_cast<int>(std::nearbyint(intervalDays + delta));
    int shortest = static_cast<int>(std::nearbyint(intervalDays - delta));
    longest = std::min(longest, maximumIntervalDays);
    shortest = std::min(std::max(2, shortest), longest);
    return {shortest, longest};
}

int fuzzedIntervalDays(int intervalDays, int maximumIntervalDays, std::uint64_t pairId,
                       Instant reviewedAt)
{
    if (intervalDays < ShortestFuzzed)
        return intervalDays;
    const FuzzRange range = fuzzRange(intervalDays, maximumIntervalDays);
    std::uint64_t state = pairId;
    splitMix64(state);
    state ^= static_cast<std::uint64_t>(reviewedAt.time_since_epoch().count());
    const double draw = unitInterval(splitMix64(state));
    const int width = range.longest - range.shortest + 1;
    return range.shortest + std::min(static_cast<int>(draw * width), width - 1);
}

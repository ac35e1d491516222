// The review scheduler: a log of 1,000,000 reviews over 100,000 pairs replayed from text to the
// printed schedules, to stay under 2 s; and one review of a pair in each state, which the game
// pays for every answer.

#include "schedule/InstantText.h"
#include "schedule/ReviewReplay.h"

#include <benchmark/benchmark.h>

#include <array>

namespace {

using namespace std::chrono;

constexpr int Pairs = 100'000;
constexpr int Reviews = 1'000'000;

const Instant Start = sys_days(2025y / January / 1);

// Ten rounds over every pair, a day apart, with the grades in a fixed mix (mostly Good); the
// times alternate between the two forms a log may use.
std::string reviewLog()
{
    constexpr std::array<char, 10> Grades{'3', '3', '1', '3', '4', '2', '3', '3', '3', '1'};
    std::string log;
    log.reserve(static_cast<std::size_t>(Reviews) * 40);
    for (int review = 0; review < Reviews; ++review) {
        const int pair = review % Pairs;
        const int round = review / Pairs;
        const Instant at = Start + days(round) + seconds(pair);
        log += "pair" + std::to_string(pair) + ',';
        log += review % 2 == 0 ? instantText(at) : std::to_string(at.time_since_epoch().count());
        log += ',';
        log += Grades[static_cast<std::size_t>((pair + round) % Grades.size())];
        log += '\n';
    }
    return log;
}

void BM_ReplayMillionReviews(benchmark::State& state)
{
    const std::string log = reviewLog();
    const Scheduler scheduler;
    for (auto _ : state) {
        std::string out;
        const ReplaySummary summary = replayReviews(log, scheduler, out);
        if (summary.replayed != static_cast<std::size_t>(Reviews)) {
            state.SkipWithError("not every review was replayed");
            return;
        }
        benchmark::DoNotOptimize(out.data());
    }
    state.SetItemsProcessed(state.iterations() * Reviews);
}
BENCHMARK(BM_ReplayMillionReviews)->Unit(benchmark::kMillisecond)->Iterations(3);

// One review of a pair already in the given state, a day after its last one; fuzz on.
void BM_ReviewOnePair(benchmark::State& state)
{
    const Scheduler scheduler;
    PairSchedule pair;
    pair = scheduler.review(pair, Grade::Good, Start, 7);
    const auto wanted = static_cast<PairState>(state.range(0));
    if (wanted == PairState::Review || wanted == PairState::Relearning)
        pair = scheduler.review(pair, Grade::Easy, Start, 7);
    if (wanted == PairState::Relearning)
        pair = scheduler.review(pair, Grade::Again, Start + days(9), 7);
    if (wanted == PairState::New)
        pair = {};
    const Instant at = pair.lastReview + days(1);
    std::uint64_t id = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(scheduler.review(pair, Grade::Good, at, ++id));
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_ReviewOnePair)
    ->ArgName("state")
    ->Arg(int(PairState::New))
    ->Arg(int(PairState::Learning))
    ->Arg(int(PairState::Review))
    ->Arg(int(PairState::Relearning));

} // namespace

BENCHMARK_MAIN();

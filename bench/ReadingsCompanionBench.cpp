// The readings of a question file of 1,000,000 pairs, every pair with one: the companion read and
// matched to the bank as the editor's load does, and written back unchanged as its save does.

#include "questions/TextCodec.h"
#include "readings/ReadingsCompanion.h"

#include <benchmark/benchmark.h>

namespace {

constexpr int PairCount = 1'000'000;

struct Files
{
    QuestionBank bank;
    QByteArray companion;
};

// A kanji question and a romaji answer with a running number, so no two pairs are alike.
const Files& millionPairs()
{
    static const Files files = [] {
        Files made;
        const QByteArray question = TextCodec::encode(QStringLiteral("問題")).value();
        for (int i = 0; i < PairCount; ++i) {
            const QByteArray number = QByteArray::number(i);
            made.bank.Add(i % QuestionBank::LevelCount, question + number, "mondai" + number);
        }
        ReadingsTable readings(made.bank);
        for (int level = 0; level < QuestionBank::LevelCount; ++level) {
            for (int position = 0; position < readings.count(level); ++position)
                readings.setReading(level, position, {QStringLiteral("もんだい"), {}, false});
        }
        made.companion = ReadingsCompanion::write({}, made.bank, readings).value();
        return made;
    }();
    return files;
}

CompanionLimits limits()
{
    return ReadingsCompanion::limitsFor(qint64(PairCount) * 40);
}

void loadCompanionOfMillionPairs(benchmark::State& state)
{
    const Files& files = millionPairs();
    for (auto _ : state) {
        const CompanionFile file = ReadingsCompanion::parse(files.companion, limits());
        const ReadingsCompanion::Matched matched = ReadingsCompanion::match(file, files.bank);
        if (file.refused || !matched.orphans.isEmpty()) {
            state.SkipWithError("the companion did not match its bank");
            return;
        }
        benchmark::DoNotOptimize(matched);
    }
    state.counters["MB"] = double(files.companion.size()) / 1e6;
}

void saveUnchangedCompanionOfMillionPairs(benchmark::State& state)
{
    const Files& files = millionPairs();
    const CompanionFile file = ReadingsCompanion::parse(files.companion, limits());
    const ReadingsTable readings = ReadingsCompanion::match(file, files.bank).readings;
    for (auto _ : state) {
        const std::optional<QByteArray> written =
            ReadingsCompanion::write(file, files.bank, readings);
        if (written != std::optional(files.companion)) {
            state.SkipWithError("the companion did not come back as it was");
            return;
        }
    }
}

} // namespace

BENCHMARK(loadCompanionOfMillionPairs)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(saveUnchangedCompanionOfMillionPairs)->Unit(benchmark::kMillisecond)->UseRealTime();

// The question bank with a million pairs: the heap it holds beyond the texts themselves, once
// loaded from a file and once built pair by pair as the table import does, and the cost of
// drawing one question for the drill.

#include "questions/QuestionFile.h"
#include "questions/TextCodec.h"

#include <QRandomGenerator>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <malloc.h>

#include <memory>

namespace {

constexpr int PairCount = 1'000'000;

// A Japanese question and a romaji answer with a running number, as the other benchmarks use.
void addNumberedPairs(QuestionBank& bank, qsizetype& textBytes)
{
    const QByteArray question = TextCodec::encode(QStringLiteral("問題")).value();
    textBytes = 0;
    for (int i = 0; i < PairCount; ++i) {
        const QByteArray number = QByteArray::number(i);
        const QByteArray q = question + number;
        const QByteArray a = "mondai" + number;
        textBytes += q.size() + a.size();
        bank.Add(i % QuestionBank::LevelCount, q, a);
    }
}

// Everything malloc hands out, small blocks and mapped ones, with their headers: the bank's cost
// as the process pays it, whatever container or allocator the bank uses inside.
qint64 heapInUse()
{
    const struct mallinfo2 info = mallinfo2();
    return qint64(info.uordblks + info.hblkhd);
}

void reportOverhead(benchmark::State& state, qint64 heapBytes, qsizetype textBytes)
{
    state.counters["heap_MB"] = double(heapBytes) / 1e6;
    state.counters["text_MB"] = double(textBytes) / 1e6;
    state.counters["bytes_per_pair_beyond_text"] = double(heapBytes - textBytes) / PairCount;
}

void heapOfLoadedMillionPairs(benchmark::State& state)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("million.DAT");
    qsizetype textBytes = 0;
    {
        QuestionBank source;
        addNumberedPairs(source, textBytes);
        if (!QuestionFile::write(path, source)) {
            state.SkipWithError("could not write the question file");
            return;
        }
    }
    qint64 heapBytes = 0;
    for (auto _ : state) {
        const qint64 before = heapInUse();
        auto bank = std::make_unique<QuestionBank>();
        if (!QuestionFile::read(path, *bank)) {
            state.SkipWithError("the question file did not load");
            return;
        }
        heapBytes = heapInUse() - before;
        benchmark::DoNotOptimize(bank);
    }
    reportOverhead(state, heapBytes, textBytes);
}

void heapOfMillionAddedPairs(benchmark::State& state)
{
    qint64 heapBytes = 0;
    qsizetype textBytes = 0;
    for (auto _ : state) {
        const qint64 before = heapInUse();
        auto bank = std::make_unique<QuestionBank>();
        addNumberedPairs(*bank, textBytes);
        heapBytes = heapInUse() - before;
        benchmark::DoNotOptimize(bank);
    }
    reportOverhead(state, heapBytes, textBytes);
}

// What the drill does at every new question: one random position of a level, copied out.
void drawQuestion(benchmark::State& state)
{
    QuestionBank bank;
    qsizetype textBytes = 0;
    addNumberedPairs(bank, textBytes);
    QRandomGenerator random(14);
    const int count = bank.Count(0);
    for (auto _ : state)
        benchmark::DoNotOptimize(bank.Item(0, random.bounded(count)));
}

} // namespace

BENCHMARK(heapOfLoadedMillionPairs)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(heapOfMillionAddedPairs)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(drawQuestion);

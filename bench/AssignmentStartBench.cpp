// An assignment's game started over a large question file: the pairs of its levels gathered into
// the game's list and its seeded order set up, from ｽﾀｰﾄ to the first question, over three levels
// of 100,000 pairs each (goal under 100 ms, so that F2 answers at once).

#include "MemoryLearningRecord.h"
#include "QuietSessionView.h"
#include "ScriptedRandom.h"
#include "questions/QuestionFile.h"
#include "session/DrillSession.h"

#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

constexpr int PairsPerLevel = 100'000;

void startAssignmentGame(benchmark::State& state)
{
    QTemporaryDir dir;
    const QString file = dir.filePath("Q.DAT");
    QuestionBank bank;
    for (int level = 0; level < QuestionBank::LevelCount; ++level) {
        for (int i = 0; i < PairsPerLevel; ++i) {
            const QByteArray number = QByteArray::number(level * PairsPerLevel + i);
            bank.Add(level, "MONDAI" + number, "mondai" + number);
        }
    }
    MemoryLearningRecord record;
    ScriptedRandom random;
    QuietSessionView view;
    DrillSession session(random, record, view);
    if (!QuestionFile::write(file, bank) || !session.load(file)) {
        state.SkipWithError("could not write the question file");
        return;
    }
    for (auto _ : state) {
        session.startAssignment({0, 1, 2}, {20, 10}, 20260301);
        session.tick();
        state.PauseTiming();
        session.end();
        state.ResumeTiming();
    }
    state.counters["pairs"] = double(QuestionBank::LevelCount) * PairsPerLevel;
}
BENCHMARK(startAssignmentGame)->Unit(benchmark::kMillisecond)->MinTime(1.0);

} // namespace

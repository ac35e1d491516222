// One keystroke of romaji input judged against a 40-kana answer: the key alone, and the key with
// the line's text and guide made afresh, as the input line does for every key. The target is well
// under 50 µs a key.

#include "romaji/RomajiJudge.h"

#include <benchmark/benchmark.h>

namespace {

// 40 kana with the cases that keep several readings alive: ん before n and vowels, っ, pairs,
// katakana and the long mark.
const QString Answer = QStringLiteral(
    "こんなにしんぶんをよんできっぷをかってシャツとジャズのコーヒーにいったちょっとね");
const QString Keys =
    QStringLiteral("konnanisinbunnwoyonndekixtupuwokattesyatutojazunoko-hi-niittatyottone");

void typeKeys(benchmark::State& state, bool showEachKey)
{
    RomajiJudge check(Answer);
    for (QChar key : Keys)
        check.type(key);
    if (!check.complete()) {
        state.SkipWithError("the keys do not complete the answer");
        return;
    }
    RomajiJudge judge(Answer);
    qsizetype next = 0;
    for (auto _ : state) {
        if (next == Keys.size()) {
            state.PauseTiming();
            judge = RomajiJudge(Answer);
            next = 0;
            state.ResumeTiming();
        }
        benchmark::DoNotOptimize(judge.type(Keys[next++]));
        if (showEachKey) {
            benchmark::DoNotOptimize(judge.shownText());
            benchmark::DoNotOptimize(judge.guide());
        }
    }
    state.SetItemsProcessed(state.iterations());
}

void BM_RomajiKeyJudged(benchmark::State& state)
{
    typeKeys(state, false);
}

void BM_RomajiKeyJudgedShownAndGuided(benchmark::State& state)
{
    typeKeys(state, true);
}

// A refused key tries every reading and keeps none.
void BM_RomajiKeyRefused(benchmark::State& state)
{
    RomajiJudge judge(Answer);
    for (QChar key : QStringView(Keys).first(20))
        judge.type(key);
    for (auto _ : state)
        benchmark::DoNotOptimize(judge.type(u'q'));
}

} // namespace

BENCHMARK(BM_RomajiKeyJudged)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_RomajiKeyJudgedShownAndGuided)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_RomajiKeyRefused)->Unit(benchmark::kMicrosecond);

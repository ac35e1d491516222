// From a question shown to its audio ready, through the speech service the game uses: with the
// line already in the cache (warm) and with a cache that has never heard it (cold, the
// synthesiser run once, twice when its reading is corrected). The goal is that the next
// question's sound, made while the current one is answered, is always ready before it is shown.
// Skipped when open_jtalk with its dictionary and voice is not installed.

#include "speech/ProcessSpeech.h"

#include <QCoreApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <memory>
#include <optional>

namespace {

// Waits in the event loop, as the window would, until the line's sound is ready.
bool waitForSound(ProcessSpeech& service, const SpeechLine& line)
{
    std::optional<bool> made;
    service.synthesise(line, [&made](const SpeechAudio& audio) { made = bool(audio); });
    while (!made)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    return *made;
}

std::optional<ProcessSpeech::Setup> installedSetup()
{
    const InstalledSpeech installed = SpeechPrograms::find({});
    const SynthesiserChoice choice = SynthesiserChoice::of(installed);
    if (choice.synthesiser != Synthesiser::OpenJTalk)
        return std::nullopt;
    return ProcessSpeech::Setup{installed, choice, 1.0, 20000};
}

const SpeechLine Lines[] = {
    {QStringLiteral("東京タワー"), QStringLiteral("とうきょうたわー")},
    {QStringLiteral("今日"), QStringLiteral("こんにち")},
    {QStringLiteral("図書館で本を借りる"), {}},
};

void speechReady(benchmark::State& state, bool warm)
{
    const std::optional<ProcessSpeech::Setup> setup = installedSetup();
    if (!setup) {
        state.SkipWithError("open_jtalk with its dictionary and a voice is not installed");
        return;
    }
    const SpeechLine& line = Lines[state.range(0)];
    auto folder = std::make_unique<QTemporaryDir>();
    auto service = std::make_unique<ProcessSpeech>(*setup, SpeechCache(folder->path()));
    if (warm && !waitForSound(*service, line)) {
        state.SkipWithError("the line could not be spoken");
        return;
    }
    for (auto _ : state) {
        if (!warm) {
            state.PauseTiming();
            service.reset();
            folder = std::make_unique<QTemporaryDir>();
            service = std::make_unique<ProcessSpeech>(*setup, SpeechCache(folder->path()));
            state.ResumeTiming();
        }
        if (!waitForSound(*service, line))
            state.SkipWithError("the line could not be spoken");
    }
    state.SetLabel(line.text.toStdString());
}

void BM_SpeechReadyWarmCache(benchmark::State& state)
{
    speechReady(state, true);
}

void BM_SpeechReadyColdCache(benchmark::State& state)
{
    speechReady(state, false);
}

} // namespace

BENCHMARK(BM_SpeechReadyWarmCache)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SpeechReadyColdCache)->DenseRange(0, 2)->Unit(benchmark::kMillisecond)->Iterations(10);

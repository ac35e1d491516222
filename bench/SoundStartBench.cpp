// From SoundEffects::playFile to the first samples handed to the sound server, on a sound kept
// loaded (as the drill's two event sounds are) and on one read from disk at each event. Needs a
// sound server; run it inside a throw-away one with
//   tests/media/pulse-session.sh <build>/bench/tazune-bench-sound

#include "media/SoundEffects.h"
#include "platform/ExitPolicy.h"
#include "platform/QtWavePlayer.h"

#include <QFile>
#include <QSemaphore>
#include <QTemporaryDir>
#include <QtEndian>

#include <benchmark/benchmark.h>

#include <cmath>
#include <numbers>

namespace {

constexpr int SampleRate = 44100;
constexpr int WaitForServerMs = 5000;

QByteArray le16(quint16 value)
{
    QByteArray bytes(2, '\0');
    qToLittleEndian(value, bytes.data());
    return bytes;
}

QByteArray le32(quint32 value)
{
    QByteArray bytes(4, '\0');
    qToLittleEndian(value, bytes.data());
    return bytes;
}

// Half a second of a 440 Hz tone, 16-bit mono.
QByteArray toneFile()
{
    QByteArray samples;
    for (int i = 0; i < SampleRate / 2; ++i)
        samples += le16(
            quint16(qint16(8000 * std::sin(2 * std::numbers::pi * 440 * i / double(SampleRate)))));
    const QByteArray format =
        le16(1) + le16(1) + le32(SampleRate) + le32(SampleRate * 2) + le16(2) + le16(16);
    const QByteArray chunks = "fmt " + le32(16) + format + "data" + le32(samples.size()) + samples;
    return "RIFF" + le32(4 + chunks.size()) + "WAVE" + chunks;
}

void measurePlayToStart(benchmark::State& state, bool preloaded)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("tone.wav"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(toneFile()) < 0) {
        state.SkipWithError("cannot write the sound file");
        return;
    }
    file.close();

    QtWavePlayer player(QStringLiteral(TAZUNE_WAVE_OUTPUT_MODULE_FILE),
                        ExitPolicy::endProcessBeforeLibraryCleanUp);
    player.connectToServer();
    SoundEffects effects(player);
    QSemaphore started;
    player.setStartObserver([&started] { started.release(); });
    player.preload(preloaded ? QStringList{path} : QStringList{});
    // The first sound also meets the server; a drill's first event finds that done long ago.
    effects.playFile(path);
    if (!started.tryAcquire(1, WaitForServerMs)) {
        state.SkipWithError("no sound server played the sound");
        return;
    }
    for (auto _ : state) {
        effects.playFile(path);
        if (!started.tryAcquire(1, WaitForServerMs)) {
            state.SkipWithError("the sound server stopped answering");
            return;
        }
    }
}

void BM_PlayToStart_Preloaded(benchmark::State& state)
{
    measurePlayToStart(state, true);
}

void BM_PlayToStart_ReadAtEachEvent(benchmark::State& state)
{
    measurePlayToStart(state, false);
}

} // namespace

// The caller waits on a semaphore while the audio thread works, so only real time means anything.
BENCHMARK(BM_PlayToStart_Preloaded)->UseRealTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PlayToStart_ReadAtEachEvent)->UseRealTime()->Unit(benchmark::kMillisecond);

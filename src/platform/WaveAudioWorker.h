#pragma once

#include "media/WaveCache.h"

#include <QObject>
#include <QString>

#include <atomic>
#include <functional>
#include <memory>

class WaveOutput;

// Lives on the audio thread and carries the player's requests to the audio system, which it
// loads from the sound module with the first request that needs it.
class WaveAudioWorker : public QObject
{
public:
    // The number of the newest request handed to this worker; older ones are dropped unrun.
    std::atomic<quint64> latestRequest{0};
    std::function<void()> startObserver;

    explicit WaveAudioWorker(QString modulePath);
    // The output's sink runs this thread's pending events while it is destroyed. Requests still
    // queued then must find themselves superseded.
    ~WaveAudioWorker() override;

    void connectToServer();
    void play(const WaveCache::Sound& sound);
    void stop();

private:
    // The output, loaded on first use; null when the module cannot be loaded, and then sounds
    // stay silent as with no sound server at all.
    WaveOutput* loaded();

    QString modulePath;
    std::unique_ptr<WaveOutput> output;
    bool loadTried = false;
};

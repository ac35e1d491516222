#pragma once

#include "media/WaveCache.h"
#include "platform/WavePlayer.h"

#include <QTimer>

#include <functional>

class QThread;
class WaveAudioWorker;

// The wave player on Qt Multimedia. Files are read and checked on the calling thread; everything
// that talks to the audio system runs on the player's own thread, because Qt's PulseAudio back
// end blocks its caller for as long as the sound server does not answer, which may be forever.
// The calling thread only hands requests over and never waits for that thread, except for a
// bounded time when the player is destroyed. The audio system itself is the sound module at
// modulePath, which the audio thread loads with connectToServer or the first sound, whichever
// comes first.
class QtWavePlayer : public WavePlayer
{
public:
    // stuckThreadPolicy runs when the player is destroyed while its audio thread does not end;
    // what then happens to the process is the program's decision, not the player's.
    QtWavePlayer(const QString& modulePath, std::function<void()> stuckThreadPolicy);
    ~QtWavePlayer() override;

    QtWavePlayer(const QtWavePlayer&) = delete;
    QtWavePlayer& operator=(const QtWavePlayer&) = delete;

    Outcome<QString> open(const QString& path) override;
    void play() override;
    void playThrough(std::function<void()> ended) override;
    void close() override;
    void preload(const QStringList& paths) override;

    // Loads the sound module and meets the sound server on the audio thread and returns at once,
    // so that the first sound waits for neither.
    void connectToServer();

    // Called on the audio thread each time a sound has started playing; for measurements.
    void setStartObserver(std::function<void()> observer);

private:
    // Hands an action to the audio thread, where it runs unless a newer one was handed over in
    // the meantime.
    void send(std::function<void(WaveAudioWorker&)> action);

    // Tells the caller of playThrough that its sound ended or was cut off.
    void endSound();

    WaveCache cache;
    // The sound's end is told after its length; the audio thread is never waited for.
    QTimer soundEnd;
    std::function<void()> whenEnded;
    WaveCache::Sound openSound;
    std::function<void()> stuckThreadPolicy;
    QThread* thread;
    WaveAudioWorker* worker;
};

#pragma once

#include "media/WaveCache.h"

#include <QList>
#include <QObject>

#include <atomic>
#include <functional>

class QAudioSink;
class QIODevice;
class QTimer;

// Lives on the audio thread; every call into Qt Multimedia happens here. Samples are pushed to
// the sink by the worker itself: Qt 6.4's PulseAudio sink pulls from a QIODevice only one period
// per period and so keeps running dry.
class WaveAudioWorker : public QObject
{
public:
    // The number of the newest request handed to this worker; older ones are dropped unrun.
    std::atomic<quint64> latestRequest{0};
    std::function<void()> startObserver;

    WaveAudioWorker();
    // Qt's PulseAudio sink runs this thread's pending events while it is destroyed. Requests
    // still queued then must find themselves superseded.
    ~WaveAudioWorker() override;

    // Meets the sound server ahead of the first sound, so that sound does not wait for it.
    void connectToServer();
    void play(const WaveCache::Sound& sound);
    void stop();

private:
    void deleteRetiredSinks();
    void feed();

    QTimer* feedTimer;
    QAudioSink* sink = nullptr;
    QList<QAudioSink*> retired; // stopped, waiting to be destroyed from the event loop
    QIODevice* output = nullptr;
    QList<QByteArray> queue; // what is left to play: the sound, then silence
    qsizetype offset = 0;    // into the first part of queue
    bool started = false;
};

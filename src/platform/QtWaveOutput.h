#pragma once

#include "platform/WaveOutput.h"

#include <QList>
#include <QObject>

class QAudioSink;
class QIODevice;
class QTimer;

// Every call into Qt Multimedia happens here, on the audio thread. Samples are pushed to the
// sink by the output itself: Qt 6.4's PulseAudio sink pulls from a QIODevice only one period per
// period and so keeps running dry.
class QtWaveOutput : public QObject, public WaveOutput
{
public:
    explicit QtWaveOutput(std::function<void()> started);
    // Qt's PulseAudio sink runs this thread's pending events while it is destroyed.
    ~QtWaveOutput() override;

    void connectToServer() override;
    void play(const WaveCache::Sound& sound) override;
    void stop() override;

private:
    void deleteRetiredSinks();
    void feed();

    std::function<void()> started;
    QTimer* feedTimer;
    QAudioSink* sink = nullptr;
    QList<QAudioSink*> retired; // stopped, waiting to be destroyed from the event loop
    QIODevice* output = nullptr;
    QList<QByteArray> queue; // what is left to play: the sound, then silence
    qsizetype offset = 0;    // into the first part of queue
    bool startedOnce = false;
};

#include "platform/QtWavePlayer.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QBuffer>
#include <QDeadlineTimer>
#include <QMediaDevices>
#include <QThread>

#include <atomic>

namespace {

// Plenty for a sound server that answers to take back its streams, and short enough that a
// program waiting on one that does not still closes within a second.
constexpr int ShutdownWaitMs = 500;

QAudioFormat::SampleFormat qtSampleFormat(SampleFormat format)
{
    switch (format) {
    case SampleFormat::UInt8:
        return QAudioFormat::UInt8;
    case SampleFormat::Int16:
        return QAudioFormat::Int16;
    case SampleFormat::Int32:
        return QAudioFormat::Int32;
    case SampleFormat::Float:
        return QAudioFormat::Float;
    }
    return QAudioFormat::Unknown;
}

QAudioFormat audioFormat(const WaveSound& sound)
{
    QAudioFormat format;
    format.setSampleRate(sound.sampleRate);
    format.setChannelCount(sound.channelCount);
    format.setSampleFormat(qtSampleFormat(sound.sampleFormat));
    return format;
}

} // namespace

// Lives on the audio thread; every call into Qt Multimedia happens here.
class QtWavePlayer::Worker : public QObject
{
public:
    std::atomic<quint64> latestRequest{0};
    std::function<void()> startObserver;

    // Meets the sound server ahead of the first sound, so that sound does not wait for it.
    void connectToServer() { QMediaDevices::defaultAudioOutput(); }

    void play(const WaveCache::Sound& sound)
    {
        stop();
        // Asked each time, so that a device plugged in or chosen since takes over.
        const QAudioDevice device = QMediaDevices::defaultAudioOutput();
        if (device.isNull())
            return;
        buffer = new QBuffer(this);
        buffer->setData(sound->samples);
        buffer->open(QIODevice::ReadOnly);
        sink = new QAudioSink(device, audioFormat(*sound), this);
        connect(sink, &QAudioSink::stateChanged, this, [this](QAudio::State state) {
            if (state == QAudio::ActiveState && startObserver)
                startObserver();
        });
        sink->start(buffer);
    }

    // A sound that has played out keeps its sink until the next request: stopping the sink as
    // soon as its data is used up would drop what the server still holds in its buffer.
    void stop()
    {
        delete sink;
        sink = nullptr;
        delete buffer;
        buffer = nullptr;
    }

private:
    QAudioSink* sink = nullptr;
    QBuffer* buffer = nullptr;
};

QtWavePlayer::QtWavePlayer() : thread(new QThread), worker(new Worker)
{
    thread->setObjectName(QStringLiteral("audio"));
    worker->moveToThread(thread);
    QObject::connect(thread, &QThread::finished, worker, &QObject::deleteLater);
    // Only matters for a thread the destructor had to leave behind: should it ever come back,
    // it clears itself away.
    QObject::connect(thread, &QThread::finished, thread, &QObject::deleteLater);
    thread->start();
    QMetaObject::invokeMethod(
        worker, [target = worker] { target->connectToServer(); }, Qt::QueuedConnection);
}

QtWavePlayer::~QtWavePlayer()
{
    // The worker and its sinks go with the thread's end, which stops a sound still playing.
    thread->quit();
    if (thread->wait(QDeadlineTimer(ShutdownWaitMs))) {
        delete thread;
        return;
    }
    // The audio thread is stuck in the sound server's client library, perhaps for good. Joining
    // it could keep the program from ever ending, and destroying a running QThread aborts, so
    // it is left to finish on its own or to end with the process.
}

std::optional<QString> QtWavePlayer::open(const QString& path)
{
    close();
    WaveCache::Result result = cache.fetch(path);
    if (!result.sound)
        return result.error;
    openSound = std::move(result.sound);
    return std::nullopt;
}

void QtWavePlayer::play()
{
    if (!openSound)
        return;
    send([sound = openSound](Worker& target) { target.play(sound); });
}

void QtWavePlayer::close()
{
    if (!openSound)
        return;
    openSound.reset();
    send([](Worker& target) { target.stop(); });
}

void QtWavePlayer::preload(const QStringList& paths)
{
    cache.keep(paths);
}

void QtWavePlayer::setStartObserver(std::function<void()> observer)
{
    QMetaObject::invokeMethod(
        worker,
        [target = worker, observer = std::move(observer)] { target->startObserver = observer; },
        Qt::QueuedConnection);
}

void QtWavePlayer::send(std::function<void(Worker&)> action)
{
    Worker* target = worker;
    const quint64 request = ++target->latestRequest;
    QMetaObject::invokeMethod(
        target,
        [target, request, action = std::move(action)] {
            // Requests pile up while the sound server does not answer; once it answers again,
            // only the newest one tells what should be heard now.
            if (request == target->latestRequest.load())
                action(*target);
        },
        Qt::QueuedConnection);
}

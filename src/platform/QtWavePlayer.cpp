#include "platform/QtWavePlayer.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QDeadlineTimer>
#include <QMediaDevices>
#include <QThread>
#include <QTimer>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <utility>

namespace {

// What the sound server holds ahead of what is heard: the delay before a sound is heard, and the
// gap the worker's thread may leave between two feeds before the sound stutters.
constexpr int BufferMs = 50;
constexpr int FeedIntervalMs = 10;

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

// A thread stuck in the sound server's client library holds locks that Qt Multimedia's own
// clean-up at process exit takes, or frees them under it: the process would hang for good or
// abort. Exit handlers run last registered first, so this one ends the process ahead of that
// clean-up, with the status the program exits with.
void endProcessBeforeLibraryCleanUp()
{
#ifdef __GLIBC__
    static bool registered = false;
    if (registered)
        return;
    registered = true;
    on_exit(
        [](int status, void*) {
            std::fflush(nullptr);
            std::_Exit(status);
        },
        nullptr);
#endif
}

} // namespace

// Lives on the audio thread; every call into Qt Multimedia happens here. Samples are pushed to
// the sink by the worker itself: Qt 6.4's PulseAudio sink pulls from a QIODevice only one period
// per period and so keeps running dry.
class QtWavePlayer::Worker : public QObject
{
public:
    std::atomic<quint64> latestRequest{0};
    std::function<void()> startObserver;

    Worker() : feedTimer(new QTimer(this))
    {
        feedTimer->setTimerType(Qt::PreciseTimer);
        feedTimer->setInterval(FeedIntervalMs);
        connect(feedTimer, &QTimer::timeout, this, &Worker::feed);
    }

    // Qt's PulseAudio sink runs this thread's pending events while it is destroyed. Requests
    // still queued then must find themselves superseded.
    ~Worker() override
    {
        latestRequest = 0;
        stop();
        deleteRetiredSinks();
    }

    // Meets the sound server ahead of the first sound, so that sound does not wait for it.
    void connectToServer() { QMediaDevices::defaultAudioOutput(); }

    void play(const WaveCache::Sound& sound)
    {
        stop();
        // Asked each time, so that a device plugged in or chosen since takes over.
        const QAudioDevice device = QMediaDevices::defaultAudioOutput();
        if (device.isNull())
            return;
        const QAudioFormat format = audioFormat(*sound);
        sink = new QAudioSink(device, format);
        sink->setBufferSize(format.bytesForDuration(BufferMs * 1000));
        output = sink->start();
        if (!output) {
            stop();
            return;
        }
        // Silence after the sound pushes its last samples out of the server's buffer, and lets
        // a sound shorter than that buffer start at all.
        const char silentByte = sound->sampleFormat == SampleFormat::UInt8 ? '\x80' : '\0';
        queue = {sound->samples, QByteArray(sink->bufferSize(), silentByte)};
        feed();
        feedTimer->start();
    }

    void stop()
    {
        feedTimer->stop();
        queue.clear();
        offset = 0;
        started = false;
        output = nullptr; // belongs to the sink
        if (QAudioSink* old = std::exchange(sink, nullptr)) {
            old->stop();
            // Destroyed from the event loop rather than inside a request, as its destructor runs
            // pending events, among them perhaps the next request.
            retired << old;
            QMetaObject::invokeMethod(this, &Worker::deleteRetiredSinks, Qt::QueuedConnection);
        }
    }

private:
    // Each sink leaves the list before it is destroyed: its destructor runs pending events, and
    // a pass over the list started from there must not find it again. The sinks have no parent
    // for the same reason, so that no deletion of the worker's children can reach them twice.
    void deleteRetiredSinks()
    {
        while (!retired.isEmpty())
            delete retired.takeLast();
    }

    // Hands the server as much of what is left to play as it takes now.
    void feed()
    {
        if (!sink || sink->state() == QAudio::StoppedState) {
            stop();
            return;
        }
        qsizetype room = sink->bytesFree();
        while (room > 0 && !queue.isEmpty()) {
            const QByteArray& part = queue.constFirst();
            const qint64 written =
                output->write(part.constData() + offset, std::min(room, part.size() - offset));
            if (written <= 0)
                break;
            if (!started) {
                started = true;
                if (startObserver)
                    startObserver();
            }
            room -= written;
            offset += written;
            if (offset == part.size()) {
                queue.removeFirst();
                offset = 0;
            }
        }
        // The sink itself stays until the next request: stopping it as soon as the last samples
        // are handed over would drop what the server still holds.
        if (queue.isEmpty())
            feedTimer->stop();
    }

    QTimer* feedTimer;
    QAudioSink* sink = nullptr;
    QList<QAudioSink*> retired; // stopped, waiting to be destroyed from the event loop
    QIODevice* output = nullptr;
    QList<QByteArray> queue; // what is left to play: the sound, then silence
    qsizetype offset = 0;    // into the first part of queue
    bool started = false;
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
    endProcessBeforeLibraryCleanUp();
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

#include "platform/QtWaveOutput.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QMediaDevices>
#include <QTimer>

#include <algorithm>
#include <utility>

namespace {

// What the sound server holds ahead of what is heard: the delay before a sound is heard, and the
// gap the worker's thread may leave between two feeds before the sound stutters.
constexpr int BufferMs = 50;
constexpr int FeedIntervalMs = 10;

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

QtWaveOutput::QtWaveOutput(std::function<void()> started)
    : started(std::move(started)), feedTimer(new QTimer(this))
{
    feedTimer->setTimerType(Qt::PreciseTimer);
    feedTimer->setInterval(FeedIntervalMs);
    connect(feedTimer, &QTimer::timeout, this, &QtWaveOutput::feed);
}

QtWaveOutput::~QtWaveOutput()
{
    stop();
    deleteRetiredSinks();
}

void QtWaveOutput::connectToServer()
{
    QMediaDevices::defaultAudioOutput();
}

void QtWaveOutput::play(const WaveCache::Sound& sound)
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

void QtWaveOutput::stop()
{
    feedTimer->stop();
    queue.clear();
    offset = 0;
    startedOnce = false;
    output = nullptr; // belongs to the sink
    if (QAudioSink* old = std::exchange(sink, nullptr)) {
        old->stop();
        // Destroyed from the event loop rather than inside a request, as its destructor runs
        // pending events, among them perhaps the next request.
        retired << old;
        QMetaObject::invokeMethod(this, &QtWaveOutput::deleteRetiredSinks, Qt::QueuedConnection);
    }
}

// Each sink leaves the list before it is destroyed: its destructor runs pending events, and a
// pass over the list started from there must not find it again. The sinks have no parent for the
// same reason, so that no deletion of the worker's children can reach them twice.
void QtWaveOutput::deleteRetiredSinks()
{
    while (!retired.isEmpty())
        delete retired.takeLast();
}

// Hands the server as much of what is left to play as it takes now.
void QtWaveOutput::feed()
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
        if (!startedOnce) {
            startedOnce = true;
            started();
        }
        room -= written;
        offset += written;
        if (offset == part.size()) {
            queue.removeFirst();
            offset = 0;
        }
    }
    // The sink itself stays until the next request: stopping it as soon as the last samples are
    // handed over would drop what the server still holds.
    if (queue.isEmpty())
        feedTimer->stop();
}

namespace {

class QtWaveOutputFactory : public QObject, public WaveOutputFactory
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID TAZUNE_WAVE_OUTPUT_FACTORY_IID)
    Q_INTERFACES(WaveOutputFactory)

public:
    WaveOutput* create(std::function<void()> started) override
    {
        return new QtWaveOutput(std::move(started));
    }
};

} // namespace

#include "QtWaveOutput.moc"

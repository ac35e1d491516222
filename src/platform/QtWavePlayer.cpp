#include "platform/QtWavePlayer.h"

#include "platform/WaveAudioWorker.h"

#include <QDeadlineTimer>
#include <QThread>

#include <utility>

namespace {

// Plenty for a sound server that answers to take back its streams, and short enough that a
// program waiting on one that does not still closes within a second.
constexpr int ShutdownWaitMs = 500;

} // namespace

QtWavePlayer::QtWavePlayer(const QString& modulePath, std::function<void()> stuckThreadPolicy)
    : stuckThreadPolicy(std::move(stuckThreadPolicy)), thread(new QThread),
      worker(new WaveAudioWorker(modulePath))
{
    soundEnd.setSingleShot(true);
    QObject::connect(&soundEnd, &QTimer::timeout, [this] { endSound(); });
    thread->setObjectName(QStringLiteral("audio"));
    worker->moveToThread(thread);
    QObject::connect(thread, &QThread::finished, worker, &QObject::deleteLater);
    // Only matters for a thread the destructor had to leave behind: should it ever come back,
    // it clears itself away.
    QObject::connect(thread, &QThread::finished, thread, &QObject::deleteLater);
    thread->start();
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
    stuckThreadPolicy();
}

Outcome<QString> QtWavePlayer::open(const QString& path)
{
    close();
    WaveCache::Result result = cache.fetch(path);
    if (!result)
        return result.failure();
    openSound = std::move(result.value());
    return {};
}

void QtWavePlayer::play()
{
    if (!openSound)
        return;
    send([sound = openSound](WaveAudioWorker& target) { target.play(sound); });
}

void QtWavePlayer::playThrough(std::function<void()> ended)
{
    endSound();
    whenEnded = std::move(ended);
    if (!openSound) {
        endSound();
        return;
    }
    play();
    soundEnd.start(int(playingMilliseconds(*openSound)));
}

void QtWavePlayer::endSound()
{
    soundEnd.stop();
    if (whenEnded)
        QTimer::singleShot(0, std::exchange(whenEnded, nullptr));
}

void QtWavePlayer::close()
{
    endSound();
    if (!openSound)
        return;
    openSound.reset();
    send([](WaveAudioWorker& target) { target.stop(); });
}

void QtWavePlayer::preload(const QStringList& paths)
{
    cache.keep(paths);
}

void QtWavePlayer::connectToServer()
{
    QMetaObject::invokeMethod(
        worker, [target = worker] { target->connectToServer(); }, Qt::QueuedConnection);
}

void QtWavePlayer::setStartObserver(std::function<void()> observer)
{
    QMetaObject::invokeMethod(
        worker,
        [target = worker, observer = std::move(observer)] { target->startObserver = observer; },
        Qt::QueuedConnection);
}

void QtWavePlayer::send(std::function<void(WaveAudioWorker&)> action)
{
    WaveAudioWorker* target = worker;
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

// Drives the real player for the end-to-end sound test, as the main window does during a drill:
//
//   SoundProbe play TOTAL_MS PATH...
//       plays the paths one after another, 500 ms apart (an empty argument is an event without
//       a sound), then ends after TOTAL_MS;
//   SoundProbe responsive TOTAL_MS PATH
//       plays PATH at every tick of a 100 ms timer and prints "ticks N" after TOTAL_MS.
//
// Both preload the paths first and print "closing MS" (milliseconds since the epoch) just before
// the player is destroyed, so that the caller can time the shutdown up to the process's end.

#include "media/SoundEffects.h"
#include "platform/QtWavePlayer.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QElapsedTimer>
#include <QTimer>

#include <cstdio>
#include <memory>

namespace {

constexpr int EventSpacingMs = 500;
constexpr int TickMs = 100;

void print(const QByteArray& line)
{
    std::fputs(line.constData(), stdout);
    std::fputc('\n', stdout);
    std::fflush(stdout);
}

void scheduleEvents(SoundEffects& effects, const QStringList& paths)
{
    for (qsizetype i = 0; i < paths.size(); ++i)
        QTimer::singleShot(int(i) * EventSpacingMs,
                           [&effects, path = paths[i]] { effects.play(path); });
}

void tickAndPlay(SoundEffects& effects, const QString& path, int totalMs)
{
    auto* timer = new QTimer(QCoreApplication::instance());
    timer->setTimerType(Qt::PreciseTimer);
    auto ticks = std::make_shared<int>(0);
    auto clock = std::make_shared<QElapsedTimer>();
    clock->start();
    QObject::connect(timer, &QTimer::timeout, [=, &effects] {
        if (clock->elapsed() > totalMs) {
            timer->stop();
            print("ticks " + QByteArray::number(*ticks));
            QCoreApplication::quit();
            return;
        }
        ++*ticks;
        effects.play(path);
    });
    timer->start(TickMs);
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    if (args.size() < 3 || (args[0] != QLatin1String("play") && args[0] != "responsive")) {
        std::fputs("usage: SoundProbe play|responsive TOTAL_MS PATH...\n", stderr);
        return 2;
    }
    const QString mode = args.takeFirst();
    const int totalMs = args.takeFirst().toInt();

    auto player = std::make_unique<QtWavePlayer>();
    player->setStartObserver([] { print("started"); });
    SoundEffects effects(*player);
    effects.preload(args);
    if (mode == QLatin1String("play")) {
        scheduleEvents(effects, args);
        QTimer::singleShot(totalMs, &app, &QCoreApplication::quit);
    } else {
        tickAndPlay(effects, args.constFirst(), totalMs);
    }
    const int status = app.exec();

    print("closing " + QByteArray::number(QDateTime::currentMSecsSinceEpoch()));
    player.reset();
    return status;
}

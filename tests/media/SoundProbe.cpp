// Drives the real player for the end-to-end sound test, as the main window does during a drill:
//
//   SoundProbe play TOTAL_MS PATH...
//       plays the paths one after another, 500 ms apart (an empty argument is an event without
//       a sound), then ends after TOTAL_MS;
//   SoundProbe responsive TOTAL_MS PATH
//       plays PATH at every tick of a 100 ms timer and prints "ticks N" after TOTAL_MS;
//   SoundProbe rapid TOTAL_MS PATH
//       the same with a 1 ms timer and every other event without a sound, so that requests
//       reach the audio thread while it is busy starting or ending a sound.
//
// Both preload the paths first and print "closing MS" (milliseconds since the epoch) just before
// the player is destroyed, so that the caller can time the shutdown up to the process's end.

#include "media/SoundEffects.h"
#include "platform/ExitPolicy.h"
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
constexpr int RapidTickMs = 1;

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
                           [&effects, path = paths[i]] { effects.playFile(path); });
}

// Plays the paths in turn, one at each tick.
void tickAndPlay(SoundEffects& effects, const QStringList& paths, int totalMs, int tickMs)
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
        effects.playFile(paths[*ticks % paths.size()]);
        ++*ticks;
    });
    timer->start(tickMs);
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    const QStringList modes{"play", "responsive", "rapid"};
    if (args.size() < 3 || !modes.contains(args[0])) {
        std::fputs("usage: SoundProbe play|responsive|rapid TOTAL_MS PATH...\n", stderr);
        return 2;
    }
    const QString mode = args.takeFirst();
    const int totalMs = args.takeFirst().toInt();

    auto player = std::make_unique<QtWavePlayer>(QStringLiteral(TAZUNE_WAVE_OUTPUT_MODULE_FILE),
                                                 ExitPolicy::endProcessBeforeLibraryCleanUp);
    player->connectToServer();
    player->setStartObserver([] { print("started"); });
    SoundEffects effects(*player);
    player->preload(args);
    if (mode == QLatin1String("play")) {
        scheduleEvents(effects, args);
        QTimer::singleShot(totalMs, &app, &QCoreApplication::quit);
    } else {
        const bool rapid = mode == QLatin1String("rapid");
        const QStringList turns =
            rapid ? QStringList{args.constFirst(), QString()} : QStringList{args.constFirst()};
        tickAndPlay(effects, turns, totalMs, rapid ? RapidTickMs : TickMs);
    }
    const int status = app.exec();

    print("closing " + QByteArray::number(QDateTime::currentMSecsSinceEpoch()));
    player.reset();
    return status;
}

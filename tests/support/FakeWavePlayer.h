#pragma once

#include "platform/WavePlayer.h"

#include <QStringList>

#include <utility>

// Keeps every call as a line ("open PATH", "play", "close", "preload A|B") and the path of each
// sound that was started; fails the opens of the paths in failingPaths.
class FakeWavePlayer : public WavePlayer
{
public:
    Outcome<QString> open(const QString& path) override
    {
        endSound();
        calls << QStringLiteral("open ") + path;
        openPath.clear();
        if (failingPaths.contains(path))
            return QStringLiteral("cannot open ") + path;
        openPath = path;
        return {};
    }

    void play() override
    {
        calls << QStringLiteral("play");
        if (!openPath.isEmpty())
            played << openPath;
    }

    // The sound ends when the test says so, through endSound, or when it is cut off.
    void playThrough(std::function<void()> ended) override
    {
        play();
        calls.last() = QStringLiteral("playThrough");
        endSound();
        whenEnded = std::move(ended);
        if (openPath.isEmpty())
            endSound();
    }

    // The sound started by playThrough has played to its end.
    void endSound()
    {
        if (whenEnded)
            std::exchange(whenEnded, nullptr)();
    }

    void close() override
    {
        endSound();
        calls << QStringLiteral("close");
        openPath.clear();
    }

    void preload(const QStringList& paths) override
    {
        calls << QStringLiteral("preload ") + paths.join(QLatin1Char('|'));
        preloaded = paths;
    }

    QStringList failingPaths;
    QStringList calls;
    QStringList played;    // the open file at each play, in order
    QStringList preloaded; // the paths of the last preload
    std::function<void()> whenEnded;

private:
    QString openPath;
};

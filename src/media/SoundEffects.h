#pragma once

#include <QStringList>

class WavePlayer;

// The drill's sound effects: each event plays one file through the wave player, cutting off the
// sound before it. Playback never fails the caller: a sound that cannot be played stays silent,
// with no message and no retry.
class SoundEffects
{
public:
    explicit SoundEffects(WavePlayer& player);

    // Opens path, then plays it; the first step that fails ends the attempt. An empty path
    // plays nothing, but still ends the sound before it as any other event would.
    void play(const QString& path);

    // The files the next events will play, given whenever they become known or change, so that
    // the player can have them ready. Empty paths name no file and are left out.
    void preload(const QStringList& paths);

private:
    WavePlayer& player;
};

#pragma once

#include "media/SoundEvent.h"

#include <QString>

#include <map>

class WavePlayer;

// The drill's sound effects: each event plays its file through the wave player, cutting off the
// sound before it. Playback never fails the caller: a sound that cannot be played stays silent,
// with no message and no retry.
class SoundEffects
{
public:
    // The file each event plays; an event left out, or given the empty path, plays nothing.
    using EventFiles = std::map<SoundEvent, QString>;

    explicit SoundEffects(WavePlayer& player);

    // Replaces the table, and has the player keep the files ready for the events to come.
    void setEventFiles(const EventFiles& files);

    void play(SoundEvent event);

    // Opens path, then plays it; the first step that fails ends the attempt. An empty path
    // plays nothing, but still ends the sound before it as any other event would.
    void playFile(const QString& path);

private:
    WavePlayer& player;
    EventFiles eventFiles;
};

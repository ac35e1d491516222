#pragma once

#include "platform/Outcome.h"

#include <QString>
#include <QStringList>

#include <functional>

// The wave-audio player behind the sound effects. At most one sound is open, and at most one
// plays.
class WavePlayer
{
public:
    virtual ~WavePlayer() = default;

    // Closes the open sound, stopping it if it still plays, then opens the file at path and
    // returns once it is ready to play. A failure says why the file cannot be played.
    virtual Outcome<QString> open(const QString& path) = 0;

    // Starts the open sound from its beginning and returns at once. A sound the audio system
    // refuses stays silent; there is no report.
    virtual void play() = 0;

    // Starts the open sound as play does, then calls ended from the event loop once the sound
    // has played to its end or was cut off by the next open or close; with no sound open, at
    // once. Spoken questions wait for their sound's end before the time bar starts.
    virtual void playThrough(std::function<void()> ended) = 0;

    // Stops the open sound and releases it; nothing happens when none is open.
    virtual void close() = 0;

    // The files likely to be opened next. An implementation may keep them loaded so that
    // opening them later is quick; anything wrong with them shows only when they are opened.
    virtual void preload(const QStringList& paths) = 0;
};

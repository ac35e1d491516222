#pragma once

#include "platform/Outcome.h"
#include "speech/SpokenReading.h"

#include <functional>

// The wave file of a spoken line, or why there is none, in words for the learner.
using SpeechAudio = Fallible<QString, QString>;

// Makes the sound of spoken lines beside the game, never blocking its caller. On Linux the
// synthesiser programs run as processes; another system may put its own text-to-speech behind
// the same interface.
class SpeechService
{
public:
    using Done = std::function<void(const SpeechAudio&)>;

    virtual ~SpeechService() = default;

    // Starts making the line's sound and returns at once; done is called later, from the event
    // loop, exactly once, unless cancelAll comes first.
    virtual void synthesise(const SpeechLine& line, Done done) = 0;

    // Drops every request not answered yet; their done is never called.
    virtual void cancelAll() = 0;

    // The speed (0.5 to 2.0) and the voice file (empty for the installed one) of the lines
    // asked for from now on; the synthesiser is chosen again for them. Returns why the voice
    // named is not one, empty when it is or none is named.
    virtual QString useSettings(double speed, const QString& voice) = 0;
};

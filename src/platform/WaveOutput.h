#pragma once

#include "media/WaveCache.h"

#include <functional>

// The audio system as the wave player's audio thread sees it; made, used and destroyed on that
// thread only. Its implementation on Qt Multimedia is a module of its own, so that the program
// maps the audio libraries when it first needs them and not on its way to the first window.
class WaveOutput
{
public:
    virtual ~WaveOutput() = default;

    // Meets the sound server ahead of the first sound, so that sound does not wait for it.
    virtual void connectToServer() = 0;
    // Stops what plays and starts sound from its beginning.
    virtual void play(const WaveCache::Sound& sound) = 0;
    virtual void stop() = 0;
};

// The module's one entry point, by this name: a new output that calls started each time a sound
// has started playing.
using CreateWaveOutput = WaveOutput* (*)(std::function<void()> started);
inline constexpr char CreateWaveOutputSymbol[] = "tazune_createWaveOutput";

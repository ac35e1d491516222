#pragma once

#include "media/WaveCache.h"

#include <QObject>

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

// What the sound module offers, loaded through ProgramModule.
class WaveOutputFactory
{
public:
    virtual ~WaveOutputFactory() = default;

    // A new output, owned by the caller, that calls started each time a sound has started
    // playing.
    virtual WaveOutput* create(std::function<void()> started) = 0;
};

#define TAZUNE_WAVE_OUTPUT_FACTORY_IID "org.velmora.Tazune.WaveOutputFactory/1"
Q_DECLARE_INTERFACE(WaveOutputFactory, TAZUNE_WAVE_OUTPUT_FACTORY_IID)

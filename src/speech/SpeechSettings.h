#pragma once

#include <QString>

// How questions are spoken, as the settings keep it.
struct SpeechSettings
{
    static constexpr double MinimumSpeed = 0.5;
    static constexpr double MaximumSpeed = 2.0;

    // Every game speaks its questions as they appear, and tells the time left.
    bool readAloud = false;
    double speed = 1.0;
    // A voice file the learner chose; empty for the packaged voice.
    QString voice;

    friend bool operator==(const SpeechSettings&, const SpeechSettings&) = default;
};

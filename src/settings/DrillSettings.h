#pragma once

#include <QString>

// What the user sets for the drill: its two figures and the sound files of the three events. One
// instance belongs to the main window; the dialogs edit copies of it.
struct DrillSettings
{
    static constexpr qint32 DefaultSeconds = 20;
    static constexpr qint32 DefaultQuestions = 10;

    qint32 secondsPerQuestion = DefaultSeconds;
    qint32 questionsPerGame = DefaultQuestions;
    // An empty path means no file.
    QString correctSound{};
    QString mistakeSound{};
    QString timeOutSound{};

    friend bool operator==(const DrillSettings&, const DrillSettings&) = default;
};

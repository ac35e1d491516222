#pragma once

#include "media/SoundEvent.h"

#include <QtGlobal>

enum class DrillState
{
    NoData = 0,
    Ready = 1,
    Running = 2,
    Paused = 3
};

// The counters of one game, kept after it for the report and reset by every Start.
struct DrillTally
{
    qint32 questionsRemaining = 0;
    qint32 correctCount = 0;
    qint32 correctTimeSum = 0;
    qint32 answerTimeSum = 0;

    friend bool operator==(const DrillTally&, const DrillTally&) = default;
};

// The indexes are those of the two marks in the main window's image list.
enum class DrillMark
{
    TimeOut = 0,
    Correct = 1
};

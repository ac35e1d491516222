#pragma once

#include "schedule/SchedulerParameters.h"

#include <QString>

// What the learner sets for today's review: the chance of recall its intervals aim for, the
// longest interval, how many new pairs a day it brings in and the memory model's 21 weights. One
// instance belongs to the main window; the dialog edits a copy of it.
struct ReviewSettings
{
    static constexpr int MostNewPairsPerDay = 999;

    double retention = SchedulerParameters{}.retention;
    qint32 maximumIntervalDays = SchedulerParameters{}.maximumIntervalDays;
    qint32 newPairsPerDay = 10;
    Weights weights = DefaultWeights;

    // The scheduler's settings, with the spread of intervals on.
    SchedulerParameters schedulerParameters() const;
    // Whether the pairs' schedules come out otherwise than under `other`: only the number of new
    // pairs leaves them as they are.
    bool schedulesDifferFrom(const ReviewSettings& other) const;

    friend bool operator==(const ReviewSettings&, const ReviewSettings&) = default;
};

// The weights as one line, separated by a comma and a space, each as short as it reads back
// exactly: as they are stored and shown for editing.
QString weightsText(const Weights& weights);

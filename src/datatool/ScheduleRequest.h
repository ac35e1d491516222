#pragma once

#include "schedule/SchedulerParameters.h"

#include <QString>

// A run of tazune-data schedule, as the command line asks for it.
struct ScheduleRequest
{
    enum class Action
    {
        Replay,
        ExportLog,
        Reschedule
    };

    Action action = Action::Replay;
    QString log; // the review log replay reads
    // Where export-log writes; empty for standard output.
    QString output;
    bool force = false;
    // The record export-log reads and reschedule rewrites; empty for the program's own.
    QString record;
    SchedulerParameters parameters;
};

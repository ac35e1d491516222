#pragma once

#include "datatool/Commands.h"
#include "datatool/ScheduleRequest.h"

// Replays the review log through the scheduler: each line's pair and its new schedule to out,
// the lines skipped to err. Done when any line was replayed.
ExitCode runSchedule(const ScheduleRequest& request, const Console& console);

#pragma once

#include "record/SqliteRows.h"
#include "schedule/Scheduler.h"

// A schedule read from six columns of a row, in the schedules table's order from `first`: state,
// step, stability, difficulty, due and last review.
inline PairSchedule scheduleFrom(const SqliteRows& rows, int first)
{
    using std::chrono::milliseconds;
    return {static_cast<PairState>(rows.integer(first)),
            int(rows.integer(first + 1)),
            rows.real(first + 2),
            rows.real(first + 3),
            Instant{milliseconds(rows.integer(first + 4))},
            Instant{milliseconds(rows.integer(first + 5))}};
}

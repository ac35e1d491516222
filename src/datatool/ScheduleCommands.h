#pragma once

#include "datatool/Commands.h"
#include "datatool/ScheduleRequest.h"
#include "record/LearningRecord.h"

#include <QDateTime>

#include <functional>
#include <memory>

// What the commands on the learner's record reach outside the process: the record, read only
// for export-log so that the program can go on writing it, writable for reschedule; and the
// clock that tells which pairs are due now.
struct ScheduleSources
{
    enum class Access
    {
        ReadOnly,
        ReadWrite
    };

    std::function<std::unique_ptr<LearningRecord>(const QString& path, Access access)> record;
    QString defaultRecord;
    std::function<QDateTime()> now;
};

// replay: each line of the review log replayed, each pair's new schedule to out, the lines
// skipped to err; done when any line was replayed. export-log: the record's review log for the
// memory model's optimizer, to the output file or out. reschedule: every schedule replayed from
// the record's log with the request's settings, and the pairs scheduled and due now to out.
ExitCode runSchedule(const ScheduleRequest& request, const Console& console,
                     const ScheduleSources& sources);

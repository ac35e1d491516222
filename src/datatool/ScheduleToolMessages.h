#pragma once

#include "language/Language.h"
#include "record/LearningRecord.h"

#include <QString>

// The messages of the schedule commands that read or rewrite the record, in the user's language.
namespace ScheduleToolMessages {

QString reviewsWritten(qsizetype reviews, Language language);
// Why the schedules were not rewritten: another program writing the record, or the record's own
// words.
QString notRescheduled(const RecordFailure& failure, Language language);
QString rescheduled(qint64 scheduled, qint64 due, Language language);

} // namespace ScheduleToolMessages

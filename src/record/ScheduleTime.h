#pragma once

#include "schedule/Instant.h"

#include <QDateTime>
#include <QTimeZone>

// The record's times and the scheduler's instants are both milliseconds since 1970 UTC.
namespace ScheduleTime {

inline Instant instantOf(const QDateTime& time)
{
    return Instant{std::chrono::milliseconds(time.toMSecsSinceEpoch())};
}

inline QDateTime dateTimeOf(Instant instant)
{
    return QDateTime::fromMSecsSinceEpoch(instant.time_since_epoch().count(), QTimeZone::utc());
}

// The learner's day begins at 04:00 local time, so that practice after midnight still counts for
// the evening it belongs to: the start of the day `now` falls in.
inline QDateTime dayStart(const QDateTime& now)
{
    const QDateTime local = now.toLocalTime();
    QDateTime start(local.date(), QTime(4, 0));
    if (local < start)
        start = start.addDays(-1);
    return start.toUTC();
}

} // namespace ScheduleTime

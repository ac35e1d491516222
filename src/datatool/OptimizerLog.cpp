#include "datatool/OptimizerLog.h"

#include <QHash>

namespace {

qint64 durationMs(const LoggedReview& review)
{
    if (review.matchMs)
        return *review.matchMs;
    return review.timedOut ? review.limitMs : 0;
}

} // namespace

QByteArray optimizerLog(const std::vector<LoggedReview>& log, const Scheduler& scheduler)
{
    QByteArray csv = "card_id,review_time,review_rating,review_state,review_duration\n";
    QHash<qint64, PairSchedule> schedules;
    for (const LoggedReview& review : log) {
        // The scheduler numbers its states as the optimizer does, from 0 for a new pair.
        PairSchedule& schedule = schedules[review.pair];
        csv += QByteArray::number(review.pair) + ',' + QByteArray::number(review.atMs) + ',' +
               QByteArray::number(static_cast<int>(review.grade)) + ',' +
               QByteArray::number(static_cast<int>(schedule.state)) + ',' +
               QByteArray::number(durationMs(review)) + '\n';
        schedule = scheduler.review(schedule, review.grade,
                                    Instant{std::chrono::milliseconds(review.atMs)},
                                    static_cast<quint64>(review.pair));
    }
    return csv;
}

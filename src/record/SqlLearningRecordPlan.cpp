#include "record/SqlLearningRecord.h"

#include "record/ReviewPlanDays.h"
#include "record/SqliteRows.h"

#include <algorithm>

// Replayed pair by pair along the index the schedules are replayed from, so that the log is
// streamed rather than held.
ReviewPlan SqlLearningRecord::reviewPlan(const QDateTime& now)
{
    failure = {};
    ReviewPlanBuilder plan(reviews, ReviewPlanDays::of(now));
    if (!opened)
        return plan.finish();
    SqliteRows rows(database(), "SELECT pair_id, at_ms, grade FROM reviews"
                                " WHERE counted AND grade IS NOT NULL ORDER BY pair_id, at_ms");
    std::optional<qint64> pair;
    while (rows.next()) {
        const qint64 id = rows.integer(0);
        if (id != pair) {
            plan.beginPair(quint64(id));
            pair = id;
        }
        const int grade = std::clamp(int(rows.integer(2)), 1, 4);
        plan.addReview(Instant{std::chrono::milliseconds(rows.integer(1))},
                       static_cast<Grade>(grade));
    }
    if (rows.error().isValid())
        fail(rows.error());
    return plan.finish();
}

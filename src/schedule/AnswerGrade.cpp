#include "schedule/AnswerGrade.h"

namespace {

// A match in the last fifth of the time was a struggle, however it started.
constexpr double LateShare = 0.8;

bool struggled(const TypedAnswer& answer, const GradeThresholds& thresholds)
{
    return (answer.firstKeyMs && *answer.firstKeyMs > thresholds.hardFirstKeyMs) ||
           answer.corrections > 0 || answer.matchMs > LateShare * answer.timeLimitMs;
}

bool fluent(const TypedAnswer& answer, const GradeThresholds& thresholds)
{
    const double usualWholeMs = thresholds.easyFirstKeyMs + thresholds.medianMsPerKey * answer.keys;
    return answer.corrections == 0 && answer.firstKeyMs &&
           *answer.firstKeyMs <= thresholds.easyFirstKeyMs && answer.matchMs <= usualWholeMs;
}

} // namespace

Grade gradeAnswer(const TypedAnswer& answer, const GradeThresholds& thresholds)
{
    if (answer.outcome != ShowingEnd::Correct)
        return Grade::Again;
    if (struggled(answer, thresholds))
        return Grade::Hard;
    if (fluent(answer, thresholds))
        return Grade::Easy;
    return Grade::Good;
}

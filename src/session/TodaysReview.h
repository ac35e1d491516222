#pragma once

#include "questions/QuestionBank.h"
#include "record/LearningRecord.h"

// 今日の復習: the pairs due now, of every file the learner has played, the least likely to be
// recalled first; then pairs of the loaded file's level the learner has not met yet, up to the
// day's allowance of new pairs; at most a game's number of questions in all, asked in that order.
namespace TodaysReview {

struct Plan
{
    PackedPairs pairs;
    qsizetype due = 0;   // of them, pairs that were due
    qsizetype fresh = 0; // and pairs met for the first time
};

struct Sources
{
    const QList<ScheduledPair>& due;
    const QList<QuestionItem>& scheduled;
    const QuestionBank& bank;
    int level = 0;
};

Plan plan(const Sources& sources, qsizetype newAllowed, qsizetype questionsPerGame,
          const Scheduler& scheduler, const QDateTime& now);

} // namespace TodaysReview

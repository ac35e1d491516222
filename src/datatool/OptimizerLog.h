#pragma once

#include "record/LearningRecord.h"
#include "schedule/Scheduler.h"

#include <QByteArray>

#include <vector>

// The review log as the memory model's reference optimizer reads it, to fit a learner's own
// weights: "card_id,review_time,review_rating,review_state,review_duration", then a line per
// review in the order given. The state is the pair's before the review, replayed through the
// scheduler since the log keeps none; the duration is the match time in ms, the whole limit for
// a time-out, and 0 where neither is known.
QByteArray optimizerLog(const std::vector<LoggedReview>& log, const Scheduler& scheduler);

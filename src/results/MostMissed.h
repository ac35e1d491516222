#pragma once

#include "record/LearningRecord.h"

#include <QList>

struct MissedPair
{
    QuestionItem pair;
    int timeOuts = 0;

    friend bool operator==(const MissedPair&, const MissedPair&) = default;
};

namespace MostMissed {

inline constexpr int Count = 10;

// The pairs that ran out of time most often among the time-outs given, in the order they
// happened; of pairs missed equally often, the one missed last comes first. At most Count.
QList<MissedPair> ranking(const QList<GameTimeOut>& timeOuts);

} // namespace MostMissed

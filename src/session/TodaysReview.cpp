#include "session/TodaysReview.h"

#include "record/ScheduleTime.h"

#include <QSet>

#include <algorithm>
#include <vector>

namespace TodaysReview {

namespace {

using PairKey = std::pair<QByteArray, QByteArray>;

// The due pairs by their chance of recall now, lowest first; equal chances keep the older due.
std::vector<const ScheduledPair*> byRetrievability(const QList<ScheduledPair>& due,
                                                   const Scheduler& scheduler, Instant now)
{
    std::vector<std::pair<double, const ScheduledPair*>> keyed;
    keyed.reserve(due.size());
    for (const ScheduledPair& pair : due)
        keyed.emplace_back(scheduler.retrievability(pair.schedule, now), &pair);
    std::stable_sort(keyed.begin(), keyed.end(), [](const auto& a, const auto& b) {
        return a.first < b.first ||
               (a.first == b.first && a.second->schedule.due < b.second->schedule.due);
    });
    std::vector<const ScheduledPair*> ordered;
    ordered.reserve(keyed.size());
    for (const auto& [chance, pair] : keyed)
        ordered.push_back(pair);
    return ordered;
}

} // namespace

Plan plan(const Sources& sources, qsizetype newAllowed, qsizetype questionsPerGame,
          const Scheduler& scheduler, const QDateTime& now)
{
    Plan plan;
    for (const ScheduledPair* pair :
         byRetrievability(sources.due, scheduler, ScheduleTime::instantOf(now))) {
        if (plan.due == questionsPerGame)
            break;
        plan.pairs.append(pair->pair.question, pair->pair.answer);
        ++plan.due;
    }
    const qsizetype freshWanted = std::min(newAllowed, questionsPerGame - plan.due);
    if (freshWanted <= 0)
        return plan;
    QSet<PairKey> met;
    met.reserve(sources.scheduled.size());
    for (const QuestionItem& pair : sources.scheduled)
        met.insert({pair.question, pair.answer});
    const PackedPairs& level = sources.bank.list(sources.level);
    for (qsizetype k = 0; k < level.size() && plan.fresh < freshWanted; ++k) {
        const QuestionView pair = level.at(k);
        PairKey key{pair.question.toByteArray(), pair.answer.toByteArray()};
        // A pair the file holds twice is new once.
        if (met.contains(key))
            continue;
        met.insert(std::move(key));
        plan.pairs.append(pair.question, pair.answer);
        ++plan.fresh;
    }
    return plan;
}

} // namespace TodaysReview

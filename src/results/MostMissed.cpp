#include "results/MostMissed.h"

#include <QHash>

#include <algorithm>

namespace MostMissed {

namespace {

struct Tally
{
    MissedPair missed;
    qsizetype lastMiss = 0;
};

} // namespace

QList<MissedPair> ranking(const QList<GameTimeOut>& timeOuts)
{
    QHash<std::pair<QByteArray, QByteArray>, Tally> tallies;
    for (qsizetype k = 0; k < timeOuts.size(); ++k) {
        const QuestionItem& pair = timeOuts[k].pair;
        Tally& tally = tallies[{pair.question, pair.answer}];
        tally.missed.pair = pair;
        ++tally.missed.timeOuts;
        tally.lastMiss = k;
    }
    QList<Tally> ordered(tallies.cbegin(), tallies.cend());
    std::sort(ordered.begin(), ordered.end(), [](const Tally& a, const Tally& b) {
        if (a.missed.timeOuts != b.missed.timeOuts)
            return a.missed.timeOuts > b.missed.timeOuts;
        return a.lastMiss > b.lastMiss;
    });
    QList<MissedPair> top;
    for (qsizetype k = 0; k < std::min<qsizetype>(Count, ordered.size()); ++k)
        top.append(ordered[k].missed);
    return top;
}

} // namespace MostMissed

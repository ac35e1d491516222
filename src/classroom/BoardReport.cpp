#include "classroom/BoardReport.h"

namespace BoardReport {

QString learnerOf(const Pupil& pupil)
{
    return QStringLiteral("%1 %2番 %3").arg(pupil.classGroup, pupil.number, pupil.name);
}

ClassTable tableOf(const QList<HandInSummary>& handIns)
{
    QList<ResultRow> games;
    games.reserve(handIns.size());
    for (const HandInSummary& handIn : handIns) {
        ResultRow game = handIn.game;
        game.learner = learnerOf(handIn.pupil);
        games.append(std::move(game));
    }
    return ClassMerge::merge(games);
}

} // namespace BoardReport

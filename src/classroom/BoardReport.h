#pragma once

#include "classroom/HandIn.h"
#include "results/ClassMerge.h"

#include <QList>

// The board on paper: the handed-in games merged as the class report merges results tables, each
// pupil under "組 番号 名前", so that two pupils of one name in two classes stay apart.
namespace BoardReport {

ClassTable tableOf(const QList<HandInSummary>& handIns);

QString learnerOf(const Pupil& pupil);

} // namespace BoardReport

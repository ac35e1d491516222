#pragma once

#include "readings/ReadingsCompanion.h"

#include <QList>
#include <QString>

// What the user reads about a companion file that could not be read whole, and about a reading
// that cannot be used.
namespace CompanionMessages {

// At most this many problems are listed one by one; the rest are counted.
inline constexpr qsizetype ListedProblems = 10;

QString describe(const ReadingFault& fault);

// "3 行目: …" for a problem of one line.
QString describe(const CompanionProblem& problem);

// Every problem of one load as one message, the file named first; empty when there is none.
QString summary(const QString& companionPath, const QList<CompanionProblem>& problems);

// Why the readings typed in were not saved to a companion that was not read.
QString keptUnchanged(const QString& companionPath);

} // namespace CompanionMessages

#pragma once

#include "language/Language.h"
#include "results/ResultsCsvReader.h"

#include <QString>
#include <QStringList>

// The messages of the results commands, in the user's language.
namespace ResultsMessages {

QString describe(const ResultsCsvError& error, Language language);

QString recordUnavailable(Language language);
QString noLearnerName(Language language);
QString noGamesOfFile(Language language);
QString withoutCp932Form(const QStringList& characters, Language language);
QString gamesWritten(qsizetype games, Language language);
QString classWritten(qsizetype rows, Language language);
QString missedWritten(qsizetype pairs, Language language);
QString reportWritten(Language language);

} // namespace ResultsMessages

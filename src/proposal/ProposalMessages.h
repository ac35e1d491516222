#pragma once

#include "language/Language.h"
#include "proposal/ReadingProposer.h"

#include <QString>

// What the program and tazune-data say about proposed readings.
namespace ProposalMessages {

// The 要確認 mark of a reading to check, and why.
inline const QString CheckMark = QStringLiteral("要確認");
QString doubt(ReadingDoubt doubt, Language language);

// Which package to install, with the missing file or library in the loader's words.
QString unavailable(const ProposerUnavailable& unavailable, Language language);

} // namespace ProposalMessages

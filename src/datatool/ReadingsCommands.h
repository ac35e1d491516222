#pragma once

#include "datatool/Commands.h"
#include "datatool/ReadingsRequest.h"
#include "proposal/ReadingProposer.h"

// propose: every pair of the question file with the reading proposed for the text it belongs to,
// as TSV to out (only the pairs to check with checkOnly), and how many were proposed and how many
// are to check to err.
ExitCode runReadings(const ReadingsRequest& request, const Console& console,
                     ReadingProposer& proposer);

// The text of a pair a reading belongs to: the question when it has kanji, else the answer when
// it has kanji, else the question.
QString textToRead(const QString& question, const QString& answer);

#pragma once

#include "proposal/ReadingProposer.h"

class QuestionTableModel;
class QuestionBank;
class ReadingsTable;

// 読みを提案 over the level the editor shows: every pair without a reading gets the proposal for
// the text its reading belongs to, marked 要確認 where the proposer doubts it.
namespace ProposedReadings {

struct Outcome
{
    int proposed = 0;
    int toCheck = 0;
    std::optional<ProposerUnavailable> unavailable;
};

Outcome fillEmpty(QuestionTableModel& rows, const QuestionBank& bank, const ReadingsTable& readings,
                  ReadingProposer& proposer);

// What the editor says after proposing, e.g. "12 件のよみを提案しました（要確認 2 件）".
QString doneMessage(const Outcome& outcome);

} // namespace ProposedReadings

#include "editor/ProposedReadings.h"

#include "editor/QuestionTableModel.h"
#include "questions/TextCodec.h"
#include "readings/ReadingTarget.h"

namespace ProposedReadings {

Outcome fillEmpty(QuestionTableModel& rows, const QuestionBank& bank, const ReadingsTable& readings,
                  ReadingProposer& proposer)
{
    const int level = rows.level();
    QList<int> empty;
    QStringList words;
    for (int row = 0; row < bank.Count(level); ++row) {
        if (!readings.reading(level, row).reading.isEmpty())
            continue;
        const QuestionView pair = bank.view(level, row);
        const QString question = TextCodec::decode(pair.question);
        const QString answer = TextCodec::decode(pair.answer);
        empty.append(row);
        words.append(readingTarget(question, answer) == ReadingTarget::Question ? question
                                                                                : answer);
    }
    Outcome outcome;
    if (words.isEmpty())
        return outcome;
    const ProposalBatch batch = proposer.propose(words);
    outcome.unavailable = batch.unavailable;
    for (std::size_t k = 0; k < batch.proposals.size() && k < std::size_t(empty.size()); ++k) {
        const ReadingProposal& proposal = batch.proposals[k];
        if (rows.proposeReading(empty[qsizetype(k)], proposal.reading, proposal.needsCheck())) {
            ++outcome.proposed;
            outcome.toCheck += proposal.needsCheck();
        }
    }
    return outcome;
}

QString doneMessage(const Outcome& outcome)
{
    if (outcome.proposed == 0)
        return QStringLiteral("よみが空の問題はありません");
    return QStringLiteral("%1 件のよみを提案しました（要確認 %2 件）")
        .arg(outcome.proposed)
        .arg(outcome.toCheck);
}

} // namespace ProposedReadings

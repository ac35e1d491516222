#pragma once

#include "proposal/ReadingProposer.h"

#include <QHash>

// Proposes the scripted reading of each word; a word without one is unknown. With unavailable
// set, proposes nothing and says what is missing. Keeps every list of words it was asked.
class ScriptedReadingProposer : public ReadingProposer
{
public:
    ProposalBatch propose(const QStringList& words) override
    {
        asked << words;
        if (unavailable)
            return {{}, unavailable};
        ProposalBatch batch;
        for (const QString& word : words)
            batch.proposals.push_back(
                proposals.value(word, ReadingProposal{{}, {}, ReadingDoubt::UnknownWord}));
        return batch;
    }

    QHash<QString, ReadingProposal> proposals;
    std::optional<ProposerUnavailable> unavailable;
    QList<QStringList> asked;
};

#pragma once

#include "proposal/ReadingProposal.h"

#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

// What is missing for readings to be proposed: the Debian package that brings it, and the
// loader's or the file system's own words.
struct ProposerUnavailable
{
    QString package;
    QString detail;
};

// Proposals for a list of words, one per word in order; none when the proposer is unavailable.
struct ProposalBatch
{
    std::vector<ReadingProposal> proposals;
    std::optional<ProposerUnavailable> unavailable;
};

// Readings proposed for the words of question files. The real one analyses the words with
// libraries and dictionaries loaded the first time it is asked.
class ReadingProposer
{
public:
    virtual ~ReadingProposer() = default;
    virtual ProposalBatch propose(const QStringList& words) = 0;
};

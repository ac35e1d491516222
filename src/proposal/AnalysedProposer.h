#pragma once

#include "proposal/Analyser.h"
#include "proposal/ReadingChoice.h"
#include "proposal/ReadingProposer.h"
#include "proposal/WordDictionary.h"

#include <memory>

// Each word's evidence gathered from the dictionary, the counter table and both analysers, then
// weighed by chooseReading.
class AnalysedProposer : public ReadingProposer
{
public:
    AnalysedProposer(WordDictionary dictionary, std::unique_ptr<Analyser> analyser,
                     std::unique_ptr<Analyser> secondAnalyser);

    ProposalBatch propose(const QStringList& words) override;

private:
    ReadingProposal proposeOne(const QString& word);
    ReadingEvidence evidenceFor(const QString& word);

    WordDictionary dictionary;
    std::unique_ptr<Analyser> analyser;
    std::unique_ptr<Analyser> secondAnalyser;
};

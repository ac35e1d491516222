#pragma once

#include "proposal/ReadingProposer.h"
#include "proposal/ReadingSources.h"

#include <memory>

// The real proposer from its module, loaded the first time readings are asked for, so that
// neither the analysers' libraries nor the dictionary are touched by a start that never asks.
// Until it could be made, every request tries again and says what is missing.
class ProposerModule : public ReadingProposer
{
public:
    ProposerModule(QString modulePath, ReadingSources sources);
    ~ProposerModule() override;

    ProposalBatch propose(const QStringList& words) override;

private:
    void load();

    QString modulePath;
    ReadingSources sources;
    std::unique_ptr<ReadingProposer> loaded;
    std::optional<ProposerUnavailable> unavailable;
};

#include "proposal/ProposerModule.h"

#include "platform/ProgramModule.h"
#include "proposal/ReadingProposerFactory.h"

#include <utility>

ProposerModule::ProposerModule(QString modulePath, ReadingSources sources)
    : modulePath(std::move(modulePath)), sources(std::move(sources))
{}

ProposerModule::~ProposerModule() = default;

ProposalBatch ProposerModule::propose(const QStringList& words)
{
    // A package installed since the last try is found on the next.
    if (!loaded)
        load();
    if (!loaded)
        return {{}, unavailable};
    return loaded->propose(words);
}

void ProposerModule::load()
{
    QString error;
    auto* factory = ProgramModule::load<ReadingProposerFactory>(modulePath, error);
    if (!factory) {
        // The module links the analysers' libraries: without them it does not load at all.
        unavailable = ProposerUnavailable{ReadingPackages::Libraries, error};
        return;
    }
    ReadingProposerFactory::Made made = factory->create(sources);
    loaded = std::move(made.proposer);
    unavailable = made.unavailable;
}

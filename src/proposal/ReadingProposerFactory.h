#pragma once

#include "proposal/ReadingProposer.h"
#include "proposal/ReadingSources.h"

#include <QObject>

#include <memory>

// Where the real proposer comes from: its module offers one, made over the given files.
class ReadingProposerFactory
{
public:
    struct Made
    {
        std::unique_ptr<ReadingProposer> proposer;
        std::optional<ProposerUnavailable> unavailable; // why there is no proposer
    };

    virtual ~ReadingProposerFactory() = default;
    virtual Made create(const ReadingSources& sources) = 0;
};

// Another shape of the proposal or of the sources is another version: a module built for the old
// one is then refused, not called.
#define TAZUNE_READING_PROPOSER_FACTORY_IID "org.velmora.Tazune.ReadingProposerFactory/1"
Q_DECLARE_INTERFACE(ReadingProposerFactory, TAZUNE_READING_PROPOSER_FACTORY_IID)

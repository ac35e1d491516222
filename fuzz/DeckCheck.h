#pragma once

// What every deck reader must give for any input: an error and no notes, or notes whose fields
// match the deck's names and which the mapping either stores or lists, each exactly once.

#include "import/DeckMapping.h"

#include <cstdlib>

inline void checkDeck(const DeckResult& result)
{
    if (result.error) {
        if (!result.deck.notes.isEmpty())
            std::abort();
        return;
    }
    const Deck& deck = result.deck;
    for (const DeckNote& note : deck.notes) {
        if (note.fields.size() != deck.fieldNames.size())
            std::abort();
    }
    const MappedDeck mapped = mapDeck(deck, defaultMapping(deck, LevelSource::Deck));
    const qsizetype stored = mapped.bank.Count(0) + mapped.bank.Count(1) + mapped.bank.Count(2);
    if (stored + mapped.skipped.size() != deck.notes.size())
        std::abort();
}

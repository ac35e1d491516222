#pragma once

#include "import/Deck.h"
#include "import/DeckMapping.h"
#include "language/Language.h"

#include <QString>

// What the user reads about a deck that could not be read or a note that was left out, in the
// data tool's language or, in the program's window, in Japanese.
namespace ImportMessages {

QString place(const NotePlace& place, Language language);

// "line 3: …" when the error has a place.
QString describe(const ImportError& error, Language language);
QString describe(const SkippedNote& skipped, Language language);

} // namespace ImportMessages

#pragma once

#include "import/Deck.h"

#include <QByteArrayView>

// The vocabulary files of the KDE flash-card programs. Version 2: identifiers (the languages)
// name the fields, each entry has a translation per identifier, a pronunciation becomes that
// field's reading, lessons nest as containers. Version 1: entries of an original and its
// translations, lessons by number. Entities other than XML's own are refused, nesting is limited.
DeckResult readKvtml(QByteArrayView bytes);

bool looksLikeKvtml(QByteArrayView bytes);

#pragma once

#include "import/AnkiMarkup.h"
#include "import/Deck.h"

#include <QByteArrayView>
#include <QString>

// A package of the other program (.apkg, .colpkg): a zip holding its SQLite collection. The
// newest collection in it is read: collection.anki21b (zstd-compressed), else collection.anki21,
// else collection.anki2; a package that holds a newer one keeps a dummy collection.anki2 beside
// it for old versions, and that is never read. Note types come from col.models (schema 11) or
// the notetypes and fields tables (schema 18); a note's deck is the home deck of its first card.
// Fields are HTML. Nothing in the package is changed: the collection is read from a temporary
// copy, opened read-only.
DeckResult readAnkiPackage(const QString& path, AnkiMarkup::LineBreaks lineBreaks);
// The same from the bytes of a package already in memory.
DeckResult readAnkiPackageBytes(QByteArrayView bytes, AnkiMarkup::LineBreaks lineBreaks);

bool looksLikeZip(QByteArrayView bytes);

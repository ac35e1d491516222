#pragma once

#include "import/Deck.h"

#include <QByteArrayView>

#include <optional>

class QFile;

// The zip side of reading a package: its newest collection (collection.anki21b, inflated from
// zstd, else collection.anki21, else collection.anki2) copied into a file, with the declared
// and the real size of the entry held to the import's limits.
namespace AnkiArchive {

std::optional<ImportError> extractCollection(const QString& path, QFile& into);
// The same from the bytes of a package already in memory.
std::optional<ImportError> extractCollection(QByteArrayView bytes, QFile& into);

} // namespace AnkiArchive

// Any bytes given to the package reader, as a zip of a collection: damaged archives, collections
// that are no database or no collection, bombs; a deck or an error, never more memory than the
// limits allow.

#include "DeckCheck.h"
#include "import/AnkiPackageReader.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArrayView bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    checkDeck(readAnkiPackageBytes(bytes, AnkiMarkup::LineBreaks::Space));
    return 0;
}

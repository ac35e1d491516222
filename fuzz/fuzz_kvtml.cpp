// Any bytes given to the vocabulary-file reader: entities and deep nesting are refused, anything
// else ends in a deck or an error.

#include "DeckCheck.h"
#include "import/KvtmlReader.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    checkDeck(readKvtml(QByteArrayView(reinterpret_cast<const char*>(data), qsizetype(size))));
    return 0;
}

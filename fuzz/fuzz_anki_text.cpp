// Any bytes given to the text-export reader end in a deck or an error, within the limits.

#include "DeckCheck.h"
#include "import/AnkiTextReader.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArrayView bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    checkDeck(readAnkiText(bytes, AnkiMarkup::LineBreaks::Space));
    checkDeck(readAnkiText(bytes, AnkiMarkup::LineBreaks::Keep));
    return 0;
}

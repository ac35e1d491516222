// Any text given to the pasted-list reader, with separators taken from its first bytes.

#include "DeckCheck.h"
#include "import/QuizletReader.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString text =
        QString::fromUtf8(QByteArrayView(reinterpret_cast<const char*>(data), qsizetype(size)));
    checkDeck(readQuizlet(text, {}));
    if (text.size() >= 2)
        checkDeck(readQuizlet(text.sliced(2), {text.first(1), text.sliced(1, 1)}));
    return 0;
}

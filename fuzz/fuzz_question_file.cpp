// Any byte string given to the parser must end in one of the three outcomes without a crash,
// undefined behaviour or an allocation larger than the input justifies; and whatever it loaded
// must survive an encode and parse unchanged.

#include "questions/QuestionFile.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    QuestionBank bank;
    const auto outcome = QuestionFile::parse(
        QByteArrayView(reinterpret_cast<const char*>(data), qsizetype(size)), bank);
    if (!outcome)
        return 0;
    QuestionBank reread;
    if (!QuestionFile::parse(QuestionFile::encode(bank), reread) || !(reread == bank))
        std::abort();
    return 0;
}

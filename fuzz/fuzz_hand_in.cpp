// A file in the hand-in folder, which any pupil can write anything into, as the board reads it.
// A file that reads must come back the same from the program's own writing, and must go onto the
// board; one that does not read must say why.

#include "classroom/BoardModel.h"
#include "classroom/HandInFile.h"
#include "classroom/HandInReader.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const auto read =
        HandInReader::read(QByteArrayView(reinterpret_cast<const char*>(data), qsizetype(size)));
    if (!read) {
        if (read.failure().isEmpty())
            std::abort();
        return 0;
    }
    const QByteArray written = HandInFile::write(*read);
    const auto reread = HandInReader::read(written);
    if (!reread || !(*reread == *read) || HandInFile::write(*reread) != written)
        std::abort();
    BoardModel board;
    HandInScan scan;
    scan.read.append({QStringLiteral("a.csv"), HandInSummary::of(*read)});
    board.apply(scan);
    if (board.rowCount() != 1 || board.mostMissed(10).size() > read->answers.size())
        std::abort();
    return 0;
}

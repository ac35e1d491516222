// A results table from any learner, as tazune-data results merge reads it: in whichever encoding
// the bytes are. A table that reads must merge into a class table, and must come back from the
// program's own writing in both encodings: the reader has to take every table the export can
// write, and writing what it read once more has to give the same bytes.

#include "results/ClassCsv.h"
#include "results/ClassMerge.h"
#include "results/ResultsCsv.h"
#include "results/ResultsCsvReader.h"

#include <cstdint>
#include <cstdlib>

namespace {

void checkWrittenAgain(const QList<ResultRow>& rows, CsvText::Encoding encoding)
{
    const CsvText::Encoded written = ResultsCsv::write(rows, encoding);
    if (!written.withoutCp932Form.isEmpty())
        return;
    const ResultsCsvRead reread = ResultsCsvReader::read(written.bytes);
    if (reread.error || ResultsCsv::write(reread.rows, encoding).bytes != written.bytes)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const ResultsCsvRead read = ResultsCsvReader::read(
        QByteArrayView(reinterpret_cast<const char*>(data), qsizetype(size)));
    if (read.error) {
        if (!read.rows.isEmpty() || read.error->line < 1)
            std::abort();
        return 0;
    }
    checkWrittenAgain(read.rows, CsvText::Encoding::Utf8);
    checkWrittenAgain(read.rows, CsvText::Encoding::Cp932);
    const ClassTable table = ClassMerge::merge(read.rows);
    qsizetype games = 0;
    for (const ClassRow& row : table.rows)
        games += row.games + row.reviewGames;
    if (games > read.rows.size())
        std::abort();
    ClassCsv::classTable(table, CsvText::Encoding::Utf8);
    ClassCsv::missedPairs(table, CsvText::Encoding::Cp932);
    return 0;
}

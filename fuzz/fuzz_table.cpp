// A table from any spreadsheet, or any file named as one, goes through the import as tazune-data
// runs it. The first byte chooses the format and the encoding as the command line would; the
// rest is the table. A table that imports must also come back unchanged from the tool's own
// export: as CSV in CP932 every text can be written, so that table must import to the same bank.

#include "tables/TableExport.h"
#include "tables/TableImport.h"

#include <cstdint>
#include <cstdlib>

namespace {

ImportOptions optionsFrom(uint8_t choice)
{
    static constexpr std::optional<TableEncoding> encodings[] = {std::nullopt, TableEncoding::Utf8,
                                                                 TableEncoding::Cp932};
    return {choice & 1 ? TableFormat::Csv : TableFormat::Tsv, encodings[(choice >> 1) % 3]};
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0)
        return 0;
    const QByteArray table(reinterpret_cast<const char*>(data) + 1, qsizetype(size - 1));
    const ImportResult imported = importTable(table, optionsFrom(data[0]));
    if (!imported.errors.isEmpty())
        return 0;
    const ExportResult exported =
        exportTable(imported.bank, {TableFormat::Csv, TableEncoding::Cp932, false});
    if (!exported.errors.isEmpty())
        std::abort();
    const ImportResult reimported =
        importTable(exported.table, {TableFormat::Csv, TableEncoding::Cp932});
    if (!reimported.errors.isEmpty() || !(reimported.bank == imported.bank))
        std::abort();
    return 0;
}

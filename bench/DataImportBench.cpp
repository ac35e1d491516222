#include "questions/TextCodec.h"
#include "tables/TableImport.h"

#include <benchmark/benchmark.h>

namespace {

constexpr int RowCount = 1'000'000;

// A million rows over the three levels, as a teacher's spreadsheet would hold them: a Japanese
// question and a romaji answer with a running number, so that no two rows are alike. The CSV
// table quotes every answer, which holds a comma.
QByteArray millionRowTable(TableFormat format)
{
    const QByteArray separator = format == TableFormat::Tsv ? "\t" : ",";
    QByteArray table;
    table.reserve(RowCount * 40);
    for (int i = 0; i < RowCount; ++i) {
        const QByteArray number = QByteArray::number(i);
        const QByteArray answer =
            format == TableFormat::Tsv ? "mondai " + number : "\"mondai, " + number + '"';
        table += QByteArray::number(i % 3 + 1) + separator + "今日の問題" + number + separator +
                 answer + '\n';
    }
    return table;
}

void importMillionRows(benchmark::State& state, TableFormat format, TableEncoding encoding)
{
    QByteArray table = millionRowTable(format);
    if (encoding == TableEncoding::Cp932)
        table = TextCodec::encode(QString::fromUtf8(table)).value();
    int pairs = 0;
    for (auto _ : state) {
        const ImportResult result = importTable(table, {format, std::nullopt});
        if (!result.errors.isEmpty()) {
            state.SkipWithError("the table did not import");
            return;
        }
        pairs = result.bank.Count(0) + result.bank.Count(1) + result.bank.Count(2);
        benchmark::DoNotOptimize(result.bank);
    }
    state.SetBytesProcessed(state.iterations() * table.size());
    state.counters["pairs"] = pairs;
    state.counters["MB"] = double(table.size()) / 1e6;
}

} // namespace

BENCHMARK_CAPTURE(importMillionRows, tsv_utf8, TableFormat::Tsv, TableEncoding::Utf8)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK_CAPTURE(importMillionRows, tsv_cp932, TableFormat::Tsv, TableEncoding::Cp932)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK_CAPTURE(importMillionRows, csv_utf8, TableFormat::Csv, TableEncoding::Utf8)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

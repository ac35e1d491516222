// tazune-data results export at size: 10,000 finished games, each with two time-outs, read from a
// read-only record and written as the CSV table; and the same games refused as CP932 for a
// learner's name CP932 lacks, which has to find that character in the whole table.

#include "record/SqlLearningRecord.h"
#include "results/ResultsCsv.h"

#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

constexpr int GameCount = 10'000;

bool recordGames(const QString& path)
{
    SqlLearningRecord record(path);
    if (record.open() != LearningRecord::OpenOutcome::Opened)
        return false;
    const QDateTime start(QDate(2026, 3, 1), QTime(12, 0), Qt::UTC);
    const ReportInputs inputs{20, 10, 8, 215, 415};
    for (int i = 0; i < GameCount; ++i) {
        const QDateTime at = start.addSecs(60 * i);
        const std::optional<qint64> game =
            record.beginGame({{QStringLiteral("/data/Q%1.DAT").arg(i % 5), QByteArray(32, 'x')},
                              i % 3,
                              20,
                              10,
                              false,
                              at});
        if (!game)
            return false;
        for (int k = 0; k < 2; ++k) {
            const QByteArray n = QByteArray::number(i % 500 + k);
            if (!record.recordAnswer(*game,
                                     {{"MONDAI" + n, "kotae" + n}, std::nullopt, "", at, {}, {}}))
                return false;
        }
        if (!record.finishGame(*game, {inputs, ReportFigures::texts(inputs), at}))
            return false;
    }
    return true;
}

void exportTenThousandGames(benchmark::State& state)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("record.sqlite"));
    if (!recordGames(path)) {
        state.SkipWithError("the record could not be written");
        return;
    }
    qsizetype bytes = 0;
    for (auto _ : state) {
        SqlLearningRecord record(path, SqlLearningRecord::Access::ReadOnly);
        if (record.open() != LearningRecord::OpenOutcome::Opened) {
            state.SkipWithError("the record could not be read");
            return;
        }
        const QList<FinishedGame> games = record.finishedGames({});
        const CsvText::Encoded csv = ResultsCsv::write(
            ResultsCsv::rowsOf(QStringLiteral("花子"), games, record.timeOutsOf({})),
            CsvText::Encoding::Utf8);
        bytes = csv.bytes.size();
        benchmark::DoNotOptimize(bytes);
    }
    state.counters["csv_bytes"] = double(bytes);
}

void refuseCp932OfTenThousandGames(benchmark::State& state)
{
    const QDateTime start(QDate(2026, 3, 1), QTime(12, 0), Qt::UTC);
    const ReportInputs inputs{20, 10, 8, 215, 415};
    QList<ResultRow> rows;
    for (int i = 0; i < GameCount; ++i) {
        const QString n = QString::number(i % 500);
        rows.append({QStringLiteral("𠮷田"),
                     QStringLiteral("/data/Q%1.DAT").arg(i % 5),
                     i % 3,
                     start.addSecs(60 * i),
                     start.addSecs(60 * i + 30),
                     false,
                     inputs,
                     {"200", "1.075", "2.075", "80"},
                     {{"MONDAI" + n, "kotae" + n}}});
    }
    qsizetype refused = 0;
    for (auto _ : state) {
        refused = ResultsCsv::write(rows, CsvText::Encoding::Cp932).withoutCp932Form.size();
        benchmark::DoNotOptimize(refused);
    }
    if (refused != GameCount)
        state.SkipWithError("the name was not refused once a game");
}

} // namespace

BENCHMARK(exportTenThousandGames)->Unit(benchmark::kMillisecond);
BENCHMARK(refuseCp932OfTenThousandGames)->Unit(benchmark::kMillisecond);

// The class board at the size of a school's folder: 70,000 hand-in files (40 classes of 35 pupils,
// 50 games each) read into the board from nothing, to stay under 2 s; and one new file among them
// picked up by a rescan, to stay well under the 10 s in which it has to show (the poll's interval
// of 5 s included).

#include "classroom/BoardModel.h"
#include "classroom/HandInFile.h"
#include "classroom/HandInFolder.h"

#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

constexpr int Classes = 40;
constexpr int Pupils = 35;
constexpr int Games = 50;

HandIn gameOf(int classIndex, int pupilIndex, int gameIndex)
{
    const QDateTime end =
        QDateTime(QDate(2026, 3, 1), QTime(0, 0), Qt::UTC).addSecs(60 * (gameIndex + 1));
    const Pupil pupil{QStringLiteral("%1組").arg(classIndex + 1), QString::number(pupilIndex + 1),
                      QStringLiteral("生徒%1").arg(pupilIndex + 1)};
    const ReportInputs inputs{20, 10, 8, 215, 415};
    HandIn handIn{pupil,
                  QStringLiteral("漢字テスト"),
                  ResultRow{pupil.name,
                            QStringLiteral("kanji.DAT"),
                            0,
                            end.addSecs(-50),
                            end,
                            false,
                            inputs,
                            {QStringLiteral("200"), QStringLiteral("2.688"), QStringLiteral("4.15"),
                             QStringLiteral("80")},
                            {}},
                  {}};
    for (int question = 0; question < 10; ++question) {
        const QString n = QString::number((gameIndex * 10 + question) % 300);
        const bool correct = question < 8;
        handIn.answers.append({QStringLiteral("問題") + n, QStringLiteral("こたえ") + n, correct,
                               correct ? 27 : 200, correct ? QString() : QStringLiteral("こた")});
    }
    return handIn;
}

bool writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// Written once for every benchmark of the run.
const QTemporaryDir& schoolFolder()
{
    static QTemporaryDir folder;
    static bool written = false;
    if (!written) {
        written = true;
        for (int c = 0; c < Classes; ++c) {
            for (int p = 0; p < Pupils; ++p) {
                for (int g = 0; g < Games; ++g) {
                    const HandIn handIn = gameOf(c, p, g);
                    writeFile(
                        folder.filePath(HandInFile::nameOf(handIn.pupil, handIn.game.finishedAt)),
                        HandInFile::write(handIn));
                }
            }
        }
    }
    return folder;
}

void boardOpensOverSeventyThousandFiles(benchmark::State& state)
{
    const QString path = schoolFolder().path();
    for (auto _ : state) {
        HandInFolder folder(path);
        BoardModel board;
        const HandInScan scan = folder.scan();
        board.apply(scan);
        if (board.rowCount() != Classes * Pupils || !scan.malformed.isEmpty()) {
            state.SkipWithError("the board did not take every file");
            return;
        }
        benchmark::DoNotOptimize(board.mostMissed(10));
    }
}
BENCHMARK(boardOpensOverSeventyThousandFiles)->Unit(benchmark::kMillisecond)->Iterations(3);

void newFileShowsAfterARescan(benchmark::State& state)
{
    const QString path = schoolFolder().path();
    HandInFolder folder(path);
    BoardModel board;
    board.apply(folder.scan());
    int added = 0;
    for (auto _ : state) {
        state.PauseTiming();
        const HandIn handIn = gameOf(0, 0, Games + added++);
        const QString file = QStringLiteral("%1/new-%2.csv").arg(path).arg(added);
        writeFile(file, HandInFile::write(handIn));
        state.ResumeTiming();
        const HandInScan scan = folder.scan();
        board.apply(scan);
        if (scan.read.size() != 1) {
            state.SkipWithError("the new file was not read");
            return;
        }
        state.PauseTiming();
        QFile::remove(file);
        board.apply(folder.scan());
        state.ResumeTiming();
    }
}
BENCHMARK(newFileShowsAfterARescan)->Unit(benchmark::kMillisecond)->Iterations(5);

} // namespace

BENCHMARK_MAIN();

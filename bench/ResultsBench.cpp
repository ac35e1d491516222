// The results history at size: the window opened over a record of 10,000 finished games of one
// file and level, to stay under 200 ms. Runs offscreen unless told otherwise.

#include "FakeFileDialog.h"
#include "FakeMessageBox.h"
#include "FakeReportPrinter.h"
#include "drill/ReportFigures.h"
#include "record/GameRecorder.h"
#include "record/SqlLearningRecord.h"
#include "results/TFrmResults.h"

#include <QApplication>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTableView>
#include <QTemporaryDir>
#include <QVariant>

#include <benchmark/benchmark.h>

namespace {

constexpr int GameCount = 10'000;
const QString BenchFile = QStringLiteral("/bench/Q.DAT");

// Years of daily games, written straight into the schema the record created, in one transaction.
bool fillFinishedGames(const QString& path)
{
    {
        SqlLearningRecord record(path);
        if (record.open() != LearningRecord::OpenOutcome::Opened)
            return false;
    }
    bool filled = false;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), "fill");
        db.setDatabaseName(path);
        db.open();
        QSqlQuery query(db);
        db.transaction();
        query.exec("INSERT INTO files (path, content_hash) VALUES ('/bench/Q.DAT', x'00')");
        const QDateTime first(QDate(2020, 1, 1), QTime(18, 0), Qt::UTC);
        for (int g = 0; g < GameCount; ++g) {
            const QDateTime started = first.addSecs(g * 4'000);
            query.prepare("INSERT INTO games (file_id, level, seconds_per_question,"
                          " questions_per_game, review, started_at) VALUES (1, 0, 20, 10, ?, ?)");
            query.addBindValue(g % 7 == 0 ? 1 : 0);
            query.addBindValue(started.toString(Qt::ISODateWithMs));
            query.exec();
            const ReportInputs inputs{20, 10, g % 11, (g % 11) * 35, (g % 11) * 35 + 100};
            const ReportTexts texts = ReportFigures::texts(inputs);
            query.prepare("INSERT INTO results VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)");
            for (const QVariant& value : std::initializer_list<QVariant>{
                     g + 1, started.addSecs(300).toString(Qt::ISODateWithMs),
                     inputs.secondsPerQuestion, inputs.questionsPerGame, inputs.correctCount,
                     inputs.correctTimeSum, inputs.answerTimeSum, texts.standardTime,
                     texts.averageCorrectTime, texts.averageInputTime, texts.correctRate})
                query.addBindValue(value);
            query.exec();
        }
        filled = db.commit();
        db.close();
    }
    QSqlDatabase::removeDatabase("fill");
    return filled;
}

// From the menu item to the window on screen: the window made, the games read from the record,
// the table filled and sorted, the chart of 10,000 games built, laid out and painted.
void openHistoryOf10000Games(benchmark::State& state)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("record.sqlite");
    if (!fillFinishedGames(path)) {
        state.SkipWithError("could not fill the record");
        return;
    }
    SqlLearningRecord record(path);
    GameRecorder recorder(record);
    recorder.open();
    FakeFileDialog files;
    FakeMessageBox messages;
    FakeReportPrinter printer;
    int rows = 0;
    for (auto _ : state) {
        TFrmResults window(recorder.queries(), files, messages, printer);
        window.showRecord(BenchFile, 0, QString());
        window.show();
        QApplication::processEvents();
        rows = window.ListView1->model()->rowCount();
    }
    state.counters["rows"] = rows;
}
BENCHMARK(openHistoryOf10000Games)->Unit(benchmark::kMillisecond)->MinTime(2.0);

} // namespace

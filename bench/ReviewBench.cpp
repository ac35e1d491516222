// Today's review at size: a record of 100,000 pairs and 1,000,000 review lines, replayed into
// schedules as an upgrade or a change of settings does; the count of pairs due, which the ﾚﾍﾞﾙ menu
// shows each time it opens (goal under 50 ms); and 今日の復習 opened over it, from the menu item to
// the first question (goal under 200 ms).

#include "NumberedPair.h"
#include "QuietSessionView.h"
#include "ScriptedRandom.h"
#include "questions/QuestionFile.h"
#include "record/SqlLearningRecord.h"
#include "session/DrillSession.h"

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QVariant>

#include <benchmark/benchmark.h>

#include <numeric>

namespace {

constexpr int PairCount = 100'000;
constexpr int ReviewCount = 1'000'000;
constexpr qint64 DayMs = 86'400'000;

// Ten reviews of every pair over the last year, graded as a learner's might be.
bool fillReviews(const QString& path, qint64 nowMs)
{
    bool filled = false;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), "fill");
        db.setDatabaseName(path);
        db.open();
        QSqlQuery query(db);
        db.transaction();
        query.exec("INSERT INTO files (path, content_hash) VALUES ('/bench/Q.DAT', x'00')");
        query.exec("INSERT INTO games (file_id, level, seconds_per_question, questions_per_game,"
                   " review, started_at) VALUES (1, 0, 20, 10, 0, '2026-01-01T00:00:00.000Z')");
        query.prepare("INSERT INTO pairs (question, answer) VALUES (?, ?)");
        for (int i = 0; i < PairCount; ++i) {
            const QuestionItem pair = numberedPair(i);
            query.addBindValue(pair.question);
            query.addBindValue(pair.answer);
            query.exec();
        }
        query.prepare("INSERT INTO reviews (pair_id, game_id, at_ms, outcome, first_key_ms,"
                      " match_ms, keys, corrections, input_mode, limit_ms, grade, counted)"
                      " VALUES (?, 1, ?, 0, 600, 1500, 4, 0, 0, 20000, ?, 1)");
        const qint64 firstMs = nowMs - 365 * DayMs;
        for (int r = 0; r < ReviewCount; ++r) {
            query.addBindValue(1 + r % PairCount);
            query.addBindValue(firstMs + qint64(r) * (365 * DayMs / ReviewCount));
            query.addBindValue(r % 7 == 0 ? 1 : 2 + r % 3);
            query.exec();
        }
        filled = db.commit();
        db.close();
    }
    QSqlDatabase::removeDatabase("fill");
    return filled;
}

// The record above, its schedules replayed from the log once.
struct LargeReviewRecord
{
    QTemporaryDir dir;
    QString path = dir.filePath("record.sqlite");
    QDateTime now = QDateTime::currentDateTimeUtc();
    bool ready = false;

    LargeReviewRecord()
    {
        SqlLearningRecord record(path);
        if (record.open() != LearningRecord::OpenOutcome::Opened ||
            !fillReviews(path, now.toMSecsSinceEpoch()))
            return;
        ready = record.reschedule();
    }
};

LargeReviewRecord& largeRecord()
{
    static LargeReviewRecord record;
    return record;
}

// Every schedule made again from 1,000,000 review lines, in one transaction.
void rescheduleMillionReviews(benchmark::State& state)
{
    LargeReviewRecord& large = largeRecord();
    SqlLearningRecord record(large.path);
    if (!large.ready || record.open() != LearningRecord::OpenOutcome::Opened) {
        state.SkipWithError("could not fill the record");
        return;
    }
    for (auto _ : state)
        benchmark::DoNotOptimize(record.reschedule());
}
BENCHMARK(rescheduleMillionReviews)->Unit(benchmark::kMillisecond)->Iterations(3);

void dueCountOverMillionReviews(benchmark::State& state)
{
    LargeReviewRecord& large = largeRecord();
    SqlLearningRecord record(large.path);
    if (!large.ready || record.open() != LearningRecord::OpenOutcome::Opened) {
        state.SkipWithError("could not fill the record");
        return;
    }
    qint64 due = 0;
    for (auto _ : state)
        due = record.dueSummary(large.now).due;
    state.counters["due"] = static_cast<double>(due);
}
BENCHMARK(dueCountOverMillionReviews)->Unit(benchmark::kMillisecond)->MinTime(2.0);

// 復習の予定's page: the whole log replayed pair by pair into the coming days, the calendar and
// the retention achieved.
void reviewPlanOverMillionReviews(benchmark::State& state)
{
    LargeReviewRecord& large = largeRecord();
    SqlLearningRecord record(large.path);
    if (!large.ready || record.open() != LearningRecord::OpenOutcome::Opened) {
        state.SkipWithError("could not fill the record");
        return;
    }
    ReviewPlan plan;
    for (auto _ : state)
        plan = record.reviewPlan(large.now);
    state.counters["due_today"] = plan.dueByDay.empty() ? 0 : double(plan.dueByDay.front());
    state.counters["reviews_in_year"] =
        double(std::accumulate(plan.reviewsByDay.begin(), plan.reviewsByDay.end(), 0));
}
BENCHMARK(reviewPlanOverMillionReviews)->Unit(benchmark::kMillisecond)->Iterations(3);

// From the menu item to the game running: the due pairs read and ordered by their chance of
// recall, the pairs met read to find the new ones in the loaded file's 100,000, the pace read.
void openTodaysReview(benchmark::State& state)
{
    LargeReviewRecord& large = largeRecord();
    const QString file = large.dir.filePath("Q.DAT");
    QuestionBank bank;
    for (int i = 0; i < PairCount + 10; ++i) {
        const QuestionItem pair = numberedPair(i);
        bank.Add(0, pair.question, pair.answer);
    }
    SqlLearningRecord record(large.path);
    ScriptedRandom random;
    QuietSessionView view;
    DrillSession session(random, record, view);
    if (!large.ready || !QuestionFile::write(file, bank) || !session.load(file)) {
        state.SkipWithError("could not fill the record");
        return;
    }
    session.recorder().open();
    qsizetype asked = 0;
    for (auto _ : state) {
        session.startTodaysReview({20, 10}, 10);
        state.PauseTiming();
        asked = session.drill().tally().questionsRemaining;
        session.end();
        session.recorder().retryNow();
        state.ResumeTiming();
    }
    state.counters["questions"] = static_cast<double>(asked);
}
BENCHMARK(openTodaysReview)->Unit(benchmark::kMillisecond)->MinTime(2.0);

} // namespace

#include "record/SqlLearningRecord.h"

#include "record/NotebookRule.h"
#include "record/ScheduleRows.h"
#include "record/SqliteRows.h"

#include <QSqlQuery>
#include <QVariant>

#include <functional>

namespace {

QString timeText(const QDateTime& time)
{
    return time.toUTC().toString(Qt::ISODateWithMs);
}

QDateTime timeFrom(const QVariant& milliseconds)
{
    return milliseconds.isNull()
               ? QDateTime()
               : QDateTime::fromMSecsSinceEpoch(milliseconds.toLongLong(), Qt::UTC);
}

QVariant milliseconds(const std::optional<qint64>& value)
{
    return value ? QVariant(*value) : QVariant(QMetaType(QMetaType::LongLong));
}

// A value no version writes (a later one's form, or a damaged row) reads as none.
std::optional<AnswerForm> formFrom(std::optional<qint64> stored)
{
    if (!stored || *stored < 0 || *stored > qint64(AnswerForm::Reading))
        return std::nullopt;
    return AnswerForm(*stored);
}

std::optional<AnswerForm> formFrom(const QVariant& stored)
{
    return formFrom(stored.isNull() ? std::nullopt : std::optional(stored.toLongLong()));
}

QVariant formValue(std::optional<AnswerForm> form)
{
    return form ? QVariant(int(*form)) : QVariant(QMetaType(QMetaType::Int));
}

// A bound blob that is never NULL, so an empty answer still equals an empty answer.
QVariant blob(const QByteArray& bytes)
{
    return QVariant(bytes.isNull() ? QByteArray("") : bytes);
}

} // namespace

bool SqlLearningRecord::inTransaction(const std::function<bool()>& work)
{
    QSqlQuery query(database());
    // The write lock is taken at once, so two running copies wait for each other at the start
    // instead of failing halfway.
    if (!exec(query, QStringLiteral("BEGIN IMMEDIATE")))
        return false;
    if (work() && exec(query, QStringLiteral("COMMIT")))
        return true;
    query.exec(QStringLiteral("ROLLBACK"));
    return false;
}

std::optional<qint64> SqlLearningRecord::fileId(const RecordedFile& file)
{
    QSqlQuery query(database());
    query.prepare(QStringLiteral("INSERT INTO files (path, content_hash) VALUES (?, ?)"
                                 " ON CONFLICT (path, content_hash) DO NOTHING"));
    query.addBindValue(file.path);
    query.addBindValue(blob(file.contentHash));
    if (!exec(query))
        return std::nullopt;
    query.prepare(QStringLiteral("SELECT id FROM files WHERE path = ? AND content_hash = ?"));
    query.addBindValue(file.path);
    query.addBindValue(blob(file.contentHash));
    if (!exec(query) || !query.next())
        return std::nullopt;
    return query.value(0).toLongLong();
}

std::optional<qint64> SqlLearningRecord::beginGame(const GameStart& start)
{
    failure = {};
    if (!opened)
        return std::nullopt;
    std::optional<qint64> game;
    inTransaction([&] {
        const std::optional<qint64> file = fileId(start.file);
        if (!file)
            return false;
        QSqlQuery query(database());
        query.prepare(QStringLiteral(
            "INSERT INTO games (file_id, level, seconds_per_question, questions_per_game, review,"
            " started_at, listening) VALUES (?, ?, ?, ?, ?, ?, ?)"));
        query.addBindValue(*file);
        query.addBindValue(start.level);
        query.addBindValue(start.secondsPerQuestion);
        query.addBindValue(start.questionsPerGame);
        query.addBindValue(start.review ? 1 : 0);
        query.addBindValue(timeText(start.startedAt));
        query.addBindValue(start.listening ? 1 : 0);
        if (!exec(query))
            return false;
        game = query.lastInsertId().toLongLong();
        return true;
    });
    return game;
}

std::optional<qint64> SqlLearningRecord::pairId(const QuestionItem& pair, PairProgress& progress)
{
    QSqlQuery query(database());
    query.prepare(QStringLiteral("SELECT id, misses, corrects, correct_ticks, fast_streak,"
                                 " in_notebook, last_miss_ms, last_timeout_typed,"
                                 " last_answered_by, by_reading FROM pairs"
                                 " WHERE question = ? AND answer = ?"));
    query.addBindValue(blob(pair.question));
    query.addBindValue(blob(pair.answer));
    if (!exec(query))
        return std::nullopt;
    if (query.next()) {
        progress = {
            query.value(1).toInt(),       query.value(2).toInt(),   query.value(3).toLongLong(),
            query.value(4).toInt(),       query.value(5).toBool(),  timeFrom(query.value(6)),
            query.value(7).toByteArray(), formFrom(query.value(8)), query.value(9).toBool()};
        return query.value(0).toLongLong();
    }
    progress = {};
    query.prepare(QStringLiteral("INSERT INTO pairs (question, answer) VALUES (?, ?)"));
    query.addBindValue(blob(pair.question));
    query.addBindValue(blob(pair.answer));
    if (!exec(query))
        return std::nullopt;
    return query.lastInsertId().toLongLong();
}

bool SqlLearningRecord::storeProgress(qint64 pair, const PairProgress& progress)
{
    QSqlQuery query(database());
    query.prepare(QStringLiteral("UPDATE pairs SET misses = ?, corrects = ?, correct_ticks = ?,"
                                 " fast_streak = ?, in_notebook = ?, last_miss_ms = ?,"
                                 " last_timeout_typed = ?, last_answered_by = ?, by_reading = ?"
                                 " WHERE id = ?"));
    query.addBindValue(progress.misses);
    query.addBindValue(progress.corrects);
    query.addBindValue(progress.correctTicks);
    query.addBindValue(progress.fastStreak);
    query.addBindValue(progress.inNotebook ? 1 : 0);
    query.addBindValue(progress.lastMiss.isValid() ? QVariant(progress.lastMiss.toMSecsSinceEpoch())
                                                   : QVariant(QMetaType(QMetaType::LongLong)));
    query.addBindValue(progress.lastTimeOutTyped.isNull()
                           ? QVariant(QMetaType(QMetaType::QByteArray))
                           : QVariant(progress.lastTimeOutTyped));
    query.addBindValue(formValue(progress.lastAnsweredBy));
    query.addBindValue(progress.answerByReading ? 1 : 0);
    query.addBindValue(pair);
    return exec(query);
}

bool SqlLearningRecord::recordAnswer(qint64 game, const AnswerOutcome& outcome)
{
    failure = {};
    if (!opened)
        return false;
    return inTransaction([&] {
        PairProgress progress;
        const std::optional<qint64> pair = pairId(outcome.pair, progress);
        if (!pair)
            return false;
        if (!outcome.review.gameEndedOnIt &&
            !(storeProgress(*pair, NotebookRule::after(progress, outcome)) &&
              storeOutcome(game, *pair, outcome)))
            return false;
        return logReview(game, *pair, outcome);
    });
}

bool SqlLearningRecord::storeOutcome(qint64 game, qint64 pair, const AnswerOutcome& outcome)
{
    QSqlQuery query(database());
    query.prepare(QStringLiteral("INSERT INTO outcomes (game_id, pair_id, at, correct_ticks,"
                                 " typed, first_key_ms, match_ms, keys, corrections,"
                                 " input_mode, answered_by)"
                                 " VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"));
    query.addBindValue(game);
    query.addBindValue(pair);
    query.addBindValue(timeText(outcome.at));
    query.addBindValue(outcome.correctTicks ? QVariant(*outcome.correctTicks)
                                            : QVariant(QMetaType(QMetaType::Int)));
    query.addBindValue(outcome.correctTicks ? QVariant(QMetaType(QMetaType::QByteArray))
                                            : blob(outcome.typed));
    const AnswerTiming& timing = outcome.timing;
    query.addBindValue(milliseconds(timing.firstKeyMs));
    query.addBindValue(milliseconds(timing.matchMs));
    query.addBindValue(timing.keys);
    query.addBindValue(timing.corrections);
    query.addBindValue(static_cast<int>(timing.mode));
    query.addBindValue(formValue(outcome.answeredBy));
    return exec(query);
}

bool SqlLearningRecord::finishGame(qint64 game, const GameResult& result)
{
    failure = {};
    if (!opened)
        return false;
    return inTransaction([&] {
        QSqlQuery query(database());
        query.prepare(QStringLiteral(
            "INSERT INTO results (game_id, finished_at, seconds_per_question, questions_per_game,"
            " correct_count, correct_time_sum, answer_time_sum, standard_time,"
            " average_correct_time, average_input_time, correct_rate)"
            " VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"));
        query.addBindValue(game);
        query.addBindValue(timeText(result.finishedAt));
        query.addBindValue(result.inputs.secondsPerQuestion);
        query.addBindValue(result.inputs.questionsPerGame);
        query.addBindValue(result.inputs.correctCount);
        query.addBindValue(result.inputs.correctTimeSum);
        query.addBindValue(result.inputs.answerTimeSum);
        query.addBindValue(result.texts.standardTime);
        query.addBindValue(result.texts.averageCorrectTime);
        query.addBindValue(result.texts.averageInputTime);
        query.addBindValue(result.texts.correctRate);
        return exec(query) && exec(query, markAnswersMissing(game));
    });
}

bool SqlLearningRecord::removeFromNotebook(const QuestionItem& pair)
{
    return changeProgress(pair, &NotebookRule::removedByHand);
}

bool SqlLearningRecord::setAnswerByReading(const QuestionItem& pair, bool on)
{
    return changeProgress(pair, [on](PairProgress progress) {
        progress.answerByReading = on;
        return progress;
    });
}

bool SqlLearningRecord::changeProgress(const QuestionItem& pair,
                                       const std::function<PairProgress(PairProgress)>& change)
{
    failure = {};
    if (!opened)
        return false;
    return inTransaction([&] {
        PairProgress progress;
        const std::optional<qint64> id = pairId(pair, progress);
        return id && storeProgress(*id, change(progress));
    });
}

bool SqlLearningRecord::clear()
{
    failure = {};
    if (!opened)
        return false;
    const bool cleared = inTransaction([&] {
        QSqlQuery query(database());
        for (const char* table :
             {"reviews", "schedules", "outcomes", "results", "games", "pairs", "files"}) {
            if (!exec(query, QStringLiteral("DELETE FROM ") + QLatin1String(table)))
                return false;
        }
        return true;
    });
    // Deleted rows would otherwise stay readable in the file's free pages.
    QSqlQuery(database()).exec(QStringLiteral("VACUUM"));
    return cleared;
}

QList<NotebookEntry> SqlLearningRecord::notebook()
{
    QList<NotebookEntry> entries;
    failure = {};
    if (!opened)
        return entries;
    // Counted first, so that the list is laid out once instead of copied each time it grows.
    SqliteRows count(database(), "SELECT count(*) FROM pairs WHERE in_notebook");
    if (count.next())
        entries.reserve(count.integer(0));
    SqliteRows rows(database(),
                    "SELECT p.question, p.answer, p.misses, p.corrects, p.correct_ticks,"
                    " p.fast_streak, p.last_miss_ms, p.last_timeout_typed, s.state, s.step,"
                    " s.stability, s.difficulty, s.due_ms, s.last_review_ms, p.last_answered_by,"
                    " p.by_reading FROM pairs p"
                    " LEFT JOIN schedules s ON s.pair_id = p.id WHERE p.in_notebook");
    while (rows.next()) {
        const std::optional<qint64> lastMiss = rows.optionalInteger(6);
        entries.append(
            {{rows.bytes(0), rows.bytes(1)},
             {qint32(rows.integer(2)), qint32(rows.integer(3)), rows.integer(4),
              qint32(rows.integer(5)), true,
              lastMiss ? QDateTime::fromMSecsSinceEpoch(*lastMiss, Qt::UTC) : QDateTime(),
              rows.bytes(7), formFrom(rows.optionalInteger(14)), rows.integer(15) != 0},
             rows.optionalInteger(8) ? std::optional(scheduleFrom(rows, 8)) : std::nullopt});
    }
    if (rows.error().isValid())
        fail(rows.error());
    return entries;
}

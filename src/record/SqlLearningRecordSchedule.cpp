// The review log and the schedules it moves: written with each answer, read by today's review.

#include "record/SqlLearningRecord.h"

#include "record/ScheduleRows.h"
#include "record/ScheduleTime.h"
#include "record/SqliteRows.h"
#include "schedule/AnswerGrade.h"

#include <QSqlQuery>
#include <QVariant>

#include <algorithm>
#include <array>

namespace {

// What became of a showing, as the review log numbers it.
enum class Logged
{
    Answered = 0,
    TimedOut = 1,
    GameEnded = 2
};

Logged loggedOutcome(const AnswerOutcome& outcome)
{
    if (outcome.review.gameEndedOnIt)
        return Logged::GameEnded;
    return outcome.correctTicks ? Logged::Answered : Logged::TimedOut;
}

QVariant optionalNumber(const std::optional<qint64>& value)
{
    return value ? QVariant(*value) : QVariant(QMetaType(QMetaType::LongLong));
}

} // namespace

bool SqlLearningRecord::logReview(qint64 game, qint64 pair, const AnswerOutcome& outcome)
{
    QSqlQuery query(database());
    query.prepare(QStringLiteral(
        "INSERT INTO reviews (pair_id, game_id, at_ms, outcome, first_key_ms, match_ms, keys,"
        " corrections, input_mode, limit_ms, grade, counted)"
        " VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"));
    const AnswerTiming& timing = outcome.timing;
    query.addBindValue(pair);
    query.addBindValue(game);
    query.addBindValue(outcome.at.toMSecsSinceEpoch());
    query.addBindValue(static_cast<int>(loggedOutcome(outcome)));
    query.addBindValue(optionalNumber(timing.firstKeyMs));
    query.addBindValue(optionalNumber(timing.matchMs));
    query.addBindValue(timing.keys);
    query.addBindValue(timing.corrections);
    query.addBindValue(static_cast<int>(timing.mode));
    query.addBindValue(outcome.review.limitMs);
    query.addBindValue(outcome.review.grade ? QVariant(static_cast<int>(*outcome.review.grade))
                                            : QVariant(QMetaType(QMetaType::Int)));
    query.addBindValue(outcome.review.firstInGame ? 1 : 0);
    if (!exec(query))
        return false;
    return !outcome.review.firstInGame || !outcome.review.grade ||
           moveSchedule(pair, *outcome.review.grade, outcome.at);
}

bool SqlLearningRecord::moveSchedule(qint64 pair, Grade grade, const QDateTime& at)
{
    SqliteRows stored(database(), "SELECT state, step, stability, difficulty, due_ms,"
                                  " last_review_ms, first_ms FROM schedules WHERE pair_id = ?");
    stored.bind(1, pair);
    PairSchedule before;
    qint64 firstMs = at.toMSecsSinceEpoch();
    if (stored.next()) {
        before = scheduleFrom(stored, 0);
        firstMs = stored.integer(6);
    }
    if (stored.error().isValid()) {
        fail(stored.error());
        return false;
    }
    const PairSchedule after =
        reviews.review(before, grade, ScheduleTime::instantOf(at), static_cast<quint64>(pair));
    QSqlQuery writer = scheduleWriter();
    return storeSchedule(writer, pair, after, firstMs);
}

QSqlQuery SqlLearningRecord::scheduleWriter()
{
    QSqlQuery query(database());
    query.prepare(QStringLiteral(
        "INSERT OR REPLACE INTO schedules (pair_id, state, step, stability, difficulty, due_ms,"
        " last_review_ms, first_ms) VALUES (?, ?, ?, ?, ?, ?, ?, ?)"));
    return query;
}

bool SqlLearningRecord::storeSchedule(QSqlQuery& query, qint64 pair, const PairSchedule& schedule,
                                      qint64 firstMs)
{
    query.addBindValue(pair);
    query.addBindValue(static_cast<int>(schedule.state));
    query.addBindValue(schedule.step);
    query.addBindValue(schedule.stability);
    query.addBindValue(schedule.difficulty);
    query.addBindValue(qint64(schedule.due.time_since_epoch().count()));
    query.addBindValue(qint64(schedule.lastReview.time_since_epoch().count()));
    query.addBindValue(firstMs);
    return exec(query);
}

bool SqlLearningRecord::rescheduleIfStale()
{
    if (access == Access::ReadOnly)
        return true;
    QSqlQuery query(database());
    if (!exec(query, QStringLiteral("SELECT value FROM record_state"
                                    " WHERE name = 'schedules_stale'")))
        return false;
    return !query.next() || query.value(0).toInt() == 0 || reschedule();
}

bool SqlLearningRecord::reschedule()
{
    return inTransaction([&] {
        QSqlQuery query(database());
        return gradeUngradedReviews() && exec(query, QStringLiteral("DELETE FROM schedules")) &&
               replayReviews() &&
               exec(query, QStringLiteral("INSERT OR REPLACE INTO record_state"
                                          " VALUES ('schedules_stale', 0)"));
    });
}

// Lines logged before grades existed: a miss is Again; a correct answer with its timing is graded
// at the learner's pace as it stands now; one without timing stays ungraded and moves nothing.
bool SqlLearningRecord::gradeUngradedReviews()
{
    QSqlQuery query(database());
    if (!exec(query, QStringLiteral("UPDATE reviews SET grade = 1 WHERE id IN"
                                    " (SELECT id FROM reviews WHERE grade IS NULL)"
                                    " AND outcome <> 0")))
        return false;
    std::array<GradeThresholds, 2> pace;
    for (const InputMode mode : {InputMode::InputMethod, InputMode::Romaji})
        pace[std::size_t(mode)] = gradeThresholds(timingsOf(mode));
    SqliteRows rows(database(), "SELECT id, first_key_ms, match_ms, corrections, keys, limit_ms,"
                                " input_mode FROM reviews WHERE grade IS NULL AND outcome = 0"
                                " AND match_ms IS NOT NULL AND id IN"
                                " (SELECT id FROM reviews WHERE grade IS NULL)");
    QSqlQuery update(database());
    update.prepare(QStringLiteral("UPDATE reviews SET grade = ? WHERE id = ?"));
    while (rows.next()) {
        const std::optional<qint64> firstKey = rows.optionalInteger(1);
        const TypedAnswer answer{
            ShowingEnd::Correct,  firstKey ? std::optional<int>(int(*firstKey)) : std::nullopt,
            int(rows.integer(2)), int(rows.integer(3)),
            int(rows.integer(4)), int(rows.integer(5))};
        const std::size_t mode = rows.integer(6) == 1 ? 1 : 0;
        update.addBindValue(static_cast<int>(gradeAnswer(answer, pace[mode])));
        update.addBindValue(rows.integer(0));
        if (!exec(update))
            return false;
    }
    if (rows.error().isValid())
        fail(rows.error());
    return !rows.error().isValid();
}

bool SqlLearningRecord::replayReviews()
{
    SqliteRows rows(database(), "SELECT pair_id, at_ms, grade FROM reviews"
                                " WHERE counted AND grade IS NOT NULL ORDER BY pair_id, at_ms");
    std::optional<qint64> pair;
    PairSchedule schedule;
    qint64 firstMs = 0;
    QSqlQuery writer = scheduleWriter();
    const auto storeLast = [&] { return !pair || storeSchedule(writer, *pair, schedule, firstMs); };
    while (rows.next()) {
        const qint64 id = rows.integer(0);
        const qint64 at = rows.integer(1);
        if (id != pair) {
            if (!storeLast())
                return false;
            pair = id;
            schedule = {};
            firstMs = at;
        }
        const int grade = std::clamp(int(rows.integer(2)), 1, 4);
        schedule = reviews.review(schedule, static_cast<Grade>(grade),
                                  Instant{std::chrono::milliseconds(at)}, quint64(id));
    }
    if (rows.error().isValid()) {
        fail(rows.error());
        return false;
    }
    return storeLast();
}

std::vector<LoggedReview> SqlLearningRecord::reviewLog()
{
    failure = {};
    std::vector<LoggedReview> log;
    if (!opened)
        return log;
    SqliteRows rows(database(), "SELECT pair_id, at_ms, grade, outcome, match_ms, limit_ms"
                                " FROM reviews WHERE counted AND grade IS NOT NULL"
                                " ORDER BY at_ms, id");
    while (rows.next()) {
        const int grade = std::clamp(int(rows.integer(2)), 1, 4);
        log.push_back({rows.integer(0), rows.integer(1), static_cast<Grade>(grade),
                       rows.integer(3) == qint64(Logged::TimedOut), rows.optionalInteger(4),
                       qint32(rows.integer(5))});
    }
    if (rows.error().isValid())
        fail(rows.error());
    return log;
}

DueSummary SqlLearningRecord::dueSummary(const QDateTime& by)
{
    failure = {};
    DueSummary summary;
    if (!opened)
        return summary;
    SqliteRows rows(database(), "SELECT (SELECT count(*) FROM schedules WHERE due_ms <= ?1),"
                                " (SELECT min(due_ms) FROM schedules WHERE due_ms > ?1)");
    rows.bind(1, by.toMSecsSinceEpoch());
    if (rows.next()) {
        summary.due = rows.integer(0);
        if (const std::optional<qint64> next = rows.optionalInteger(1))
            summary.nextDue = QDateTime::fromMSecsSinceEpoch(*next, QTimeZone::utc());
    }
    if (rows.error().isValid())
        fail(rows.error());
    return summary;
}

// The chance of recall falls as the time since the last review grows against the stability, so
// the least likely pairs are found by that ratio without computing the curve for every row.
QList<ScheduledPair> SqlLearningRecord::duePairs(const QDateTime& by, qsizetype limit)
{
    failure = {};
    QList<ScheduledPair> due;
    if (!opened)
        return due;
    SqliteRows rows(database(),
                    "SELECT p.question, p.answer, s.state, s.step, s.stability, s.difficulty,"
                    " s.due_ms, s.last_review_ms FROM (SELECT * FROM schedules WHERE due_ms <= ?1"
                    " ORDER BY (?1 - last_review_ms) / max(stability, 0.001) DESC, due_ms"
                    " LIMIT ?2) s JOIN pairs p ON p.id = s.pair_id");
    rows.bind(1, by.toMSecsSinceEpoch());
    rows.bind(2, limit);
    while (rows.next())
        due.append({{rows.bytes(0), rows.bytes(1)}, scheduleFrom(rows, 2)});
    if (rows.error().isValid())
        fail(rows.error());
    return due;
}

QList<QuestionItem> SqlLearningRecord::scheduledPairs()
{
    failure = {};
    QList<QuestionItem> pairs;
    if (!opened)
        return pairs;
    SqliteRows rows(database(), "SELECT p.question, p.answer FROM schedules s"
                                " JOIN pairs p ON p.id = s.pair_id");
    while (rows.next())
        pairs.append({rows.bytes(0), rows.bytes(1)});
    if (rows.error().isValid())
        fail(rows.error());
    return pairs;
}

qint64 SqlLearningRecord::pairsFirstMetSince(const QDateTime& since)
{
    failure = {};
    if (!opened)
        return 0;
    SqliteRows rows(database(), "SELECT count(*) FROM schedules WHERE first_ms >= ?");
    rows.bind(1, since.toMSecsSinceEpoch());
    const qint64 count = rows.next() ? rows.integer(0) : 0;
    if (rows.error().isValid())
        fail(rows.error());
    return count;
}

std::vector<AnswerTimingSample> SqlLearningRecord::correctTimings(InputMode mode)
{
    failure = {};
    return opened ? timingsOf(mode) : std::vector<AnswerTimingSample>();
}

std::vector<AnswerTimingSample> SqlLearningRecord::timingsOf(InputMode mode)
{
    std::vector<AnswerTimingSample> samples;
    SqliteRows rows(database(), "SELECT first_key_ms, match_ms, keys FROM reviews"
                                " WHERE outcome = 0 AND input_mode = ? AND first_key_ms IS NOT NULL"
                                " AND match_ms IS NOT NULL ORDER BY id DESC LIMIT ?");
    rows.bind(1, static_cast<int>(mode));
    rows.bind(2, ThresholdWindow);
    while (rows.next())
        samples.push_back({int(rows.integer(0)), int(rows.integer(1)), int(rows.integer(2))});
    if (rows.error().isValid())
        fail(rows.error());
    std::reverse(samples.begin(), samples.end());
    return samples;
}

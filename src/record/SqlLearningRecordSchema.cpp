// The record's schema and its numbered upgrades.

#include "record/SqlLearningRecord.h"

#include <QSqlQuery>
#include <QStringList>
#include <QVariant>

#include <array>

namespace {

// Each entry brings the schema from its index to the next version; entry 0 creates version 1.
// Upgrades are only ever appended.
// A result whose game has fewer answers stored than it counted: fewer questions than the game
// asked, or fewer correct answers than its result names. Its figures stay as the report showed
// them.
const QString AnswersMissing =
    QStringLiteral("UPDATE results SET answers_missing = 1 WHERE answers_missing = 0 AND %1"
                   " ((SELECT count(*) FROM outcomes o WHERE o.game_id = results.game_id)"
                   "   < results.questions_per_game"
                   "  OR (SELECT count(*) FROM outcomes o WHERE o.game_id = results.game_id"
                   "      AND o.correct_ticks IS NOT NULL) < results.correct_count)");

const std::array<QStringList, 4> Upgrades{{
    {
        QStringLiteral("CREATE TABLE files ("
                       " id INTEGER PRIMARY KEY,"
                       " path TEXT NOT NULL,"
                       " content_hash BLOB NOT NULL,"
                       " UNIQUE (path, content_hash))"),
        QStringLiteral("CREATE TABLE pairs ("
                       " id INTEGER PRIMARY KEY,"
                       " question BLOB NOT NULL,"
                       " answer BLOB NOT NULL,"
                       " misses INTEGER NOT NULL DEFAULT 0,"
                       " corrects INTEGER NOT NULL DEFAULT 0,"
                       " correct_ticks INTEGER NOT NULL DEFAULT 0,"
                       " fast_streak INTEGER NOT NULL DEFAULT 0,"
                       " in_notebook INTEGER NOT NULL DEFAULT 0,"
                       // in milliseconds since 1970 UTC: read for every row of the notebook
                       " last_miss_ms INTEGER,"
                       " last_timeout_typed BLOB,"
                       " UNIQUE (question, answer))"),
        QStringLiteral("CREATE INDEX pairs_in_notebook ON pairs (in_notebook) WHERE in_notebook"),
        QStringLiteral("CREATE TABLE games ("
                       " id INTEGER PRIMARY KEY,"
                       " file_id INTEGER NOT NULL REFERENCES files (id),"
                       " level INTEGER NOT NULL,"
                       " seconds_per_question INTEGER NOT NULL,"
                       " questions_per_game INTEGER NOT NULL,"
                       " review INTEGER NOT NULL,"
                       " started_at TEXT NOT NULL)"),
        // A game ended with 終わる has no row here.
        QStringLiteral("CREATE TABLE results ("
                       " game_id INTEGER PRIMARY KEY REFERENCES games (id),"
                       " finished_at TEXT NOT NULL,"
                       " seconds_per_question INTEGER NOT NULL,"
                       " questions_per_game INTEGER NOT NULL,"
                       " correct_count INTEGER NOT NULL,"
                       " correct_time_sum INTEGER NOT NULL,"
                       " answer_time_sum INTEGER NOT NULL,"
                       " standard_time TEXT NOT NULL,"
                       " average_correct_time TEXT NOT NULL,"
                       " average_input_time TEXT NOT NULL,"
                       " correct_rate TEXT NOT NULL)"),
        // correct_ticks is NULL at a time-out.
        QStringLiteral("CREATE TABLE outcomes ("
                       " id INTEGER PRIMARY KEY,"
                       " game_id INTEGER NOT NULL REFERENCES games (id),"
                       " pair_id INTEGER NOT NULL REFERENCES pairs (id),"
                       " at TEXT NOT NULL,"
                       " correct_ticks INTEGER,"
                       " typed BLOB)"),
        QStringLiteral("CREATE INDEX outcomes_by_game ON outcomes (game_id)"),
        QStringLiteral("CREATE INDEX outcomes_by_pair ON outcomes (pair_id)"),
    },
    // How each answer was typed, in milliseconds from its question; older answers have none.
    // Results that earlier versions stored without all their answers are marked.
    {
        QStringLiteral("ALTER TABLE outcomes ADD COLUMN first_key_ms INTEGER"),
        QStringLiteral("ALTER TABLE outcomes ADD COLUMN match_ms INTEGER"),
        QStringLiteral("ALTER TABLE outcomes ADD COLUMN keys INTEGER"),
        QStringLiteral("ALTER TABLE outcomes ADD COLUMN corrections INTEGER"),
        QStringLiteral("ALTER TABLE outcomes ADD COLUMN input_mode INTEGER"),
        QStringLiteral("ALTER TABLE results ADD COLUMN answers_missing INTEGER NOT NULL DEFAULT 0"),
        AnswersMissing.arg(QString()),
    },
    // The review log: every showing of a pair with its raw measures and the grade they earned,
    // only ever appended to, so that new thresholds or parameters are a replay and never a loss.
    // Past answers become its first lines, ungraded; the schedules are rebuilt from it when the
    // record next opens. outcome: 0 answered, 1 timed out, 2 the game ended on it, 3 shown.
    {
        QStringLiteral("CREATE TABLE reviews ("
                       " id INTEGER PRIMARY KEY,"
                       " pair_id INTEGER NOT NULL REFERENCES pairs (id),"
                       " game_id INTEGER REFERENCES games (id),"
                       " at_ms INTEGER NOT NULL,"
                       " outcome INTEGER NOT NULL,"
                       " first_key_ms INTEGER,"
                       " match_ms INTEGER,"
                       " keys INTEGER,"
                       " corrections INTEGER,"
                       " input_mode INTEGER,"
                       " limit_ms INTEGER,"
                       " grade INTEGER,"
                       // the pair's first showing in its game: only that one moves the schedule
                       " counted INTEGER NOT NULL)"),
        // What the schedules are replayed from, pair by pair in time, without reading the rows.
        QStringLiteral("CREATE INDEX reviews_by_pair ON reviews (pair_id, at_ms, counted, grade)"),
        // The lines still to grade, and the learner's latest correct answers in each mode.
        QStringLiteral("CREATE INDEX reviews_ungraded ON reviews (id) WHERE grade IS NULL"),
        QStringLiteral("CREATE INDEX reviews_paced ON reviews (input_mode, id) WHERE outcome = 0"
                       " AND first_key_ms IS NOT NULL AND match_ms IS NOT NULL"),
        QStringLiteral(
            "INSERT INTO reviews (pair_id, game_id, at_ms, outcome, first_key_ms, match_ms, keys,"
            " corrections, input_mode, limit_ms, counted)"
            " SELECT o.pair_id, o.game_id,"
            " CAST(round((julianday(o.at) - 2440587.5) * 86400000) AS INTEGER),"
            " o.correct_ticks IS NULL, o.first_key_ms, o.match_ms, o.keys, o.corrections,"
            " o.input_mode, g.seconds_per_question * 1000,"
            " row_number() OVER (PARTITION BY o.game_id, o.pair_id ORDER BY o.id) = 1"
            " FROM outcomes o JOIN games g ON g.id = o.game_id ORDER BY o.id"),
        QStringLiteral("CREATE TABLE schedules ("
                       " pair_id INTEGER PRIMARY KEY REFERENCES pairs (id),"
                       " state INTEGER NOT NULL,"
                       " step INTEGER NOT NULL,"
                       " stability REAL NOT NULL,"
                       " difficulty REAL NOT NULL,"
                       " due_ms INTEGER NOT NULL,"
                       " last_review_ms INTEGER NOT NULL,"
                       // the first review: today's review brings only so many new pairs a day
                       " first_ms INTEGER NOT NULL)"),
        QStringLiteral("CREATE INDEX schedules_by_due ON schedules (due_ms)"),
        QStringLiteral("CREATE TABLE record_state (name TEXT PRIMARY KEY, value)"),
        QStringLiteral("INSERT INTO record_state VALUES ('schedules_stale', 1)"),
    },
    // Which accepted answer was typed (0 the answer, 1 an alternative, 2 the reading; none at a
    // time-out and before this version), the pair's choice to be answered by its reading in a
    // review game, and the games whose questions were spoken instead of shown.
    {
        QStringLiteral("ALTER TABLE outcomes ADD COLUMN answered_by INTEGER"),
        QStringLiteral("ALTER TABLE pairs ADD COLUMN last_answered_by INTEGER"),
        QStringLiteral("ALTER TABLE pairs ADD COLUMN by_reading INTEGER NOT NULL DEFAULT 0"),
        QStringLiteral("ALTER TABLE games ADD COLUMN listening INTEGER NOT NULL DEFAULT 0"),
    },
}};

} // namespace

QString SqlLearningRecord::markAnswersMissing(std::optional<qint64> game)
{
    return AnswersMissing.arg(game ? QStringLiteral("game_id = %1 AND").arg(*game) : QString());
}

int SqlLearningRecord::schemaVersion()
{
    return static_cast<int>(Upgrades.size());
}

std::optional<int> SqlLearningRecord::storedVersion()
{
    QSqlQuery query(database());
    if (!exec(query, QStringLiteral("PRAGMA user_version")) || !query.next())
        return std::nullopt;
    return query.value(0).toInt();
}

bool SqlLearningRecord::upgradeSchema()
{
    const std::optional<int> stored = storedVersion();
    // A record written by a newer Tazune is left as it is.
    if (!stored || *stored > schemaVersion())
        return false;
    const int version = *stored;
    for (int step = version; step < schemaVersion(); ++step) {
        const bool upgraded = inTransaction([&] {
            QSqlQuery statement(database());
            for (const QString& sql : Upgrades[step]) {
                if (!exec(statement, sql))
                    return false;
            }
            return exec(statement, QStringLiteral("PRAGMA user_version=%1").arg(step + 1));
        });
        if (!upgraded)
            return false;
    }
    return true;
}

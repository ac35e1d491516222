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

const std::array<QStringList, 2> Upgrades{{
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

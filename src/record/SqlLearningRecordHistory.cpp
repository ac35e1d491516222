// The record's finished games, read for the results history and its exports.

#include "record/SqlLearningRecord.h"

#include <QSqlQuery>
#include <QVariant>

namespace {

// Stored times are UTC in ISO 8601 with milliseconds.
QDateTime storedTime(const QVariant& text)
{
    return QDateTime::fromString(text.toString(), Qt::ISODateWithMs);
}

// The filter's two conditions; a missing one matches every row.
const QString Filtered =
    QStringLiteral(" (:path IS NULL OR f.path = :path) AND (:level IS NULL OR g.level = :level)");

void bindFilter(QSqlQuery& query, const GameFilter& filter)
{
    query.bindValue(QStringLiteral(":path"), filter.filePath
                                                 ? QVariant(*filter.filePath)
                                                 : QVariant(QMetaType(QMetaType::QString)));
    query.bindValue(QStringLiteral(":level"),
                    filter.level ? QVariant(*filter.level) : QVariant(QMetaType(QMetaType::Int)));
}

} // namespace

QList<FinishedGame> SqlLearningRecord::finishedGames(const GameFilter& filter)
{
    QList<FinishedGame> games;
    failure = {};
    if (!opened)
        return games;
    QSqlQuery query(database());
    query.setForwardOnly(true);
    query.prepare(
        QStringLiteral("SELECT g.id, f.path, g.level, g.review, g.started_at, r.finished_at,"
                       " r.seconds_per_question, r.questions_per_game, r.correct_count,"
                       " r.correct_time_sum, r.answer_time_sum, r.standard_time,"
                       " r.average_correct_time, r.average_input_time, r.correct_rate,"
                       " r.answers_missing"
                       " FROM results r JOIN games g ON g.id = r.game_id"
                       " JOIN files f ON f.id = g.file_id WHERE") +
        Filtered + QStringLiteral(" ORDER BY r.finished_at, g.id"));
    bindFilter(query, filter);
    if (!exec(query))
        return games;
    while (query.next()) {
        FinishedGame game{query.value(0).toLongLong(), query.value(1).toString(),
                          query.value(2).toInt(),      query.value(3).toBool(),
                          storedTime(query.value(4)),  {}};
        game.result.finishedAt = storedTime(query.value(5));
        game.result.inputs = {query.value(6).toInt(), query.value(7).toInt(),
                              query.value(8).toInt(), query.value(9).toInt(),
                              query.value(10).toInt()};
        game.result.texts = {query.value(11).toString(), query.value(12).toString(),
                             query.value(13).toString(), query.value(14).toString()};
        game.answersMissing = query.value(15).toBool();
        games.append(std::move(game));
    }
    noteIfStopped(query);
    return games;
}

QList<GameTimeOut> SqlLearningRecord::timeOutsOf(const GameFilter& filter)
{
    QList<GameTimeOut> timeOuts;
    failure = {};
    if (!opened)
        return timeOuts;
    QSqlQuery query(database());
    query.setForwardOnly(true);
    query.prepare(QStringLiteral("SELECT o.game_id, p.question, p.answer, o.typed FROM outcomes o"
                                 " JOIN results r ON r.game_id = o.game_id"
                                 " JOIN games g ON g.id = o.game_id"
                                 " JOIN files f ON f.id = g.file_id"
                                 " JOIN pairs p ON p.id = o.pair_id"
                                 " WHERE o.correct_ticks IS NULL AND") +
                  Filtered + QStringLiteral(" ORDER BY o.game_id, o.id"));
    bindFilter(query, filter);
    if (!exec(query))
        return timeOuts;
    while (query.next()) {
        timeOuts.append({query.value(0).toLongLong(),
                         {query.value(1).toByteArray(), query.value(2).toByteArray()},
                         query.value(3).toByteArray()});
    }
    noteIfStopped(query);
    return timeOuts;
}

QStringList SqlLearningRecord::recordedFiles()
{
    QStringList paths;
    failure = {};
    if (!opened)
        return paths;
    QSqlQuery query(database());
    query.setForwardOnly(true);
    if (!exec(query, QStringLiteral("SELECT f.path FROM results r JOIN games g ON g.id = r.game_id"
                                    " JOIN files f ON f.id = g.file_id"
                                    " GROUP BY f.path ORDER BY min(g.id)")))
        return paths;
    while (query.next())
        paths.append(query.value(0).toString());
    noteIfStopped(query);
    return paths;
}

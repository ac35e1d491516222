#include "results/ClassMerge.h"

#include <QHash>
#include <QSet>

#include <algorithm>
#include <tuple>

namespace ClassMerge {

namespace {

using GroupKey = std::tuple<QString, QString, int>;

GroupKey keyOf(const ResultRow& row)
{
    return {row.learner, fileName(row.file), row.level};
}

QList<ResultRow> withoutRepeats(const QList<ResultRow>& results)
{
    QSet<QString> seen;
    QList<ResultRow> kept;
    for (const ResultRow& row : results) {
        const QString game = row.learner + u'\n' + row.file + u'\n' + QString::number(row.level) +
                             u'\n' + QString::number(row.startedAt.toMSecsSinceEpoch());
        if (!seen.contains(game)) {
            seen.insert(game);
            kept.append(row);
        }
    }
    return kept;
}

template <typename Figure>
std::optional<double> meanOf(const QList<const ResultRow*>& games, Figure figure)
{
    double sum = 0;
    int count = 0;
    for (const ResultRow* game : games) {
        bool ok = false;
        const double value = figure(*game).toDouble(&ok);
        if (ok) {
            sum += value;
            ++count;
        }
    }
    return count > 0 ? std::optional(sum / count) : std::nullopt;
}

ClassRow rowOf(const QList<const ResultRow*>& group)
{
    const ResultRow& first = *group.constFirst();
    ClassRow row;
    row.learner = first.learner;
    row.file = fileName(first.file);
    row.level = first.level;
    QList<const ResultRow*> games;
    row.firstPlayed = first.startedAt;
    row.lastPlayed = first.finishedAt;
    for (const ResultRow* game : group) {
        row.firstPlayed = std::min(row.firstPlayed, game->startedAt);
        row.lastPlayed = std::max(row.lastPlayed, game->finishedAt);
        if (game->review)
            ++row.reviewGames;
        else
            games.append(game);
    }
    row.games = int(games.size());
    const QList<const ResultRow*> earliest = games.first(std::min<qsizetype>(Window, games.size()));
    const QList<const ResultRow*> latest = games.last(std::min<qsizetype>(Window, games.size()));
    const auto rate = [](const ResultRow& game) { return game.figures.correctRate; };
    const auto time = [](const ResultRow& game) { return game.figures.averageCorrectTime; };
    row.firstCorrectRate = meanOf(earliest, rate);
    row.recentCorrectRate = meanOf(latest, rate);
    row.firstAverageCorrectTime = meanOf(earliest, time);
    row.recentAverageCorrectTime = meanOf(latest, time);
    return row;
}

QList<ClassMissedPair> missedOf(const QList<ResultRow>& results)
{
    QHash<QPair<QString, QString>, ClassMissedPair> pairs;
    QHash<QPair<QString, QString>, QSet<QString>> learners;
    for (const ResultRow& row : results) {
        for (const MissedText& missed : row.timeOuts) {
            const QPair<QString, QString> key{missed.question, missed.answer};
            ClassMissedPair& pair = pairs[key];
            pair.question = missed.question;
            pair.answer = missed.answer;
            ++pair.timeOuts;
            learners[key].insert(row.learner);
            pair.learners = int(learners[key].size());
        }
    }
    QList<ClassMissedPair> sorted = pairs.values();
    std::sort(sorted.begin(), sorted.end(), [](const ClassMissedPair& a, const ClassMissedPair& b) {
        return std::tuple(-a.timeOuts, -a.learners, a.question, a.answer) <
               std::tuple(-b.timeOuts, -b.learners, b.question, b.answer);
    });
    return sorted;
}

} // namespace

ClassTable merge(const QList<ResultRow>& results)
{
    QList<ResultRow> games = withoutRepeats(results);
    std::stable_sort(games.begin(), games.end(), [](const ResultRow& a, const ResultRow& b) {
        return a.finishedAt < b.finishedAt;
    });
    QMap<GroupKey, QList<const ResultRow*>> groups;
    for (const ResultRow& game : games)
        groups[keyOf(game)].append(&game);
    ClassTable table;
    for (const QList<const ResultRow*>& group : groups)
        table.rows.append(rowOf(group));
    table.missed = missedOf(games);
    return table;
}

QString fileName(const QString& path)
{
    const qsizetype slash = std::max(path.lastIndexOf(u'/'), path.lastIndexOf(u'\\'));
    return path.mid(slash + 1);
}

} // namespace ClassMerge

#pragma once

#include "results/ResultRow.h"

#include <QDateTime>
#include <QList>
#include <QString>

#include <optional>

// One learner's progress on one level of one question file.
struct ClassRow
{
    QString learner;
    QString file; // the file's name without its folder, the same on every learner's computer
    int level = 0;
    int games = 0; // review games left out: they draw only the learner's own misses
    int reviewGames = 0;
    QDateTime firstPlayed; // the start of the first game, review games included
    QDateTime lastPlayed;  // the end of the last
    // Means over the first and over the latest games (up to ClassMerge::Window each, the same
    // games when there are fewer than twice as many); nothing where no game has the figure.
    std::optional<double> firstCorrectRate;
    std::optional<double> recentCorrectRate;
    std::optional<double> firstAverageCorrectTime;
    std::optional<double> recentAverageCorrectTime;

    friend bool operator==(const ClassRow&, const ClassRow&) = default;
};

// A pair that ran out of time for some learner, over the whole class.
struct ClassMissedPair
{
    QString question;
    QString answer;
    int timeOuts = 0;
    int learners = 0; // how many learners it ran out of time for

    friend bool operator==(const ClassMissedPair&, const ClassMissedPair&) = default;
};

// Several learners' results tables as one: what the class table and the class report show.
struct ClassTable
{
    QList<ClassRow> rows;          // by learner, file and level
    QList<ClassMissedPair> missed; // most time-outs first, then most learners
};

namespace ClassMerge {

constexpr int Window = 10;

// A game found in two tables (the same learner, file, level and start) counts once.
ClassTable merge(const QList<ResultRow>& results);

// The name of a file as the class table shows it, from a path of any system.
QString fileName(const QString& path);

} // namespace ClassMerge

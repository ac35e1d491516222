#pragma once

#include "classroom/HandIn.h"

#include <QDateTime>
#include <QHash>
#include <QList>
#include <QString>

#include <utility>

// What changed in the hand-in folder since it was last read.
struct HandInScan
{
    QList<std::pair<QString, HandIn>> read;       // new or changed files, by name
    QList<std::pair<QString, QString>> malformed; // new or changed files refused, with why
    QStringList gone;                             // files read before that are no longer there
    bool reachable = true;

    bool isEmpty() const { return read.isEmpty() && malformed.isEmpty() && gone.isEmpty(); }
};

// The folder the pupils hand their games into, read for the board. Each scan lists the folder and
// reads only the files that are new or whose size or time changed since the last one; hidden
// files (a hand-in still being written) and other names than *.csv are passed over.
class HandInFolder
{
public:
    explicit HandInFolder(QString path) : path(std::move(path)) {}

    HandInScan scan();

    // A file as it was listed: changed when either differs.
    struct Seen
    {
        qint64 size = 0;
        qint64 modifiedMs = 0;

        friend bool operator==(const Seen&, const Seen&) = default;
    };

private:
    QString path;
    QHash<QString, Seen> seen;
};

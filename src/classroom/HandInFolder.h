#pragma once

#include "classroom/HandIn.h"
#include "platform/FolderFiles.h"

#include <QDateTime>
#include <QHash>
#include <QList>
#include <QString>

#include <utility>

// What changed in the hand-in folder since it was last read.
struct HandInScan
{
    QList<std::pair<QString, HandInSummary>> read; // new or changed files, by name
    QList<std::pair<QString, QString>> malformed;  // new or changed files refused, with why
    QStringList gone;                              // files read before that are no longer there
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

private:
    QString path;
    // Each file as it was last read: read again when its size or time differs.
    QHash<QString, FileStamp> seen;
};

#pragma once

#include "classroom/BoardModel.h"
#include "classroom/HandInFolder.h"

#include <QFileSystemWatcher>
#include <QObject>
#include <QTimer>

#include <chrono>

// Keeps the board up to date with the hand-in folder: a change notice rescans at once, and a
// poll rescans anyway, because a network share or a synced folder sends no notices. A rescan
// reads only the new and changed files.
class BoardWatcher : public QObject
{
    Q_OBJECT

public:
    static constexpr std::chrono::milliseconds DefaultPoll{5000};

    BoardWatcher(const QString& folder, BoardModel& board,
                 std::chrono::milliseconds poll = DefaultPoll, QObject* parent = nullptr);

    // Reads what changed into the board; the first call reads the whole folder.
    void rescan();

signals:
    // After every rescan; false while the folder cannot be reached.
    void scanned(bool reachable);

private:
    QString folderPath;
    HandInFolder folder;
    BoardModel& board;
    QFileSystemWatcher notices;
    QTimer poll;
};

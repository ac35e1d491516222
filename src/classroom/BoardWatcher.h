#pragma once

#include "classroom/BoardModel.h"
#include "classroom/HandInFolder.h"

#include <QFileSystemWatcher>
#include <QObject>
#include <QTimer>

#include <chrono>
#include <memory>

// Keeps the board up to date with the hand-in folder: a change notice rescans at once, and a
// poll rescans anyway, because a network share or a synced folder sends no notices. A rescan
// reads only the new and changed files, away from the window: a school's folder takes a second
// or more to read at first, and a share can stall on any file.
class BoardWatcher : public QObject
{
    Q_OBJECT

public:
    static constexpr std::chrono::milliseconds DefaultPoll{5000};

    BoardWatcher(const QString& folder, BoardModel& board,
                 std::chrono::milliseconds poll = DefaultPoll, QObject* parent = nullptr);

    // Reads what changed into the board, and says so by scanned; the first call reads the whole
    // folder. A call during a scan is answered by one more scan after it.
    void rescan();
    // Until the last scan asked for is back.
    bool isScanning() const { return scanning; }

signals:
    // After every rescan; false while the folder cannot be reached.
    void scanned(bool reachable);

private:
    void apply(const HandInScan& scan);

    QString folderPath;
    // Shared with a scan under way, which a share that stalls may keep long after the board
    // has closed: closing it does not wait.
    std::shared_ptr<HandInFolder> folder;
    BoardModel& board;
    QFileSystemWatcher notices;
    QTimer poll;
    bool scanning = false;
    bool scanAgain = false;
};

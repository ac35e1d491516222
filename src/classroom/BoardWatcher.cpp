#include "classroom/BoardWatcher.h"

BoardWatcher::BoardWatcher(const QString& folderPath, BoardModel& board,
                           std::chrono::milliseconds pollInterval, QObject* parent)
    : QObject(parent), folderPath(folderPath), folder(folderPath), board(board)
{
    notices.addPath(folderPath);
    connect(&notices, &QFileSystemWatcher::directoryChanged, this, &BoardWatcher::rescan);
    poll.setInterval(pollInterval);
    connect(&poll, &QTimer::timeout, this, &BoardWatcher::rescan);
    poll.start();
}

void BoardWatcher::rescan()
{
    const HandInScan scan = folder.scan();
    // A folder that was out of reach at the start is watched once it is back.
    if (scan.reachable && notices.directories().isEmpty())
        notices.addPath(folderPath);
    board.apply(scan);
    emit scanned(scan.reachable);
}

#include "classroom/BoardWatcher.h"

BoardWatcher::BoardWatcher(const QString& folderPath, BoardModel& board,
                           std::chrono::milliseconds pollInterval, QObject* parent)
    : QObject(parent), folderPath(folderPath), folder(folderPath), board(board)
{
    scanner.setMaxThreadCount(1);
    notices.addPath(folderPath);
    connect(&notices, &QFileSystemWatcher::directoryChanged, this, &BoardWatcher::rescan);
    poll.setInterval(pollInterval);
    connect(&poll, &QTimer::timeout, this, &BoardWatcher::rescan);
    poll.start();
}

BoardWatcher::~BoardWatcher()
{
    scanner.waitForDone();
}

void BoardWatcher::rescan()
{
    if (scanning) {
        scanAgain = true;
        return;
    }
    scanning = true;
    // The scan's result comes back to this thread as an event, which is dropped if the watcher
    // is gone by then.
    scanner.start([this] {
        HandInScan scan = folder.scan();
        QMetaObject::invokeMethod(
            this, [this, scan = std::move(scan)] { apply(scan); }, Qt::QueuedConnection);
    });
}

void BoardWatcher::apply(const HandInScan& scan)
{
    scanning = false;
    // A folder that was out of reach at the start is watched once it is back.
    if (scan.reachable && notices.directories().isEmpty())
        notices.addPath(folderPath);
    board.apply(scan);
    emit scanned(scan.reachable);
    if (scanAgain) {
        scanAgain = false;
        rescan();
    }
}

#include "classroom/BoardWatcher.h"

#include <QCoreApplication>
#include <QPointer>
#include <QThreadPool>

BoardWatcher::BoardWatcher(const QString& folderPath, BoardModel& board,
                           std::chrono::milliseconds pollInterval, QObject* parent)
    : QObject(parent), folderPath(folderPath), folder(std::make_shared<HandInFolder>(folderPath)),
      board(board)
{
    notices.addPath(folderPath);
    connect(&notices, &QFileSystemWatcher::directoryChanged, this, &BoardWatcher::rescan);
    poll.setInterval(pollInterval);
    connect(&poll, &QTimer::timeout, this, &BoardWatcher::rescan);
    poll.start();
}

void BoardWatcher::rescan()
{
    if (scanning) {
        scanAgain = true;
        return;
    }
    scanning = true;
    // The result is handed back on the application's thread, where the watcher is looked for:
    // it may have closed meanwhile, and the application too when it ends during a scan.
    QThreadPool::globalInstance()->start([folder = folder, watcher = QPointer(this)] {
        HandInScan scan = folder->scan();
        QCoreApplication* application = QCoreApplication::instance();
        if (!application)
            return;
        QMetaObject::invokeMethod(
            application,
            [watcher, scan = std::move(scan)] {
                if (watcher)
                    watcher->apply(scan);
            },
            Qt::QueuedConnection);
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

#pragma once

#include "record/RecordOpener.h"
#include "record/WriteQueue.h"

#include <QHash>
#include <QObject>
#include <QTimer>

class QThread;

// Stores the writes waiting in the queue, in order, on the thread it lives on, and owns
// everything that thread does with the record: opening it, reads, damage and the whole file's
// check. A held lock or a refused write is tried again after a growing pause from a timer, and a
// write that fails holds back those after it, so a stored result always has all its answers.
// Only setGameRunning() is called from another thread; the rest runs on its own.
class RecordWriter : public QObject
{
    Q_OBJECT

public:
    RecordWriter(LearningRecord& record, WriteQueue& waiting);
    // Waits for the whole file's check and lets go of the record's file.
    ~RecordWriter() override;

    RecordOpener& opener() { return recordOpener; }
    void setGameRunning(bool running) { recordOpener.setGameRunning(running); }

    // Opens the record the first time it is called, and stores what waits.
    void open();
    // Writes were handed over: stored now, unless a pause runs, which they then wait for.
    void wake();
    // Tries to store what waits at once; true when nothing waits any more.
    bool storeNow();

    void checkWholeFileWhenIdle();
    // Starts the check asked for once no game runs and the record is open.
    void startWholeFileCheck();

signals:
    // A message the user is to be told once.
    void told(const QString& message);
    void wholeFileChecked(bool sound);

private:
    void drain();
    bool store(const RecordWrite& write);
    void retryLater();
    void wholeFileCheckEnded(bool sound);

    RecordOpener recordOpener;
    WriteQueue& waiting;
    // The record's id of each game whose start is stored and whose end is not yet.
    QHash<qint64, qint64> storedGames;
    QTimer retryTimer;
    int retryPause;

    bool checkWanted = false;
    QThread* checking = nullptr;
};

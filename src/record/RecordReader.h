#pragma once

#include "record/RecordOpener.h"
#include "record/RecordQueries.h"

#include <functional>

// The record's read-only side, through the one opener the writes use too. Each read runs where
// the writes run and is waited for, so it sees every write stored before it.
class RecordReader : public RecordQueries
{
public:
    // Runs the work on the thread that writes the record and returns once it has run.
    using OnWriterThread = std::function<void(const std::function<void()>& work)>;

    RecordReader(RecordOpener& opener, OnWriterThread onWriterThread)
        : opener(opener), onWriterThread(std::move(onWriterThread))
    {}

    QList<NotebookEntry> notebook() override;
    QList<FinishedGame> finishedGames(const GameFilter& filter) override;
    QList<GameTimeOut> timeOutsOf(const GameFilter& filter) override;
    QStringList recordedFiles() override;
    DueSummary dueSummary(const QDateTime& by) override;
    QList<ScheduledPair> duePairs(const QDateTime& by, qsizetype limit) override;
    QList<QuestionItem> scheduledPairs() override;
    qint64 pairsFirstMetSince(const QDateTime& since) override;
    std::vector<AnswerTimingSample> correctTimings(InputMode mode) override;
    ReviewPlan reviewPlan(const QDateTime& now) override;

private:
    template <typename Rows, typename Read> Rows read(Read reading);
    // For the reads whose empty answer is no sign of failure.
    template <typename Value, typename Read> Value readValue(Read reading);

    RecordOpener& opener;
    OnWriterThread onWriterThread;
};

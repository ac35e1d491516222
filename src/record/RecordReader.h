#pragma once

#include "record/RecordOpener.h"
#include "record/RecordQueries.h"

// The record's read-only side, through the one opener the writes use too.
class RecordReader : public RecordQueries
{
public:
    explicit RecordReader(RecordOpener& opener) : opener(opener) {}

    QList<NotebookEntry> notebook() override;
    QList<FinishedGame> finishedGames(const GameFilter& filter) override;
    QList<GameTimeOut> timeOutsOf(const GameFilter& filter) override;
    QStringList recordedFiles() override;
    DueSummary dueSummary(const QDateTime& by) override;
    QList<ScheduledPair> duePairs(const QDateTime& by) override;
    QList<QuestionItem> scheduledPairs() override;
    qint64 pairsFirstMetSince(const QDateTime& since) override;
    std::vector<AnswerTimingSample> correctTimings(InputMode mode) override;

private:
    template <typename Rows, typename Read> Rows read(Read reading);
    // For the reads whose empty answer is no sign of failure.
    template <typename Value, typename Read> Value readValue(Read reading);

    RecordOpener& opener;
};

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

private:
    template <typename Rows, typename Read> Rows read(Read reading);

    RecordOpener& opener;
};

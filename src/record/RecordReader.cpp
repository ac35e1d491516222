#include "record/RecordReader.h"

// A read that meets damage tells the opener, which takes the record out of use.
template <typename Rows, typename Read> Rows RecordReader::read(Read reading)
{
    Rows rows;
    onWriterThread([&] {
        if (!opener.ready())
            return;
        rows = reading(opener.record());
        if (rows.isEmpty())
            opener.failed();
    });
    return rows;
}

QList<NotebookEntry> RecordReader::notebook()
{
    return read<QList<NotebookEntry>>([](LearningRecord& record) { return record.notebook(); });
}

QList<FinishedGame> RecordReader::finishedGames(const GameFilter& filter)
{
    return read<QList<FinishedGame>>(
        [&](LearningRecord& record) { return record.finishedGames(filter); });
}

QList<GameTimeOut> RecordReader::timeOutsOf(const GameFilter& filter)
{
    return read<QList<GameTimeOut>>(
        [&](LearningRecord& record) { return record.timeOutsOf(filter); });
}

QStringList RecordReader::recordedFiles()
{
    return read<QStringList>([](LearningRecord& record) { return record.recordedFiles(); });
}

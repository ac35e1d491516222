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

template <typename Value, typename Read> Value RecordReader::readValue(Read reading)
{
    Value value{};
    onWriterThread([&] {
        if (!opener.ready())
            return;
        value = reading(opener.record());
        opener.failed();
    });
    return value;
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

DueSummary RecordReader::dueSummary(const QDateTime& by)
{
    return readValue<DueSummary>([&](LearningRecord& record) { return record.dueSummary(by); });
}

QList<ScheduledPair> RecordReader::duePairs(const QDateTime& by, qsizetype limit)
{
    return readValue<QList<ScheduledPair>>(
        [&](LearningRecord& record) { return record.duePairs(by, limit); });
}

QList<QuestionItem> RecordReader::scheduledPairs()
{
    return readValue<QList<QuestionItem>>(
        [](LearningRecord& record) { return record.scheduledPairs(); });
}

qint64 RecordReader::pairsFirstMetSince(const QDateTime& since)
{
    return readValue<qint64>(
        [&](LearningRecord& record) { return record.pairsFirstMetSince(since); });
}

std::vector<AnswerTimingSample> RecordReader::correctTimings(InputMode mode)
{
    return readValue<std::vector<AnswerTimingSample>>(
        [&](LearningRecord& record) { return record.correctTimings(mode); });
}

ReviewPlan RecordReader::reviewPlan(const QDateTime& now)
{
    return readValue<ReviewPlan>([&](LearningRecord& record) { return record.reviewPlan(now); });
}

#include "proposal/ReadingChoice.h"

namespace {

// The readings in their order, with the first one an analyser read moved to the front.
QStringList analysersFirst(QStringList readings, const ReadingEvidence& evidence)
{
    for (qsizetype i = 0; i < readings.size(); ++i) {
        if (evidence.analyser.contains(readings[i]) ||
            evidence.secondAnalyser.contains(readings[i])) {
            readings.move(i, 0);
            break;
        }
    }
    return readings;
}

ReadingProposal fromDictionary(const ReadingEvidence& evidence)
{
    const bool several = evidence.commonInDictionary > 1 ||
                         (evidence.commonInDictionary == 0 && evidence.dictionary.size() > 1);
    if (!several)
        return {evidence.dictionary.first(), evidence.dictionary, ReadingDoubt::None};
    const QStringList readings = analysersFirst(evidence.dictionary, evidence);
    return {readings.first(), readings, ReadingDoubt::SeveralReadings};
}

ReadingProposal fromAnalysers(const ReadingEvidence& evidence)
{
    const QStringList& first = evidence.analyser;
    const QStringList& second = evidence.secondAnalyser;
    if (first.isEmpty() && second.isEmpty())
        return {{}, {}, ReadingDoubt::UnknownWord};
    if (first.size() > 1)
        return {first.first(), first, ReadingDoubt::SeveralReadings};
    if (first == second)
        return {first.first(), first, ReadingDoubt::None};
    QStringList readings = first;
    for (const QString& reading : second) {
        if (!readings.contains(reading))
            readings << reading;
    }
    return {readings.first(), readings, ReadingDoubt::AnalysersDisagree};
}

} // namespace

ReadingProposal chooseReading(const ReadingEvidence& evidence)
{
    return evidence.dictionary.isEmpty() ? fromAnalysers(evidence) : fromDictionary(evidence);
}

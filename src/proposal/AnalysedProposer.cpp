#include "proposal/AnalysedProposer.h"

#include "proposal/CounterReadings.h"
#include "proposal/KanaAnchors.h"
#include "proposal/KanaText.h"

#include <utility>

namespace {

// A text of many counters read two ways (七人 and 七人 and …) would otherwise double them each
// time; the teacher checks such a word anyway.
constexpr qsizetype MostReadings = 8;

void appendToEach(QStringList& readings, const QStringList& parts)
{
    QStringList longer;
    for (const QString& reading : std::as_const(readings)) {
        for (const QString& part : parts)
            longer << reading + part;
    }
    readings = longer.mid(0, MostReadings);
}

bool readPiece(Analyser& analyser, const QString& piece, QStringList& readings)
{
    if (piece.isEmpty())
        return true;
    const std::optional<QString> reading = analyser.read(piece);
    if (!reading)
        return false;
    appendToEach(readings, {*reading});
    return true;
}

QStringList fitting(const QString& word, const QStringList& readings)
{
    QStringList fit;
    for (const QString& reading : readings) {
        if (KanaAnchors::align(word, reading))
            fit << reading;
    }
    return fit;
}

// The readings of the word by one analyser, with the numbers and counters in it read from the
// counter table (more than one reading where a counter reads two ways); those that do not fit the
// word's kana are dropped.
QStringList readingsBy(Analyser& analyser, const QString& word)
{
    QStringList readings{QString()};
    qsizetype done = 0;
    for (const CounterReadings::Span& span : CounterReadings::find(word)) {
        if (!readPiece(analyser, word.mid(done, span.start - done), readings))
            return {};
        appendToEach(readings, span.readings);
        done = span.start + span.length;
    }
    if (!readPiece(analyser, word.mid(done), readings))
        return {};
    return fitting(word, readings);
}

} // namespace

AnalysedProposer::AnalysedProposer(WordDictionary dictionary, std::unique_ptr<Analyser> analyser,
                                   std::unique_ptr<Analyser> secondAnalyser)
    : dictionary(std::move(dictionary)), analyser(std::move(analyser)),
      secondAnalyser(std::move(secondAnalyser))
{}

ProposalBatch AnalysedProposer::propose(const QStringList& words)
{
    ProposalBatch batch;
    batch.proposals.reserve(std::size_t(words.size()));
    for (const QString& word : words)
        batch.proposals.push_back(proposeOne(word));
    return batch;
}

ReadingProposal AnalysedProposer::proposeOne(const QString& word)
{
    if (!KanaText::hasKanji(word)) {
        const QString reading = KanaText::toHiragana(word);
        return {reading, {reading}, ReadingDoubt::None};
    }
    return chooseReading(evidenceFor(word));
}

ReadingEvidence AnalysedProposer::evidenceFor(const QString& word)
{
    ReadingEvidence evidence;
    if (const std::optional<WordDictionary::Entry> entry = dictionary.find(word)) {
        evidence.dictionary = fitting(word, entry->readings);
        for (qsizetype i = 0; i < entry->common; ++i)
            evidence.commonInDictionary += evidence.dictionary.contains(entry->readings[i]);
    }
    evidence.analyser = readingsBy(*analyser, word);
    evidence.secondAnalyser = readingsBy(*secondAnalyser, word);
    return evidence;
}

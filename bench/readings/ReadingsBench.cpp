// Proposed readings against a word list of known readings (words.tsv: word, reading, kind):
// the share of unmarked readings that are right (at least 98.5%) and the share marked 要確認
// (at most 10%), printed before the timings; then 10,000 words proposed, to stay under 5 s,
// once by a proposer that first loads its module, analysers and dictionary, and once more by one
// that has.

#include "proposal/ProposalMessages.h"
#include "proposal/ProposerModule.h"

#include <QCoreApplication>
#include <QFile>

#include <benchmark/benchmark.h>

#include <cstdio>

namespace {

constexpr qsizetype ProposalCount = 10'000;

struct KnownWord
{
    QString word;
    QString reading;
};

QList<KnownWord> wordList()
{
    QFile file(QStringLiteral(TAZUNE_READINGS_WORD_LIST));
    QList<KnownWord> words;
    if (!file.open(QIODevice::ReadOnly))
        return words;
    for (const QByteArray& line : file.readAll().split('\n')) {
        const QList<QByteArray> fields = line.split('\t');
        if (fields.size() >= 2 && !line.startsWith('#'))
            words.append({QString::fromUtf8(fields[0]), QString::fromUtf8(fields[1])});
    }
    return words;
}

QStringList wordsOf(const QList<KnownWord>& known, qsizetype count)
{
    QStringList words;
    while (!known.isEmpty() && words.size() < count)
        words << known[words.size() % known.size()].word;
    return words;
}

ProposerModule makeProposer()
{
    return ProposerModule(QStringLiteral(TAZUNE_READINGS_MODULE_FILE), ReadingSources());
}

// The shares, each marked word and each wrong reading left unmarked, for the next engineer to
// look at.
bool printShares(ReadingProposer& proposer, const QList<KnownWord>& known)
{
    const ProposalBatch batch = proposer.propose(wordsOf(known, known.size()));
    if (batch.unavailable || batch.proposals.size() != std::size_t(known.size())) {
        std::fprintf(stderr, "the proposer is unavailable: %s\n",
                     qPrintable(batch.unavailable ? batch.unavailable->detail : QString()));
        return false;
    }
    qsizetype marked = 0;
    qsizetype right = 0;
    for (qsizetype i = 0; i < known.size(); ++i) {
        const ReadingProposal& proposal = batch.proposals[std::size_t(i)];
        if (proposal.needsCheck()) {
            ++marked;
            std::printf("marked: %s  %s (%s; known %s)\n", qPrintable(known[i].word),
                        qPrintable(proposal.readings.join(u'|')),
                        qPrintable(ProposalMessages::doubt(proposal.doubt, Language::English)),
                        qPrintable(known[i].reading));
            continue;
        }
        if (proposal.reading == known[i].reading)
            ++right;
        else
            std::printf("wrong, unmarked: %s  %s (known %s)\n", qPrintable(known[i].word),
                        qPrintable(proposal.reading), qPrintable(known[i].reading));
    }
    const qsizetype unmarked = known.size() - marked;
    std::printf("words: %lld; right among unmarked: %.2f%% (%lld of %lld); marked 要確認: "
                "%.2f%% (%lld)\n",
                qlonglong(known.size()), unmarked ? 100.0 * double(right) / double(unmarked) : 0.0,
                qlonglong(right), qlonglong(unmarked),
                100.0 * double(marked) / double(known.size()), qlonglong(marked));
    return true;
}

void BM_ProposeFromFirstUse(benchmark::State& state)
{
    const QStringList words = wordsOf(wordList(), ProposalCount);
    for (auto _ : state) {
        ProposerModule proposer = makeProposer();
        benchmark::DoNotOptimize(proposer.propose(words));
    }
}
BENCHMARK(BM_ProposeFromFirstUse)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_ProposeLoaded(benchmark::State& state)
{
    const QStringList words = wordsOf(wordList(), ProposalCount);
    ProposerModule proposer = makeProposer();
    proposer.propose({});
    for (auto _ : state)
        benchmark::DoNotOptimize(proposer.propose(words));
}
BENCHMARK(BM_ProposeLoaded)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    {
        ProposerModule proposer = makeProposer();
        if (!printShares(proposer, wordList()))
            return 1;
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

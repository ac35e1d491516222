#include "AnkiFixtures.h"
#include "import/AnkiPackageReader.h"
#include "import/DeckMapping.h"

#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

constexpr int NoteCount = 100'000;

// A teacher's package of 100,000 notes in five decks, the fields HTML as the other program
// keeps them, every tenth with furigana and a sound; stored as a current package: the zstd
// collection beside the dummy.
QByteArray bigPackage()
{
    AnkiFixtures::Collection collection;
    collection.schema = 18;
    collection.noteTypes.insert(1, {QStringLiteral("Basic"), {"Front", "Back"}});
    for (int deck = 0; deck < 5; ++deck)
        collection.decks.insert(deck + 10, QStringLiteral("日本語::第%1課").arg(deck + 1));
    collection.notes.reserve(NoteCount);
    for (int i = 0; i < NoteCount; ++i) {
        const QString number = QString::number(i);
        const QString front = i % 10 == 0
                                  ? QStringLiteral(" 今日[きょう]の<b>問題</b>%1[sound:q%1.mp3]")
                                  : QStringLiteral("<div>今日の問題%1</div>");
        collection.notes.append(
            {1,
             {front.arg(number), QStringLiteral("kyou no mondai&nbsp;") + number},
             QStringLiteral("n5 lesson%1").arg(i % 5),
             10 + i % 5});
    }
    return AnkiFixtures::zipOf(
        {{"collection.anki2", AnkiFixtures::dummyCollectionFile()},
         {"collection.anki21b", AnkiFixtures::zstdOf(AnkiFixtures::collectionFile(collection))}});
}

// From the package on disk to the bank, as the dialog's OK and tazune-data import do it.
void importPackage(benchmark::State& state)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("big.apkg"));
    {
        QFile file(path);
        file.open(QIODevice::WriteOnly);
        file.write(bigPackage());
    }
    int pairs = 0;
    for (auto _ : state) {
        const DeckResult read = readAnkiPackage(path, AnkiMarkup::LineBreaks::Space);
        if (read.error) {
            state.SkipWithError("the package did not import");
            return;
        }
        const MappedDeck mapped = mapDeck(read.deck, defaultMapping(read.deck, LevelSource::Deck));
        pairs = mapped.bank.Count(0) + mapped.bank.Count(1) + mapped.bank.Count(2);
        benchmark::DoNotOptimize(mapped.bank);
    }
    state.counters["pairs"] = pairs;
    state.counters["MB"] = double(QFile(path).size()) / 1e6;
}

} // namespace

BENCHMARK(importPackage)->Unit(benchmark::kMillisecond)->Iterations(3);

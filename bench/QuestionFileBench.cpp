#include "questions/QuestionFile.h"
#include "questions/TextCodec.h"

#include <QFileInfo>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

constexpr int ItemCount = 1'000'000;

// One file of a million items, about 30 MB, spread over the three levels: a Japanese question
// and a romaji answer with a running number, so no two items are alike. Written once per run
// through the program's own writer.
class MillionItemFile
{
public:
    MillionItemFile()
    {
        const QByteArray question = TextCodec::encode(QStringLiteral("問題")).value();
        QuestionBank bank;
        for (int i = 0; i < ItemCount; ++i) {
            const QByteArray number = QByteArray::number(i);
            bank.Add(i % QuestionBank::LevelCount, question + number, "mondai" + number);
        }
        path = dir.filePath("million.DAT");
        valid = dir.isValid() && QuestionFile::write(path, bank);
        size = QFileInfo(path).size();
    }

    QTemporaryDir dir;
    QString path;
    qint64 size = 0;
    bool valid = false;
};

const MillionItemFile& millionItemFile()
{
    static const MillionItemFile file;
    return file;
}

void readMillionItems(benchmark::State& state)
{
    const MillionItemFile& file = millionItemFile();
    if (!file.valid) {
        state.SkipWithError("could not write the question file");
        return;
    }
    QuestionBank bank;
    for (auto _ : state) {
        const auto outcome = QuestionFile::read(file.path, bank);
        if (!outcome) {
            state.SkipWithError("the question file did not load");
            return;
        }
        benchmark::DoNotOptimize(bank);
    }
    state.SetBytesProcessed(state.iterations() * file.size);
    state.counters["items"] = bank.Count(0) + bank.Count(1) + bank.Count(2);
    state.counters["MB"] = double(file.size) / 1e6;
}

} // namespace

BENCHMARK(readMillionItems)->Unit(benchmark::kMillisecond)->UseRealTime();

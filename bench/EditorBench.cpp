// The question editor with large files: refilling the list with a level of 100,000 pairs, and
// saving a bank of 1,000,000 pairs back to its file. Runs offscreen unless told otherwise.

#include "FakeFileDialog.h"
#include "FakeMessageBox.h"
#include "ScriptedReadingProposer.h"
#include "editor/EditorDocument.h"
#include "editor/TFrmDataMake.h"
#include "questions/QuestionFile.h"
#include "questions/TextCodec.h"

#include <QCoreApplication>
#include <QEvent>
#include <QFileInfo>
#include <QRadioButton>
#include <QTableView>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

// A Japanese question and a romaji answer with a running number, so no two pairs are alike.
QuestionBank numberedPairs(int count, int levels)
{
    const QByteArray question = TextCodec::encode(QStringLiteral("問題")).value();
    QuestionBank bank;
    for (int i = 0; i < count; ++i) {
        const QByteArray number = QByteArray::number(i);
        bank.Add(i % levels, question + number, "mondai" + number);
    }
    return bank;
}

// Counts the paints of the list, to show that each measured fill reached the screen.
class PaintCounter : public QObject
{
public:
    bool eventFilter(QObject*, QEvent* event) override
    {
        count += event->type() == QEvent::Paint;
        return false;
    }

    int count = 0;
};

// From the level switch to the rows on screen: the model reset, then the events it leaves behind
// (the view's layout and the paint, which reads the visible rows). Each fill starts from the empty
// second level, so the view meets the 100,000 rows anew every time.
void fillListWith100kPairs(benchmark::State& state)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("100k.DAT");
    if (!QuestionFile::write(path, numberedPairs(100'000, 1))) {
        state.SkipWithError("could not write the question file");
        return;
    }
    FakeFileDialog files;
    files.answers = {path};
    FakeMessageBox messages;
    ScriptedReadingProposer proposer;
    TFrmDataMake dialog(files, messages, proposer);
    dialog.show();
    dialog.Button2Click();
    QCoreApplication::processEvents();
    if (dialog.ListView1->model()->rowCount() != 100'000) {
        state.SkipWithError("the question file did not load");
        return;
    }
    PaintCounter paints;
    dialog.ListView1->viewport()->installEventFilter(&paints);
    for (auto _ : state) {
        state.PauseTiming();
        dialog.RadioGroup1Items[1]->click();
        QCoreApplication::processEvents();
        const int paintsBefore = paints.count;
        state.ResumeTiming();
        dialog.RadioGroup1Items[0]->click();
        QCoreApplication::processEvents();
        if (paints.count == paintsBefore || dialog.ListView1->rowAt(0) != 0) {
            state.SkipWithError("the rows did not reach the screen");
            return;
        }
    }
}

void saveMillionPairs(benchmark::State& state)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("million.DAT");
    EditorDocument document;
    if (!QuestionFile::write(path, numberedPairs(1'000'000, QuestionBank::LevelCount)) ||
        !document.load(path)) {
        state.SkipWithError("could not prepare the question file");
        return;
    }
    for (auto _ : state) {
        if (!document.save()) {
            state.SkipWithError("the save failed");
            return;
        }
    }
    state.counters["MB"] = double(QFileInfo(path).size()) / 1e6;
}

} // namespace

BENCHMARK(fillListWith100kPairs)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(saveMillionPairs)->Unit(benchmark::kMillisecond)->UseRealTime();

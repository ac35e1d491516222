#include "proposal/KanaAnchors.h"

#include "proposal/KanaText.h"

#include <vector>

namespace KanaAnchors {

namespace {

struct Run
{
    QString text; // an anchor in hiragana, or the kanji themselves
    bool kanji = false;
};

std::vector<Run> runsOf(QStringView word)
{
    std::vector<Run> runs;
    for (QChar c : word) {
        const bool kanji = KanaText::needsReading(c);
        if (runs.empty() || runs.back().kanji != kanji)
            runs.push_back({{}, kanji});
        runs.back().text += c;
    }
    for (Run& run : runs) {
        if (!run.kanji)
            run.text = KanaText::toHiragana(run.text);
    }
    return runs;
}

bool match(const std::vector<Run>& runs, std::size_t index, QStringView reading,
           QStringList& kanjiReadings)
{
    if (index == runs.size())
        return reading.isEmpty();
    const Run& run = runs[index];
    if (!run.kanji)
        return reading.startsWith(run.text) &&
               match(runs, index + 1, reading.mid(run.text.size()), kanjiReadings);
    for (qsizetype length = 1; length <= reading.size(); ++length) {
        kanjiReadings.append(reading.left(length).toString());
        if (match(runs, index + 1, reading.mid(length), kanjiReadings))
            return true;
        kanjiReadings.removeLast();
    }
    return false;
}

} // namespace

std::optional<QStringList> align(QStringView word, QStringView reading)
{
    QStringList kanjiReadings;
    if (!match(runsOf(word), 0, reading, kanjiReadings))
        return std::nullopt;
    return kanjiReadings;
}

} // namespace KanaAnchors

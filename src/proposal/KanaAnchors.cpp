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

// Each place a run may start at in the reading fails or succeeds the same way however it was
// reached: remembering the failures keeps words of many runs over a long reading from taking
// time that grows with the number of ways to cut it.
class Matcher
{
public:
    Matcher(const std::vector<Run>& runs, QStringView reading)
        : runs(runs), reading(reading), failed((runs.size() + 1) * std::size_t(reading.size() + 1))
    {}

    bool match(std::size_t index, qsizetype from, QStringList& kanjiReadings)
    {
        if (index == runs.size())
            return from == reading.size();
        std::vector<bool>::reference knownToFail =
            failed[index * std::size_t(reading.size() + 1) + std::size_t(from)];
        if (knownToFail)
            return false;
        if (matchRun(index, from, kanjiReadings))
            return true;
        knownToFail = true;
        return false;
    }

private:
    bool matchRun(std::size_t index, qsizetype from, QStringList& kanjiReadings)
    {
        const Run& run = runs[index];
        const QStringView rest = reading.mid(from);
        if (!run.kanji)
            return rest.startsWith(run.text) &&
                   match(index + 1, from + run.text.size(), kanjiReadings);
        for (qsizetype length = 1; length <= rest.size(); ++length) {
            kanjiReadings.append(rest.left(length).toString());
            if (match(index + 1, from + length, kanjiReadings))
                return true;
            kanjiReadings.removeLast();
        }
        return false;
    }

    const std::vector<Run>& runs;
    QStringView reading;
    std::vector<bool> failed;
};

} // namespace

std::optional<QStringList> align(QStringView word, QStringView reading)
{
    const std::vector<Run> runs = runsOf(word);
    QStringList kanjiReadings;
    if (!Matcher(runs, reading).match(0, 0, kanjiReadings))
        return std::nullopt;
    return kanjiReadings;
}

} // namespace KanaAnchors

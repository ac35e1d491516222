// Any text of a question file as the proposer reads it, the input's first line the word and the
// rest a reading: the numbers with counters found lie in the word in order, each with a reading;
// a reading that fits the word gives back, with the word's own kana between, the reading itself;
// lines of the word dictionary are read without fault.

#include "proposal/CounterReadings.h"
#include "proposal/KanaAnchors.h"
#include "proposal/KanaText.h"
#include "proposal/WordDictionary.h"

#include <cstdint>
#include <cstdlib>

namespace {

void checkCounters(const QString& word)
{
    qsizetype end = 0;
    for (const CounterReadings::Span& span : CounterReadings::find(word)) {
        if (span.start < end || span.length < 2 || span.start + span.length > word.size() ||
            span.readings.isEmpty())
            std::abort();
        end = span.start + span.length;
    }
}

// The word with each run of kanji and digits replaced by its reading, the rest in hiragana.
QString rebuilt(const QString& word, const QStringList& kanjiReadings)
{
    QString reading;
    QString anchor;
    qsizetype next = 0;
    for (qsizetype i = 0; i < word.size(); ++i) {
        if (!KanaText::needsReading(word[i])) {
            anchor += word[i];
            continue;
        }
        reading += KanaText::toHiragana(anchor);
        anchor.clear();
        if (i == 0 || !KanaText::needsReading(word[i - 1]))
            reading += kanjiReadings.value(next++);
    }
    return reading + KanaText::toHiragana(anchor);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
    const qsizetype lineEnd = text.indexOf(u'\n');
    const QString word = lineEnd < 0 ? text : text.left(lineEnd);
    const QString reading = lineEnd < 0 ? QString() : text.mid(lineEnd + 1);

    checkCounters(word);
    if (const std::optional<QStringList> aligned = KanaAnchors::align(word, reading)) {
        if (rebuilt(word, *aligned) != reading)
            std::abort();
    }
    WordDictionary::parse(text);
    return 0;
}

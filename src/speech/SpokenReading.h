#pragma once

#include "questions/QuestionItem.h"

#include <QByteArray>
#include <QString>

struct PairReading;

// Which text of a pair is spoken: the question, as it appears, or the answer, which the listening
// game asks the learner to type from what was heard.
enum class SpokenPart
{
    Question,
    Answer
};

// A text to speak and the reading a person confirmed for it; the synthesiser's own reading must
// agree with a confirmed one, or the reading is spoken instead.
struct SpeechLine
{
    QString text;
    QString confirmedReading;

    bool isEmpty() const { return text.isEmpty(); }
    friend bool operator==(const SpeechLine&, const SpeechLine&) = default;
};

namespace SpokenReading {

// The part of the pair to speak, with the pair's reading when it is confirmed and belongs to that
// part; a reading still to be checked is no reading here.
SpeechLine lineOf(const QuestionItem& pair, SpokenPart part, const PairReading* reading);

// The reading the synthesiser used, in hiragana, from the text analysis at the head of its trace;
// a word it found no reading for is taken as written.
QString fromTrace(const QByteArray& trace);

// A reading as two readings are compared: hiragana, a long-vowel mark as the vowel it lengthens,
// punctuation and spaces left out.
QString comparable(QStringView reading);

// What to give the synthesiser once it has read the line as traceReading: the text, or the
// confirmed reading when the two differ.
QString textToSpeak(const SpeechLine& line, const QString& traceReading);

} // namespace SpokenReading

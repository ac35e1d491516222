#pragma once

#include "questions/QuestionItem.h"
#include "readings/AnswerForm.h"
#include "readings/PairReading.h"
#include "readings/RubyText.h"

#include <QHash>

#include <optional>

class QuestionBank;
class ReadingsTable;

// What a game accepts for each pair of the loaded file: the answer itself, every alternative the
// companion file lists, and, when answering by reading, the reading. Pairs are found by their
// bytes, so a review game drawn from the record gets the loaded file's readings as well. Typed
// texts arrive as CP932, as the file's answers are, and are compared as bytes.
class AcceptedAnswers
{
public:
    // Only the pairs that have a reading or an alternative are kept.
    void setReadings(const QuestionBank& bank, const ReadingsTable& readings);
    void clear() { forms.clear(); }

    // Nothing for a pair without a reading or alternatives.
    const PairReading* readingOf(const QuestionItem& pair) const;
    std::optional<AnswerForm> match(const QuestionItem& pair, const QByteArray& typed,
                                    bool byReading) const;
    // The accepted answer a text that answered nothing was on its way to: the one it shares the
    // longest start with, the answer itself on a tie or when nothing was typed.
    struct Nearest
    {
        AnswerForm form = AnswerForm::Answer;
        QByteArray text; // CP932

        friend bool operator==(const Nearest&, const Nearest&) = default;
    };
    Nearest nearest(const QuestionItem& pair, const QByteArray& typed, bool byReading) const;
    // The question with its reading over it, when the reading belongs to the question and fits
    // its kana; empty otherwise.
    RubySegments questionRuby(const QuestionItem& pair) const;
    // What romaji keys are judged against: the answer, or its reading when answering by reading
    // and the answer holds characters that cannot be typed as romaji kana.
    QString romajiTarget(const QuestionItem& pair, bool byReading) const;

private:
    struct Forms
    {
        PairReading reading;
        QList<QByteArray> alternatives; // CP932, those that can be written so
        QByteArray readingBytes;        // CP932; empty when there is no reading
    };

    QHash<std::pair<QByteArray, QByteArray>, Forms> forms;
};

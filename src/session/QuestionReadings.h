#pragma once

#include "readings/AcceptedAnswers.h"
#include "readings/Furigana.h"
#include "readings/ReadingsCompanion.h"

#include <QSet>

class LearningRecord;
class RecordQueries;

// The loaded file's readings as a game uses them: which typed texts answer a pair, the reading
// over a question as the learner chose to see it, and what the companion file could not give.
class QuestionReadings
{
public:
    // The companion beside the question file just read into the bank; without one, nothing is
    // read or kept.
    void load(const QString& questionFile, const QuestionBank& bank);
    const QList<CompanionProblem>& problems() const { return loadProblems; }
    bool any() const { return hasReadings; }
    // By level and position in the bank; empty without a companion.
    const ReadingsTable& table() const { return readingsTable; }
    Furigana furiganaMode() const { return furigana; }

    void setFurigana(Furigana mode) { furigana = mode; }
    void setAnswerByReading(bool on) { byReading = on; }
    bool answerByReading() const { return byReading; }
    // Pairs answered by their reading as well whatever the setting, in the review game they were
    // chosen for; an empty list ends the choice.
    void setPairsByReading(const QList<QuestionItem>& pairs);
    // A pair heard and not seen may be answered by what was heard: its reading, whatever the
    // setting.
    void setHeard(bool on) { heard = on; }
    const AcceptedAnswers& accepted() const { return answers; }

    bool accepts(const QuestionItem& pair, const QByteArray& typed) const;
    // Nothing for a pair without a reading or alternatives.
    const PairReading* readingOf(const QuestionItem& pair) const { return answers.readingOf(pair); }
    std::optional<AnswerForm> formOf(const QuestionItem& pair, const QByteArray& typed) const;
    AcceptedAnswers::Nearest nearest(const QuestionItem& pair, const QByteArray& typed) const
    {
        return answers.nearest(pair, typed, byReadingFor(pair));
    }
    RubySegments rubyFor(const QuestionItem& pair) const;
    QString romajiTarget(const QuestionItem& pair) const;
    bool byReadingFor(const QuestionItem& pair) const;

    // A pair the learner missed wears its reading from then on, when that is the choice; the
    // notebook tells the pairs missed before, read once when first needed.
    void missed(const QuestionItem& pair);
    void rememberMissesFrom(RecordQueries& queries);

private:
    AcceptedAnswers answers;
    ReadingsTable readingsTable;
    QList<CompanionProblem> loadProblems;
    QSet<std::pair<QByteArray, QByteArray>> missedPairs;
    QSet<std::pair<QByteArray, QByteArray>> byReadingPairs;
    Furigana furigana = Furigana::Never;
    bool byReading = false;
    bool heard = false;
    bool hasReadings = false;
    bool notebookRead = false;
};

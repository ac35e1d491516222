#include "session/QuestionReadings.h"

#include "record/RecordQueries.h"

void QuestionReadings::load(const QString& questionFile, const QuestionBank& bank)
{
    const CompanionFile companion = ReadingsCompanion::read(questionFile);
    loadProblems = companion.problems;
    notebookRead = false;
    missedPairs.clear();
    hasReadings = companion.exists;
    if (!companion.exists) {
        answers.clear();
        readingsTable = {};
        return;
    }
    ReadingsCompanion::Matched matched = ReadingsCompanion::match(companion, bank);
    loadProblems += matched.orphans;
    answers.setReadings(bank, matched.readings);
    readingsTable = std::move(matched.readings);
}

bool QuestionReadings::accepts(const QuestionItem& pair, const QByteArray& typed,
                               bool alsoReading) const
{
    return answers.match(pair, typed, byReading || alsoReading).has_value();
}

std::optional<AnswerForm> QuestionReadings::formOf(const QuestionItem& pair,
                                                   const QByteArray& typed) const
{
    return answers.match(pair, typed, byReading);
}

RubySegments QuestionReadings::rubyFor(const QuestionItem& pair) const
{
    if (furigana == Furigana::Never ||
        (furigana == Furigana::AfterMiss && !missedPairs.contains({pair.question, pair.answer})))
        return {};
    return answers.questionRuby(pair);
}

QString QuestionReadings::romajiTarget(const QuestionItem& pair) const
{
    return answers.romajiTarget(pair, byReading);
}

void QuestionReadings::missed(const QuestionItem& pair)
{
    missedPairs.insert({pair.question, pair.answer});
}

void QuestionReadings::rememberMissesFrom(RecordQueries& queries)
{
    if (notebookRead || !hasReadings || furigana != Furigana::AfterMiss)
        return;
    notebookRead = true;
    for (const NotebookEntry& entry : queries.notebook())
        missed(entry.pair);
}

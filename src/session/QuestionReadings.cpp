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

bool QuestionReadings::accepts(const QuestionItem& pair, const QByteArray& typed) const
{
    return formOf(pair, typed).has_value();
}

std::optional<AnswerForm> QuestionReadings::formOf(const QuestionItem& pair,
                                                   const QByteArray& typed) const
{
    return answers.match(pair, typed, byReadingFor(pair));
}

bool QuestionReadings::byReadingFor(const QuestionItem& pair) const
{
    return byReading || heard || byReadingPairs.contains({pair.question, pair.answer});
}

void QuestionReadings::setPairsByReading(const QList<QuestionItem>& pairs)
{
    byReadingPairs.clear();
    for (const QuestionItem& pair : pairs)
        byReadingPairs.insert({pair.question, pair.answer});
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
    return answers.romajiTarget(pair, byReadingFor(pair));
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

#include "session/ShowingGrader.h"

#include <algorithm>

void ShowingGrader::startGame(const Pace& given, qint32 limit)
{
    pace = given;
    limitMs = limit;
    shown.clear();
    graded = {};
}

ReviewMark ShowingGrader::answered(const QuestionItem& pair, const AnswerTiming& timing)
{
    return mark(pair, ShowingEnd::Correct, timing);
}

ReviewMark ShowingGrader::timedOut(const QuestionItem& pair, const AnswerTiming& timing)
{
    return mark(pair, ShowingEnd::TimedOut, timing);
}

ReviewMark ShowingGrader::endedOn(const QuestionItem& pair, const AnswerTiming& timing)
{
    return mark(pair, ShowingEnd::GameEnded, timing);
}

ReviewMark ShowingGrader::mark(const QuestionItem& pair, ShowingEnd end, const AnswerTiming& timing)
{
    const auto milliseconds = [](qint64 value) {
        return static_cast<int>(std::clamp<qint64>(value, 0, std::numeric_limits<int>::max()));
    };
    TypedAnswer answer{
        end,         std::nullopt, milliseconds(timing.matchMs.value_or(0)), timing.corrections,
        timing.keys, limitMs};
    if (timing.firstKeyMs)
        answer.firstKeyMs = milliseconds(*timing.firstKeyMs);
    const Grade grade = gradeAnswer(answer, pace[static_cast<std::size_t>(timing.mode)]);
    const qsizetype before = shown.size();
    shown.insert({pair.question, pair.answer});
    const bool first = shown.size() > before;
    if (first)
        ++graded[static_cast<std::size_t>(grade) - 1];
    return {grade, first, false, limitMs};
}

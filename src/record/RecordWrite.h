#pragma once

#include "record/LearningRecord.h"

#include <variant>

// One write the recorder hands to the record's writer. Games are known by the recorder's own
// numbers; the writer finds the record's id of each as its start is stored.
namespace RecordWrites {

struct Start
{
    qint64 game;
    GameStart start;
};

struct Answer
{
    qint64 game;
    AnswerOutcome outcome;
};

// A reported game carries its result; one ended with 終わる carries none.
struct Finish
{
    qint64 game;
    std::optional<GameResult> result;
};

struct Removal
{
    QuestionItem pair;
};

struct ByReadingChoice
{
    QuestionItem pair;
    bool on = false;
};

struct Clearing
{};

// The schedules are worked out again from the review log with the record's scheduler as it is now.
struct Rescheduling
{};

} // namespace RecordWrites

using RecordWrite = std::variant<RecordWrites::Start, RecordWrites::Answer, RecordWrites::Finish,
                                 RecordWrites::Removal, RecordWrites::ByReadingChoice,
                                 RecordWrites::Clearing, RecordWrites::Rescheduling>;

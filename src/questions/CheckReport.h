#pragma once

#include "questions/QuestionBank.h"

#include <QList>

#include <array>

// What the program accepts without a word but a teacher will want to fix. Level and positions
// count from 0, as the bank does; the earlier position is the item the warning compares with.
struct CheckWarning
{
    enum class Kind
    {
        EmptyAnswer,
        DuplicateQuestion,
        DiffersByTrailingSpaces,
        // The answer holds a character under a second code of CP932 (an NEC or IBM row): the
        // program takes the typed character for it, other programs may not.
        AnswerWithSecondCode
    };

    Kind kind;
    int level = 0;
    int position = 0;
    int earlierPosition = -1;

    friend bool operator==(const CheckWarning&, const CheckWarning&) = default;
};

struct CheckReport
{
    std::array<int, QuestionBank::LevelCount> counts{};
    QList<CheckWarning> warnings;
};

// Questions are compared within their level; trailing half-width and full-width spaces are the
// only difference looked past.
CheckReport checkBank(const QuestionBank& bank);

#pragma once

#include "questions/QuestionBank.h"

#include <array>

// The two banks the save loop writes over one file in turn. Megabytes each, so that a kill at a
// random moment often lands while a file is being written; of different sizes, so that a file
// holding the start of one and the end of the other is told apart from both.
inline std::array<QuestionBank, 2> saveLoopBanks()
{
    std::array<QuestionBank, 2> banks;
    for (int i = 0; i < 40'000; ++i) {
        const QByteArray number = QByteArray::number(i);
        banks[0].Add(i % QuestionBank::LevelCount, "first question " + number, "one" + number);
        banks[1].Add(i % QuestionBank::LevelCount, "second, longer question " + number,
                     "two" + number);
    }
    return banks;
}

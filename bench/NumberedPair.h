#pragma once

#include "questions/QuestionItem.h"

// The i-th of a benchmark's many distinct pairs.
inline QuestionItem numberedPair(int i)
{
    return {"MONDAI" + QByteArray::number(i), "mondai" + QByteArray::number(i)};
}

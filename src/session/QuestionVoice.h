#pragma once

#include "questions/QuestionItem.h"

#include <optional>

// What the session tells whoever speaks its questions: a question appears, with the pair drawn
// to follow it, whose sound can be made while this one is answered. In the listening game the
// session holds the time bar until it is told that the speech ended.
class QuestionVoice
{
public:
    virtual ~QuestionVoice() = default;

    virtual void questionAppeared(const QuestionItem& pair,
                                  const std::optional<QuestionItem>& next) = 0;
};

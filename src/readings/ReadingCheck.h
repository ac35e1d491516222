#pragma once

#include "readings/PairReading.h"

#include <optional>

// What makes a reading unusable: a reading is spelled in kana only, and an alternative is an
// answer, so it has to be typed and compared as CP932 like the pair's own.
struct ReadingFault
{
    enum class Kind
    {
        ReadingNotKana,
        AlternativeNotCp932
    };

    Kind kind;
    QString text;      // the reading or the alternative
    QString character; // the first character at fault

    friend bool operator==(const ReadingFault&, const ReadingFault&) = default;
};

namespace ReadingCheck {

// The first fault, the reading looked at before the alternatives in their order.
std::optional<ReadingFault> faultOf(const PairReading& reading);

} // namespace ReadingCheck

#pragma once

#include "questions/QuestionItem.h"

#include <QString>

#include <optional>

// Turning what the user typed into the two byte texts of a pair. The file holds CP932, while an
// edit box takes any character; a text is taken whole or not at all, never with characters
// dropped or replaced.
namespace PairText {

QString unsavableMessage(const QString& character);

struct Encoded
{
    std::optional<QuestionItem> item;
    QString refusal; // the message to show when there is no item
};

// Both texts as CP932 bytes; or, when either holds a character CP932 cannot, the message naming
// the first such character, the question searched before the answer.
Encoded encode(const QString& question, const QString& answer);

} // namespace PairText

#include "record/AnswerDifference.h"

#include <algorithm>

AnswerDifference AnswerDifference::between(const QString& expected, const QString& typed)
{
    const qsizetype shorter = std::min(expected.size(), typed.size());
    qsizetype prefix = 0;
    while (prefix < shorter && expected[prefix] == typed[prefix])
        ++prefix;
    qsizetype suffix = 0;
    while (suffix < shorter - prefix &&
           expected[expected.size() - 1 - suffix] == typed[typed.size() - 1 - suffix])
        ++suffix;
    return {prefix, expected.size() - prefix - suffix, typed.size() - prefix - suffix};
}

QString AnswerDifference::marked(const QString& text, qsizetype start, qsizetype length)
{
    return text.left(start) + QStringLiteral("【") + text.mid(start, length) +
           QStringLiteral("】") + text.mid(start + length);
}

QString AnswerDifference::markedExpected(const QString& expected) const
{
    return none() ? expected : marked(expected, start, expectedLength);
}

QString AnswerDifference::markedTyped(const QString& typed) const
{
    return none() ? typed : marked(typed, start, typedLength);
}

#pragma once

#include <QString>

// Where a typed answer differs from the expected one: the stretch between their longest common
// beginning and their longest common end, which may be empty on one side (a character missing or
// extra).
struct AnswerDifference
{
    qsizetype start = 0;
    qsizetype expectedLength = 0;
    qsizetype typedLength = 0;

    static AnswerDifference between(const QString& expected, const QString& typed);

    bool none() const { return expectedLength == 0 && typedLength == 0; }

    // The text with its differing stretch in 【】, which a screen reader reads out as well; an
    // empty stretch shows as 【】 where the characters are missing.
    static QString marked(const QString& text, qsizetype start, qsizetype length);
    QString markedExpected(const QString& expected) const;
    QString markedTyped(const QString& typed) const;
};

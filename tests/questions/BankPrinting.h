#pragma once

#include "questions/QuestionBank.h"

#include <QTest>

#include <optional>

// Lets QCOMPARE show both sides of a failed comparison of items and banks as hex bytes.

inline char* toString(const QuestionItem& item)
{
    return QTest::toString(item.question.toHex(' ') + " / " + item.answer.toHex(' '));
}

inline char* toString(const std::optional<QuestionItem>& item)
{
    return item ? toString(*item) : qstrdup("no item");
}

inline char* toString(const QuestionBank& bank)
{
    QByteArray text;
    for (int level = 0; level < QuestionBank::LevelCount; ++level) {
        text += "level " + QByteArray::number(level) + ":";
        for (int position = 0; position < bank.Count(level); ++position) {
            const QuestionItem item = *bank.Item(level, position);
            text += " [" + item.question.toHex(' ') + " / " + item.answer.toHex(' ') + "]";
        }
        text += '\n';
    }
    return QTest::toString(text);
}

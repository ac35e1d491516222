#pragma once

#include <QStringView>

// A pair has one reading, for the one of its texts that needs it: the question when it holds
// kanji, else the answer when it does (a kana question asking for a kanji answer), else the
// question.
enum class ReadingTarget
{
    Question,
    Answer
};

ReadingTarget readingTarget(QStringView question, QStringView answer);

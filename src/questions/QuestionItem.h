#pragma once

#include <QByteArray>
#include <QByteArrayView>

// One question/answer pair. Both texts are CP932 bytes exactly as the question file holds them.
struct QuestionItem
{
    QByteArray question;
    QByteArray answer;

    friend bool operator==(const QuestionItem&, const QuestionItem&) = default;
};

// A pair read in place from the bank, without copying its texts; valid until its list next
// changes.
struct QuestionView
{
    QByteArrayView question;
    QByteArrayView answer;
};

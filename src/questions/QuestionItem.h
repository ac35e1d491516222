#pragma once

#include <QByteArray>

// One question/answer pair. Both texts are CP932 bytes exactly as the question file holds them.
struct QuestionItem
{
    QByteArray question;
    QByteArray answer;

    friend bool operator==(const QuestionItem&, const QuestionItem&) = default;
};

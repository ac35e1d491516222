#include "questions/PackedPairs.h"

#include <algorithm>

void PackedPairs::reserve(qsizetype pairs, qsizetype textBytes)
{
    texts.reserve(texts.size() + textBytes);
    ends.reserve(ends.size() + 2 * pairs);
}

void PackedPairs::clear()
{
    texts = {};
    ends = {};
}

void PackedPairs::append(QByteArrayView question, QByteArrayView answer)
{
    texts.insert(texts.end(), question.begin(), question.end());
    ends.push_back(qsizetype(texts.size()));
    texts.insert(texts.end(), answer.begin(), answer.end());
    ends.push_back(qsizetype(texts.size()));
}

void PackedPairs::replace(qsizetype position, QByteArrayView question, QByteArrayView answer)
{
    const qsizetype start = startOf(2 * position);
    const qsizetype oldEnd = ends[2 * position + 1];
    const qsizetype shift = question.size() + answer.size() - (oldEnd - start);
    // The texts after the pair move by the difference in length, and so do their ends.
    if (shift > 0)
        texts.insert(texts.begin() + oldEnd, shift, '\0');
    else
        texts.erase(texts.begin() + oldEnd + shift, texts.begin() + oldEnd);
    std::copy(question.begin(), question.end(), texts.begin() + start);
    std::copy(answer.begin(), answer.end(), texts.begin() + start + question.size());
    ends[2 * position] = start + question.size();
    ends[2 * position + 1] = oldEnd + shift;
    for (auto end = ends.begin() + 2 * position + 2; end != ends.end(); ++end)
        *end += shift;
}

void PackedPairs::remove(qsizetype position)
{
    const qsizetype start = startOf(2 * position);
    const qsizetype length = ends[2 * position + 1] - start;
    texts.erase(texts.begin() + start, texts.begin() + start + length);
    ends.erase(ends.begin() + 2 * position, ends.begin() + 2 * position + 2);
    for (auto end = ends.begin() + 2 * position; end != ends.end(); ++end)
        *end -= length;
}

QuestionView PackedPairs::at(qsizetype position) const
{
    const qsizetype questionStart = startOf(2 * position);
    const qsizetype answerStart = ends[2 * position];
    const char* base = texts.data();
    return {QByteArrayView(base + questionStart, answerStart - questionStart),
            QByteArrayView(base + answerStart, ends[2 * position + 1] - answerStart)};
}

#pragma once

#include "questions/QuestionItem.h"

#include <QByteArrayView>

#include <vector>

// One list of pairs packed into one buffer: the texts back to back in list order, and where each
// of them ends. A pair costs two offsets beyond its texts, where texts held one by one cost two
// heap blocks with their headers. The layout is canonical (no gaps, no spare texts), so equal
// lists compare equal member by member.
class PackedPairs
{
public:
    // Makes room up front, so that a list of known size is built without growing or copying.
    void reserve(qsizetype pairs, qsizetype textBytes);
    // Gives the memory back, unlike emptying a vector.
    void clear();
    // The texts must not be views into this list: the buffer may move as it grows.
    void append(QByteArrayView question, QByteArrayView answer);
    void replace(qsizetype position, QByteArrayView question, QByteArrayView answer);
    void remove(qsizetype position);

    qsizetype size() const { return qsizetype(ends.size() / 2); }
    // position must be below size().
    QuestionView at(qsizetype position) const;

    friend bool operator==(const PackedPairs&, const PackedPairs&) = default;

private:
    qsizetype startOf(qsizetype text) const { return text == 0 ? 0 : ends[text - 1]; }

    std::vector<char> texts;
    // ends[2 p] ends the question of pair p and ends[2 p + 1] its answer; every text starts where
    // the one before it ends.
    std::vector<qsizetype> ends;
};

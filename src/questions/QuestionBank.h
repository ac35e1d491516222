#pragma once

#include "questions/PackedPairs.h"
#include "questions/QuestionItem.h"

#include <array>
#include <optional>

// Three ordered lists of pairs, the levels 0 to 2 (see LevelNames). A position is valid only until
// its list next changes; out-of-range positions are refused and change nothing. Each list keeps
// its texts packed in one buffer, so a bank of a million pairs holds little beyond the texts.
class QuestionBank
{
public:
    static constexpr int LevelCount = 3;

    void Clear(int level);
    void ClearAll();
    // The texts are copied in; they must not be views into this bank.
    void Add(int level, QByteArrayView question, QByteArrayView answer);
    int Count(int level) const;
    std::optional<QuestionItem> Item(int level, int position) const;
    bool SetItem(int level, int position, QByteArrayView question, QByteArrayView answer);
    bool Delete(int level, int position);

    // Room for that many more pairs and text bytes in the level, for a reader that knows them.
    void reserve(int level, int pairs, qsizetype textBytes);
    // The pair in place; position must be below Count(level).
    QuestionView view(int level, int position) const;
    // The level's list in place; level must be one of the three.
    const PackedPairs& list(int level) const { return lists[level]; }

    friend bool operator==(const QuestionBank&, const QuestionBank&) = default;

private:
    bool holds(int level, int position) const;

    std::array<PackedPairs, LevelCount> lists;
};

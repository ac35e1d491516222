#pragma once

#include "questions/QuestionItem.h"

#include <array>
#include <optional>
#include <vector>

// Three ordered lists of pairs, the levels 0 to 2 (see LevelNames). A position is valid only until
// its list next changes; out-of-range positions are refused and change nothing.
class QuestionBank
{
public:
    static constexpr int LevelCount = 3;

    void Clear(int level);
    void ClearAll();
    void Add(int level, QByteArray question, QByteArray answer);
    int Count(int level) const;
    std::optional<QuestionItem> Item(int level, int position) const;
    bool SetItem(int level, int position, QByteArray question, QByteArray answer);
    bool Delete(int level, int position);

    const std::vector<QuestionItem>& items(int level) const;

    friend bool operator==(const QuestionBank&, const QuestionBank&) = default;

private:
    bool holds(int level, int position) const;

    std::array<std::vector<QuestionItem>, LevelCount> lists;
};

#include "questions/QuestionBank.h"

void QuestionBank::Clear(int level)
{
    lists.at(level).clear();
}

void QuestionBank::ClearAll()
{
    for (auto& list : lists)
        list.clear();
}

void QuestionBank::Add(int level, QByteArray question, QByteArray answer)
{
    lists.at(level).push_back({std::move(question), std::move(answer)});
}

int QuestionBank::Count(int level) const
{
    return static_cast<int>(lists.at(level).size());
}

std::optional<QuestionItem> QuestionBank::Item(int level, int position) const
{
    if (!holds(level, position))
        return std::nullopt;
    return lists[level][position];
}

bool QuestionBank::SetItem(int level, int position, QByteArray question, QByteArray answer)
{
    if (!holds(level, position))
        return false;
    lists[level][position] = {std::move(question), std::move(answer)};
    return true;
}

bool QuestionBank::Delete(int level, int position)
{
    if (!holds(level, position))
        return false;
    lists[level].erase(lists[level].begin() + position);
    return true;
}

const std::vector<QuestionItem>& QuestionBank::items(int level) const
{
    return lists.at(level);
}

bool QuestionBank::holds(int level, int position) const
{
    return level >= 0 && level < LevelCount && position >= 0 && position < Count(level);
}

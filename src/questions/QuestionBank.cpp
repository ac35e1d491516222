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

void QuestionBank::Add(int level, QByteArrayView question, QByteArrayView answer)
{
    lists.at(level).append(question, answer);
}

int QuestionBank::Count(int level) const
{
    return static_cast<int>(lists.at(level).size());
}

std::optional<QuestionItem> QuestionBank::Item(int level, int position) const
{
    if (!holds(level, position))
        return std::nullopt;
    const QuestionView pair = lists[level].at(position);
    return QuestionItem{pair.question.toByteArray(), pair.answer.toByteArray()};
}

bool QuestionBank::SetItem(int level, int position, QByteArrayView question, QByteArrayView answer)
{
    if (!holds(level, position))
        return false;
    lists[level].replace(position, question, answer);
    return true;
}

bool QuestionBank::Delete(int level, int position)
{
    if (!holds(level, position))
        return false;
    lists[level].remove(position);
    return true;
}

void QuestionBank::reserve(int level, int pairs, qsizetype textBytes)
{
    lists.at(level).reserve(pairs, textBytes);
}

QuestionView QuestionBank::view(int level, int position) const
{
    Q_ASSERT(holds(level, position));
    return lists[level].at(position);
}

bool QuestionBank::holds(int level, int position) const
{
    return level >= 0 && level < LevelCount && position >= 0 && position < Count(level);
}

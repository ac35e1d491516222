#pragma once

#include <QStringList>
#include <QStringView>

#include <vector>

// Numbers with a counter (三本, 二十日, 6匹, 一ヶ月), read with the counter's sound changes, which
// the analysers read one character at a time (いちほん for 一本). Numbers from 1 to 99 and 100,
// in kanji or in digits.
namespace CounterReadings {

struct Span
{
    qsizetype start = 0;
    qsizetype length = 0;
    // The usual reading first; more than one where both are said (七人 ななにん, しちにん).
    QStringList readings;
};

// Every number with a counter in the text, in order.
std::vector<Span> find(QStringView text);

} // namespace CounterReadings

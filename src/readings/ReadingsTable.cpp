#include "readings/ReadingsTable.h"

namespace {

constexpr qint32 NoSlot = -1;

} // namespace

ReadingsTable::ReadingsTable(const QuestionBank& bank)
{
    for (int level = 0; level < QuestionBank::LevelCount; ++level)
        slotOf[level].assign(std::size_t(bank.Count(level)), NoSlot);
}

int ReadingsTable::count(int level) const
{
    return int(slotOf.at(level).size());
}

bool ReadingsTable::holds(int level, int position) const
{
    return level >= 0 && level < QuestionBank::LevelCount && position >= 0 &&
           position < count(level);
}

PairReading ReadingsTable::reading(int level, int position) const
{
    const ReadingSlot* found = slot(level, position);
    return found ? found->reading : PairReading{};
}

const ReadingSlot* ReadingsTable::slot(int level, int position) const
{
    if (!holds(level, position))
        return nullptr;
    const qint32 index = slotOf[level][std::size_t(position)];
    return index == NoSlot ? nullptr : &stored[std::size_t(index)];
}

ReadingSlot& ReadingsTable::slotFor(int level, int position)
{
    qint32& index = slotOf[level][std::size_t(position)];
    if (index == NoSlot) {
        index = qint32(stored.size());
        stored.emplace_back();
    }
    return stored[std::size_t(index)];
}

void ReadingsTable::attach(int level, int position, PairReading reading, qsizetype sourceLine)
{
    if (!holds(level, position))
        return;
    slotFor(level, position) = {std::move(reading), sourceLine, false};
}

void ReadingsTable::setReading(int level, int position, PairReading reading)
{
    if (!holds(level, position) || (!slot(level, position) && reading.isEmpty()))
        return;
    ReadingSlot& changed = slotFor(level, position);
    changed.reading = std::move(reading);
    changed.edited = true;
}

void ReadingsTable::textChanged(int level, int position)
{
    if (!slot(level, position))
        return;
    ReadingSlot& changed = slotFor(level, position);
    changed.edited = true;
    if (!changed.reading.reading.isEmpty())
        changed.reading.needsCheck = true;
}

void ReadingsTable::append(int level)
{
    slotOf.at(level).push_back(NoSlot);
}

void ReadingsTable::remove(int level, int position)
{
    if (!holds(level, position))
        return;
    if (const ReadingSlot* gone = slot(level, position); gone && gone->sourceLine >= 0)
        released.insert(gone->sourceLine);
    slotOf[level].erase(slotOf[level].begin() + position);
}

bool ReadingsTable::hasReadings() const
{
    for (const auto& level : slotOf) {
        for (const qint32 index : level) {
            if (index != NoSlot && !stored[std::size_t(index)].reading.isEmpty())
                return true;
        }
    }
    return false;
}

QHash<qsizetype, PairPlace> ReadingsTable::linkedLines() const
{
    QHash<qsizetype, PairPlace> lines;
    for (int level = 0; level < QuestionBank::LevelCount; ++level) {
        for (int position = 0; position < count(level); ++position) {
            const ReadingSlot* linked = slot(level, position);
            if (linked && linked->sourceLine >= 0)
                lines.insert(linked->sourceLine, {level, position});
        }
    }
    return lines;
}

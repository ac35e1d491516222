#pragma once

#include "questions/QuestionBank.h"
#include "readings/PairReading.h"

#include <QHash>
#include <QSet>

#include <array>
#include <vector>

// A pair's reading with where it came from: the companion file's line it was read from (or -1),
// and whether that line has to be written anew.
struct ReadingSlot
{
    PairReading reading;
    qsizetype sourceLine = -1;
    bool edited = false;
};

struct PairPlace
{
    int level = 0;
    int position = 0;

    friend bool operator==(const PairPlace&, const PairPlace&) = default;
};

// The readings of a bank's pairs by level and position, kept in step with the bank by making the
// same appends and removals. Most pairs have no reading, so a pair costs one index until it gets
// one.
class ReadingsTable
{
public:
    ReadingsTable() = default;
    // As many pairs as the bank holds, none with a reading.
    explicit ReadingsTable(const QuestionBank& bank);

    int count(int level) const;
    // Empty for a pair without one, or for a place outside the table.
    PairReading reading(int level, int position) const;
    // Nothing for a pair that never had a reading.
    const ReadingSlot* slot(int level, int position) const;

    // A reading as the companion's line holds it: written back as that line while unchanged.
    void attach(int level, int position, PairReading reading, qsizetype sourceLine);
    // A reading the user gave: its line is written anew.
    void setReading(int level, int position, PairReading reading);
    // The pair's texts changed under its reading, which may no longer fit them: it waits for a
    // person's check again.
    void textChanged(int level, int position);
    void append(int level);
    // The pair is gone, and so is its line in the companion.
    void remove(int level, int position);

    bool hasReadings() const;
    // Lines that belonged to pairs since removed.
    bool isReleased(qsizetype sourceLine) const { return released.contains(sourceLine); }
    // Every pair read from a line, by that line.
    QHash<qsizetype, PairPlace> linkedLines() const;

private:
    bool holds(int level, int position) const;
    ReadingSlot& slotFor(int level, int position);

    std::array<std::vector<qint32>, QuestionBank::LevelCount> slotOf;
    std::vector<ReadingSlot> stored;
    QSet<qsizetype> released;
};

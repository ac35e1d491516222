#include "record/ReviewGame.h"

#include "record/NotebookRule.h"

#include <QHash>

#include <algorithm>
#include <optional>
#include <vector>

namespace {

quint64 pairHash(QByteArrayView question, QByteArrayView answer)
{
    return qHashMulti(QHashSeed::globalSeed(), question, answer);
}

// The notebook's entries by their pair, in one flat table of positions: over 100,000 pairs the
// node a QHash allocates for each costs more than the rest of the lookup. Part of each pair's hash
// is kept beside its position, so a probe reads the pair's texts only when that part matches.
class PairIndex
{
public:
    explicit PairIndex(const QList<NotebookEntry>& notebook) : notebook(notebook)
    {
        std::size_t capacity = 16;
        while (capacity < 2 * static_cast<std::size_t>(notebook.size()))
            capacity *= 2;
        table.assign(capacity, {});
        mask = capacity - 1;
        for (qsizetype k = 0; k < notebook.size(); ++k) {
            const quint64 hash = pairHash(notebook[k].pair.question, notebook[k].pair.answer);
            std::size_t at = hash & mask;
            while (table[at].entry)
                at = (at + 1) & mask;
            table[at] = {static_cast<quint32>(hash >> 32), static_cast<quint32>(k + 1)};
        }
    }

    // The pair's position in the notebook; nothing when it is not there.
    std::optional<qsizetype> find(QuestionView pair) const
    {
        const quint64 hash = pairHash(pair.question, pair.answer);
        for (std::size_t at = hash & mask; table[at].entry; at = (at + 1) & mask) {
            if (table[at].check != static_cast<quint32>(hash >> 32))
                continue;
            const qsizetype k = table[at].entry - 1;
            if (notebook[k].pair.question == pair.question &&
                notebook[k].pair.answer == pair.answer)
                return k;
        }
        return std::nullopt;
    }

private:
    struct Slot
    {
        quint32 check = 0;
        quint32 entry = 0; // the position plus one; 0 for an empty slot
    };

    const QList<NotebookEntry>& notebook;
    std::vector<Slot> table;
    std::size_t mask = 0;
};

// The notebook's entries found in the bank's levels from first to last (one level or all).
ReviewGame::LevelEntries collect(const QuestionBank& bank, int first, int last,
                                 const QList<NotebookEntry>& notebook)
{
    ReviewGame::LevelEntries found;
    const PairIndex byPair(notebook);
    // A pair the file holds twice in a level is shown once there.
    std::vector<int> takenIn(notebook.size(), -1);
    for (int level = first; level <= last; ++level) {
        found[level].reserve(std::min<qsizetype>(notebook.size(), bank.Count(level)));
        for (int position = 0; position < bank.Count(level); ++position) {
            const std::optional<qsizetype> at = byPair.find(bank.view(level, position));
            if (at && takenIn[*at] != level) {
                takenIn[*at] = level;
                found[level].append(notebook[*at]);
            }
        }
    }
    return found;
}

} // namespace

namespace ReviewGame {

QList<NotebookEntry> entriesOf(const QuestionBank& bank, int level,
                               const QList<NotebookEntry>& notebook)
{
    if (level < 0 || level >= QuestionBank::LevelCount)
        return {};
    return collect(bank, level, level, notebook)[level];
}

LevelEntries entriesByLevel(const QuestionBank& bank, const QList<NotebookEntry>& notebook)
{
    return collect(bank, 0, QuestionBank::LevelCount - 1, notebook);
}

PackedPairs weightedList(const QList<NotebookEntry>& entries, const QDateTime& now)
{
    PackedPairs list;
    for (const NotebookEntry& entry : entries) {
        for (int n = NotebookRule::reviewWeight(entry.progress, now); n > 0; --n)
            list.append(entry.pair.question, entry.pair.answer);
    }
    return list;
}

QList<QuestionItem> chosenByReading(const QList<NotebookEntry>& entries)
{
    QList<QuestionItem> chosen;
    for (const NotebookEntry& entry : entries) {
        if (entry.progress.answerByReading)
            chosen.append(entry.pair);
    }
    return chosen;
}

} // namespace ReviewGame

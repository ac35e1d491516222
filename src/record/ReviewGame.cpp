#include "record/ReviewGame.h"

#include "record/NotebookRule.h"

#include <QHash>

#include <algorithm>
#include <vector>

namespace {

// A pair's two texts seen in place, so that the bank's pairs are looked up without a copy.
struct PairKey
{
    QByteArrayView question;
    QByteArrayView answer;

    friend bool operator==(const PairKey&, const PairKey&) = default;
};

size_t qHash(const PairKey& key, size_t seed = 0)
{
    return qHashMulti(seed, key.question, key.answer);
}

// The notebook's entries found in the bank's levels from first to last (one level or all).
ReviewGame::LevelEntries collect(const QuestionBank& bank, int first, int last,
                                 const QList<NotebookEntry>& notebook)
{
    ReviewGame::LevelEntries found;
    QHash<PairKey, qsizetype> byPair;
    byPair.reserve(notebook.size());
    for (qsizetype k = 0; k < notebook.size(); ++k)
        byPair.insert({notebook[k].pair.question, notebook[k].pair.answer}, k);
    // A pair the file holds twice in a level is shown once there.
    std::vector<int> takenIn(notebook.size(), -1);
    for (int level = first; level <= last; ++level) {
        found[level].reserve(std::min<qsizetype>(notebook.size(), bank.Count(level)));
        for (int position = 0; position < bank.Count(level); ++position) {
            const QuestionView item = bank.view(level, position);
            const auto at = byPair.constFind({item.question, item.answer});
            if (at != byPair.cend() && takenIn[*at] != level) {
                takenIn[*at] = level;
                found[level].append(notebook[*at]);
            }
        }
    }
    return found;
}

} // namespace

QList<NotebookEntry> ReviewGame::entriesOf(const QuestionBank& bank, int level,
                                           const QList<NotebookEntry>& notebook)
{
    if (level < 0 || level >= QuestionBank::LevelCount)
        return {};
    return collect(bank, level, level, notebook)[level];
}

ReviewGame::LevelEntries ReviewGame::entriesByLevel(const QuestionBank& bank,
                                                    const QList<NotebookEntry>& notebook)
{
    return collect(bank, 0, QuestionBank::LevelCount - 1, notebook);
}

QuestionBank ReviewGame::weightedBank(const QList<NotebookEntry>& entries, int level,
                                      const QDateTime& now)
{
    QuestionBank bank;
    for (const NotebookEntry& entry : entries) {
        for (int n = NotebookRule::reviewWeight(entry.progress, now); n > 0; --n)
            bank.Add(level, entry.pair.question, entry.pair.answer);
    }
    return bank;
}

bool ReviewGame::begin(QuestionBank& bank, int level, const QList<NotebookEntry>& notebook,
                       const QDateTime& now)
{
    const QList<NotebookEntry> entries = entriesOf(bank, level, notebook);
    if (entries.isEmpty())
        return false;
    if (!loaded)
        loaded = bank;
    bank = weightedBank(entries, level, now);
    return true;
}

void ReviewGame::end(QuestionBank& bank)
{
    if (!loaded)
        return;
    bank = std::move(*loaded);
    loaded.reset();
}

#include "record/ReviewGame.h"

#include "record/NotebookRule.h"

#include <QHash>
#include <QSet>

namespace {

// The question's length keeps "ab" + "c" apart from "a" + "bc".
QByteArray keyOf(const QuestionItem& pair)
{
    return QByteArray::number(pair.question.size()) + ':' + pair.question + pair.answer;
}

} // namespace

QList<NotebookEntry> ReviewGame::entriesOf(const QuestionBank& bank, int level,
                                           const QList<NotebookEntry>& notebook)
{
    QHash<QByteArray, const NotebookEntry*> byPair;
    for (const NotebookEntry& entry : notebook)
        byPair.insert(keyOf(entry.pair), &entry);
    QList<NotebookEntry> entries;
    if (level < 0 || level >= QuestionBank::LevelCount)
        return entries;
    QSet<QByteArray> taken;
    for (const QuestionItem& item : bank.items(level)) {
        const QByteArray key = keyOf(item);
        if (const NotebookEntry* entry = byPair.value(key); entry && !taken.contains(key)) {
            taken.insert(key);
            entries.append(*entry);
        }
    }
    return entries;
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

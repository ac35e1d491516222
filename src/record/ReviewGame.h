#pragma once

#include "questions/QuestionBank.h"
#include "record/LearningRecord.h"

#include <array>
#include <optional>

// A review game plays the loaded file's notebook pairs of one level, each as often as its review
// weight (NotebookRule), in the drill's usual way: for the game's length the bank's level holds
// the weighted pairs in place of the file's, and the file's lists come back when the game ends.
class ReviewGame
{
public:
    // The pairs of the bank's level that are in the notebook, in the bank's order, each once.
    static QList<NotebookEntry> entriesOf(const QuestionBank& bank, int level,
                                          const QList<NotebookEntry>& notebook);
    using LevelEntries = std::array<QList<NotebookEntry>, QuestionBank::LevelCount>;
    // The same for all three levels at once, looking the notebook up only once.
    static LevelEntries entriesByLevel(const QuestionBank& bank,
                                       const QList<NotebookEntry>& notebook);
    static QuestionBank weightedBank(const QList<NotebookEntry>& entries, int level,
                                     const QDateTime& now);

    bool active() const { return loaded.has_value(); }
    // False, with the bank untouched, when the level has no pair in the notebook.
    bool begin(QuestionBank& bank, int level, const QList<NotebookEntry>& notebook,
               const QDateTime& now);
    // Puts the file's lists back; nothing when no review is active.
    void end(QuestionBank& bank);

private:
    std::optional<QuestionBank> loaded;
};

#pragma once

#include "questions/QuestionBank.h"
#include "record/LearningRecord.h"

#include <array>

// A review game plays the loaded file's notebook pairs of one level, each as often as its review
// weight (NotebookRule), in the drill's usual way, from a list of its own beside the file's.
namespace ReviewGame {

// The pairs of the bank's level that are in the notebook, in the bank's order, each once.
QList<NotebookEntry> entriesOf(const QuestionBank& bank, int level,
                               const QList<NotebookEntry>& notebook);
using LevelEntries = std::array<QList<NotebookEntry>, QuestionBank::LevelCount>;
// The same for all three levels at once, looking the notebook up only once.
LevelEntries entriesByLevel(const QuestionBank& bank, const QList<NotebookEntry>& notebook);
// The list a review game draws from: every entry as many times as its weight.
PackedPairs weightedList(const QList<NotebookEntry>& entries, const QDateTime& now);
// The entries the learner chose to answer by their reading.
QList<QuestionItem> chosenByReading(const QList<NotebookEntry>& entries);

} // namespace ReviewGame

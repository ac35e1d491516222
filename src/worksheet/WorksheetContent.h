#pragma once

#include "platform/RandomSource.h"
#include "questions/QuestionBank.h"
#include "readings/ReadingsTable.h"
#include "readings/RubyText.h"

#include <QList>
#include <QString>

// What a printed worksheet holds: a file's questions of one level, each with the readings above
// it as the teacher chose, to be answered on paper.
enum class WorksheetFurigana
{
    None,
    Always,
    // Only over the questions of pairs the learner missed, as the mistake notebook holds them.
    AfterMistakes
};

struct WorksheetOptions
{
    int level = 0;
    WorksheetFurigana furigana = WorksheetFurigana::None;
    // Drawn at random when fewer than the level holds; 0 for every question in the file's order.
    int count = 0;
    // The pairs of the mistake notebook, for AfterMistakes.
    QList<QuestionItem> missed;
};

struct WorksheetContent
{
    QString fileName;
    int level = 0;
    // The questions in the order printed, numbered from 1; a question without readings shown is
    // one bare piece.
    QList<RubySegments> questions;
};

namespace WorksheetContents {

WorksheetContent make(const QString& fileName, const QuestionBank& bank,
                      const ReadingsTable& readings, const WorksheetOptions& options,
                      RandomSource& random);

// The question with its reading above it: over its pieces where the reading fits them, else over
// the whole text. Bare when the reading belongs to the answer or there is none.
RubySegments withFurigana(const QString& question, const QString& answer,
                          const PairReading& reading);

} // namespace WorksheetContents

#pragma once

#include "questions/QuestionFile.h"
#include "readings/ReadingsTable.h"

// A question file made anew from something else (a table, a deck) with the readings that came
// with it. The companion is written first and both take their places together; a companion left
// from a file that was there before is replaced too, so that its readings never meet pairs they
// were not written for.
namespace NewQuestionFile {

QuestionFile::WriteOutcome write(const QString& path, const QuestionBank& bank,
                                 const ReadingsTable& readings);

} // namespace NewQuestionFile

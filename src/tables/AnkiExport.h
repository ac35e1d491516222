#pragma once

#include "questions/QuestionBank.h"
#include "tables/TableExport.h"

#include <QString>

// A question file as a text file the other flash-card program imports: UTF-8, header lines that
// name the separator, the note type and the deck column, then one note per pair with the
// question on the front and the answer on the back, in a deck per level inside `deck`
// ("<deck>::<level name>"). Fields holding a tab, a line break or a quote are quoted.
ExportResult exportAnkiText(const QuestionBank& bank, const QString& deck);

#pragma once

#include "questions/QuestionBank.h"
#include "readings/ReadingsTable.h"
#include "tables/TableExport.h"

#include <QString>

// A question file as a text file the other flash-card program imports: UTF-8, header lines that
// name the separator, the note type and the deck column, then one note per pair with the
// question on the front and the answer on the back, in a deck per level inside `deck`
// ("<deck>::<level name>"). Fields holding a tab, a line break or a quote are quoted. The text a
// pair's reading belongs to carries it as furigana, 食[た]べ 物[もの], when the reading fits the
// text piece by piece; otherwise the text goes plain.
ExportResult exportAnkiText(const QuestionBank& bank, const QString& deck,
                            const ReadingsTable& readings = ReadingsTable());

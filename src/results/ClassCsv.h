#pragma once

#include "results/ClassMerge.h"
#include "results/CsvText.h"

// The class table and its most missed pairs as two RFC 4180 tables, each with one header line.
namespace ClassCsv {

CsvText::Encoded classTable(const ClassTable& table, CsvText::Encoding encoding);
CsvText::Encoded missedPairs(const ClassTable& table, CsvText::Encoding encoding);

} // namespace ClassCsv

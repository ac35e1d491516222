#pragma once

#include "results/ClassMerge.h"
#include "results/CsvText.h"

// The class table and its most missed pairs as two RFC 4180 tables, each with one header line.
namespace ClassCsv {

CsvText::Encoded classTable(const ClassTable& table, CsvText::Encoding encoding);
CsvText::Encoded missedPairs(const ClassTable& table, CsvText::Encoding encoding);

// A row's means and changes as the class table writes them, also for the class report: rates to a
// tenth of a percent point, times to a thousandth; empty where there is none.
QString rateText(std::optional<double> rate);
QString timeText(std::optional<double> time);
// The latest games' mean less the first games'.
std::optional<double> change(std::optional<double> first, std::optional<double> recent);

} // namespace ClassCsv

#pragma once

#include "results/ClassMerge.h"

#include <QByteArray>
#include <QDate>

class QPagedPaintDevice;

// The class table on A4 paper, as many pages as it takes, each numbered: a title with the day it
// was made, one block per learner, file and level with that learner's progress, and the pairs
// most missed across the class with their answers. Painted on Qt Gui alone, so that tazune-data
// can write it without a window.
namespace ClassReport {

// The most missed pairs the report lists; the --missed table has them all.
inline constexpr int MissedPairs = 20;

void paint(QPagedPaintDevice& device, const ClassTable& table, const QDate& madeOn);

// The report as the bytes of a PDF file.
QByteArray pdf(const ClassTable& table, const QDate& madeOn);

} // namespace ClassReport

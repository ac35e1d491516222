#pragma once

#include "record/LearningRecord.h"
#include "results/MostMissed.h"

#include <QDate>

class QPagedPaintDevice;

// What the one-page report of a file and level shows.
struct ResultsReportContent
{
    QString learnerName;
    QString filePath;
    int level = 0;
    QDate printedOn;
    QList<FinishedGame> games; // oldest first
    QList<MissedPair> mostMissed;
};

// The learner's results on one A4 page: who, which file and level, when printed, the summary
// line, the chart, the last games and the pairs most often missed with their answers.
namespace ResultsReport {

// As many of the last games as the page has room for beside the chart and the missed pairs.
inline constexpr int TableGames = 15;

void paint(QPagedPaintDevice& device, const ResultsReportContent& content);

// The report as a PDF file, replacing the file at path only once all of it is written.
bool writePdf(const QString& path, const ResultsReportContent& content);

} // namespace ResultsReport

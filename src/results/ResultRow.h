#pragma once

#include "drill/ReportFigures.h"

#include <QDateTime>
#include <QList>
#include <QString>

// A question that ran out of time, as text: decoded from the record's bytes, or read back from a
// results table.
struct MissedText
{
    QString question;
    QString answer;

    friend bool operator==(const MissedText&, const MissedText&) = default;
};

// The report's four figures as numbers without their full-width suffixes; empty where the report
// showed "-".
struct ResultFigures
{
    QString standardTime;
    QString averageCorrectTime;
    QString averageInputTime;
    QString correctRate;

    friend bool operator==(const ResultFigures&, const ResultFigures&) = default;
};

// One finished game of one learner: a line of the results table.
struct ResultRow
{
    QString learner;
    QString file;
    int level = 0;
    QDateTime startedAt;
    QDateTime finishedAt;
    bool review = false;
    ReportInputs inputs;
    ResultFigures figures;
    QList<MissedText> timeOuts;

    friend bool operator==(const ResultRow&, const ResultRow&) = default;
};

#pragma once

#include "record/LearningRecord.h"
#include "results/CsvText.h"
#include "results/ResultRow.h"

#include <QList>
#include <QStringList>
#include <QStringView>

#include <optional>

// The table of a learner's finished games that a spreadsheet opens and a teacher merges: one
// header line, then one line per game, oldest first.
namespace ResultsCsv {

// The header line's fields, in column order.
const QStringList& columns();

// The record's games as the table's rows, each with its own time-outs.
QList<ResultRow> rowsOf(const QString& learner, const QList<FinishedGame>& games,
                        const QList<GameTimeOut>& timeOuts);

// The report's texts as the table's numbers: without their suffixes, empty for "-".
ResultFigures figuresOf(const ReportTexts& texts);

// One row's fields as the table writes them.
QStringList fieldsOf(const ResultRow& row);

CsvText::Encoded write(const QList<ResultRow>& rows, CsvText::Encoding encoding);

// Ticks of 100 ms as seconds, exactly: 215 is "21.5", 1000 is "100".
QString secondsText(qint64 ticks);
// Seconds as secondsText writes them (a sign, digits, at most one decimal) in ticks; nothing for
// any other text or beyond 18 digits.
std::optional<qint64> ticksOf(QStringView text);
// A time as local time with its offset, to the second: 2026-03-01T21:00:00+09:00.
QString timeText(const QDateTime& time);
// A level's name, or its number from 1 for a level the program has no name for.
QString levelText(int level);

} // namespace ResultsCsv

#pragma once

#include "datatool/CommandLine.h"

#include <QIODevice>

#include <functional>

// Where a run writes: an exported table or a report to out, messages to err, as UTF-8 text; an
// exported table keeps its own encoding.
struct Console
{
    QIODevice& out;
    QIODevice& err;
    Language language;
};

// A worksheet as the bytes of a PDF file: painted on Qt Gui, which only the tool's program links.
using WorksheetPdf = std::function<QByteArray(const WorksheetContent&)>;

ExitCode run(const Request& request, const Console& console, const WorksheetPdf& worksheetPdf);

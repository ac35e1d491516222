#pragma once

#include "datatool/CommandLine.h"

#include <QIODevice>

// Where a run writes: an exported table or a report to out, messages to err, as UTF-8 text; an
// exported table keeps its own encoding.
struct Console
{
    QIODevice& out;
    QIODevice& err;
    Language language;
};

ExitCode run(const Request& request, const Console& console);

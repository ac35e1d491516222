#pragma once

#include "datatool/CommandLine.h"

// Whether the command line is a results command: its first word that is no option is "results".
bool isResultsCommandLine(const QStringList& arguments);

// Whether the command line asks merge for the class report, which alone needs fonts and so a
// QGuiApplication; told before the application, and so the parser's translations, exists.
bool asksForClassReport(const QStringList& arguments);

CommandLineOutcome parseResultsCommandLine(const QStringList& arguments, Language language);

#pragma once

#include "datatool/CommandLine.h"

// Whether the command line is a results command: its first word that is no option is "results".
bool isResultsCommandLine(const QStringList& arguments);

CommandLineOutcome parseResultsCommandLine(const QStringList& arguments, Language language);

#pragma once

#include "datatool/CommandLine.h"

// Whether the command line is a readings command: its first word that is no option is "readings".
bool isReadingsCommandLine(const QStringList& arguments);

CommandLineOutcome parseReadingsCommandLine(const QStringList& arguments, Language language);

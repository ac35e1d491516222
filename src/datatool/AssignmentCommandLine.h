#pragma once

#include "datatool/CommandLine.h"

// Whether the command line is an assignment command: its first word that is no option is
// "assignment".
bool isAssignmentCommandLine(const QStringList& arguments);

CommandLineOutcome parseAssignmentCommandLine(const QStringList& arguments, Language language);

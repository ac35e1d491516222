#pragma once

#include "datatool/CommandLine.h"

// Whether the command line is a schedule command: its first word that is no option is "schedule".
bool isScheduleCommandLine(const QStringList& arguments);

CommandLineOutcome parseScheduleCommandLine(const QStringList& arguments, Language language);

#pragma once

#include "datatool/AssignmentRequest.h"
#include "datatool/CommandLine.h"
#include "datatool/Commands.h"

#include <functional>

// tazune-data assignment new: checks the question file, then writes the assignment.
ExitCode runAssignment(const AssignmentRequest& request, const Console& console,
                       const std::function<quint64()>& newSeed);

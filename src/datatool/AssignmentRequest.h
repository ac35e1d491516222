#pragma once

#include "classroom/Assignment.h"

#include <QString>

#include <optional>

// A run of tazune-data assignment new, as the command line asks for it.
struct AssignmentRequest
{
    QString questionFile;
    QString output;
    // What the command line sets; the seed is drawn afresh when none is given.
    Assignment assignment;
    std::optional<quint64> seed;
    // Carry a copy of the question file inside the assignment.
    bool embed = false;
    bool force = false;
};

#pragma once

#include "schedule/SchedulerParameters.h"

#include <QString>

// A run of tazune-data schedule replay, as the command line asks for it.
struct ScheduleRequest
{
    QString log;
    SchedulerParameters parameters;
};

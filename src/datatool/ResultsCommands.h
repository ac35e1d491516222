#pragma once

#include "datatool/Commands.h"
#include "datatool/ResultsRequest.h"
#include "platform/SettingsBackend.h"
#include "record/LearningRecord.h"

#include <functional>
#include <memory>

// What results export reads outside the process: the record, opened read only so that the
// program can go on writing it, and the stored settings.
struct ResultsSources
{
    std::function<std::unique_ptr<LearningRecord>(const QString& path)> readOnlyRecord;
    QString defaultRecord;
    SettingsBackend& settings;
};

ExitCode runResults(const ResultsRequest& request, const Console& console,
                    const ResultsSources& sources);

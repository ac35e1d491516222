#pragma once

#include "datatool/Commands.h"
#include "datatool/ResultsRequest.h"
#include "platform/SettingsBackend.h"
#include "record/LearningRecord.h"
#include "results/ClassMerge.h"

#include <functional>
#include <memory>

// What the results commands reach outside the process: for export the record, opened read only
// so that the program can go on writing it, and the stored settings; for merge the painter of the
// class report, which needs Qt Gui where the rest of the commands need Qt Core only.
struct ResultsSources
{
    std::function<std::unique_ptr<LearningRecord>(const QString& path)> readOnlyRecord;
    QString defaultRecord;
    SettingsBackend& settings;
    std::function<QByteArray(const ClassTable& table)> classReport;
};

ExitCode runResults(const ResultsRequest& request, const Console& console,
                    const ResultsSources& sources);

#pragma once

#include "language/Language.h"
#include "schedule/ReviewReplay.h"
#include "schedule/SchedulerParameters.h"

#include <QString>

// Why a setting of the scheduler or a line of a review log was refused, in the user's language.
namespace ScheduleMessages {

QString describe(const ParameterProblem& problem, Language language);
QString describe(const ReplayProblem& problem, Language language);
QString linesSkipped(std::size_t replayed, std::size_t skipped, Language language);
QString nothingReplayed(Language language);

} // namespace ScheduleMessages

#pragma once

#include <QtGlobal>

// The two drill settings and their defaults, also used when no value is stored.
namespace DrillSettings {

constexpr qint32 DefaultSeconds = 20;
constexpr qint32 DefaultQuestions = 10;

} // namespace DrillSettings

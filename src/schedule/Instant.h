#pragma once

#include <chrono>

// A moment in UTC, to the millisecond, as the record keeps the time of each answer.
using Instant = std::chrono::sys_time<std::chrono::milliseconds>;

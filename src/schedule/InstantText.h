#pragma once

#include "schedule/Instant.h"

#include <optional>
#include <string>
#include <string_view>

// An instant as ISO 8601 with its offset ("2025-04-01T09:30:00Z", "2025-04-01T18:30:00.250+09:00")
// or as milliseconds since 1970-01-01 UTC, years 1970 to 9999. A time without an offset names no
// instant and is refused.
std::optional<Instant> parseInstant(std::string_view text);

// "2025-04-01T09:30:00Z", with ".250" before the Z when there are milliseconds.
std::string instantText(Instant instant);

#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace baralune::interchange {

// A moment as the local time of a clock `utcOffsetSeconds` from UTC, in ISO 8601 with
// milliseconds and the offset: 2026-03-14T21:05:09.250+01:00. An offset of odd seconds is
// written to the minute, the local time with it, so the moment itself stays exact.
std::string FormatDealt(std::int64_t msecsSinceEpoch, int utcOffsetSeconds);

struct Moment {
  std::int64_t msecsSinceEpoch = 0;
  int utcOffsetSeconds = 0;
};
// Reads yyyy-MM-ddTHH:mm:ss, an optional fraction of a second (milliseconds kept), and Z or
// +HH:mm / -HH:mm up to 14 hours. Years 1 to 9999; no day a month lacks; nothing else.
std::optional<Moment> ParseDealt(std::string_view text);

// A date of birth as the main window's lists give it: yyyy-MM-dd with a month 01..12 and a day
// 01..31 (the lists allow 31 February), or empty where none was given.
bool IsBirthDate(std::string_view text);

}  // namespace baralune::interchange

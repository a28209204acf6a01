#include "iso_time.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>

namespace baralune::interchange {

namespace {

using namespace std::chrono;

constexpr int kMaxOffsetSeconds = 14 * 3600;
// 0001-01-01T00:00:00Z and 9999-12-31T23:59:59.999Z, the moments the file can carry.
constexpr std::int64_t kFirstMsecs = -62'135'596'800'000;
constexpr std::int64_t kLastMsecs = 253'402'300'799'999;

// The digits at `text[at, at + count)` as a number, or -1 if any is not a digit.
int Digits(std::string_view text, std::size_t at, std::size_t count) {
  if (at + count > text.size()) return -1;
  int value = 0;
  for (std::size_t i = at; i < at + count; ++i) {
    if (text[i] < '0' || text[i] > '9') return -1;
    value = value * 10 + (text[i] - '0');
  }
  return value;
}

}  // namespace

std::string FormatDealt(std::int64_t msecsSinceEpoch, int utcOffsetSeconds) {
  // A damaged journal may hold any number: kept within the calendar, never overflowing.
  msecsSinceEpoch = std::clamp(msecsSinceEpoch, kFirstMsecs, kLastMsecs);
  const int offset = std::clamp(utcOffsetSeconds, -kMaxOffsetSeconds, kMaxOffsetSeconds) / 60 * 60;
  const sys_time<milliseconds> local{milliseconds(msecsSinceEpoch) + seconds(offset)};
  const sys_days day = floor<days>(local);
  const year_month_day date(day);
  const hh_mm_ss time(local - day);
  const int offsetMinutes = std::abs(offset) / 60;
  char text[48];
  std::snprintf(text, sizeof text, "%04d-%02u-%02uT%02d:%02d:%02d.%03d%c%02d:%02d",
                static_cast<int>(date.year()), static_cast<unsigned>(date.month()),
                static_cast<unsigned>(date.day()), static_cast<int>(time.hours().count()),
                static_cast<int>(time.minutes().count()), static_cast<int>(time.seconds().count()),
                static_cast<int>(time.subseconds().count()), offset < 0 ? '-' : '+',
                offsetMinutes / 60, offsetMinutes % 60);
  return text;
}

std::optional<Moment> ParseDealt(std::string_view text) {
  // yyyy-MM-ddTHH:mm:ss is 19 characters.
  if (text.size() < 20 || text[4] != '-' || text[7] != '-' || text[10] != 'T' || text[13] != ':' ||
      text[16] != ':') {
    return std::nullopt;
  }
  const int y = Digits(text, 0, 4), mo = Digits(text, 5, 2), d = Digits(text, 8, 2);
  const int h = Digits(text, 11, 2), mi = Digits(text, 14, 2), s = Digits(text, 17, 2);
  if (y < 1 || mo < 0 || d < 0 || h < 0 || h > 23 || mi < 0 || mi > 59 || s < 0 || s > 59) {
    return std::nullopt;
  }
  const year_month_day date{year(y), month(static_cast<unsigned>(mo)),
                            day(static_cast<unsigned>(d))};
  if (!date.ok()) return std::nullopt;

  std::size_t at = 19;
  int msecs = 0;
  if (text[at] == '.') {
    const std::size_t first = ++at;
    while (at < text.size() && text[at] >= '0' && text[at] <= '9') {
      if (at - first < 3) msecs = msecs * 10 + (text[at] - '0');
      ++at;
    }
    const std::size_t count = at - first;
    if (count == 0 || count > 9) return std::nullopt;
    for (std::size_t i = count; i < 3; ++i) msecs *= 10;
  }

  int offset = 0;
  if (at < text.size() && text[at] == 'Z') {
    ++at;
  } else if (at < text.size() && (text[at] == '+' || text[at] == '-')) {
    const int oh = Digits(text, at + 1, 2), om = Digits(text, at + 4, 2);
    if (oh < 0 || om < 0 || om > 59 || at + 3 >= text.size() || text[at + 3] != ':') {
      return std::nullopt;
    }
    offset = (oh * 60 + om) * 60 * (text[at] == '-' ? -1 : 1);
    if (std::abs(offset) > kMaxOffsetSeconds) return std::nullopt;
    at += 6;
  } else {
    return std::nullopt;
  }
  if (at != text.size()) return std::nullopt;

  const sys_time<milliseconds> local =
      sys_days(date) + hours(h) + minutes(mi) + seconds(s) + milliseconds(msecs);
  return Moment{(local - seconds(offset)).time_since_epoch().count(), offset};
}

bool IsBirthDate(std::string_view text) {
  if (text.empty()) return true;
  if (text.size() != 10 || text[4] != '-' || text[7] != '-') return false;
  const int y = Digits(text, 0, 4), m = Digits(text, 5, 2), d = Digits(text, 8, 2);
  return y >= 0 && m >= 1 && m <= 12 && d >= 1 && d <= 31;
}

}  // namespace baralune::interchange

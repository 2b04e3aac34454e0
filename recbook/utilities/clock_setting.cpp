#include "utilities/clock_setting.h"

#include <optional>

namespace recbook {
namespace {

// The number of the digits text[at, at + n); nullopt when one is not a digit.
std::optional<int> Digits(std::string_view text, size_t at, size_t n) {
  int value = 0;
  for (size_t i = at; i < at + n; ++i) {
    if (text[i] < '0' || text[i] > '9') return std::nullopt;
    value = value * 10 + (text[i] - '0');
  }
  return value;
}

bool IsLeapYear(int y) { return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0; }

int DaysInMonth(int month, int year) {
  constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  return month == 2 && IsLeapYear(year) ? 29 : kDays[month - 1];
}

}  // namespace

ClockSetting ReadClockSetting(std::string_view date, std::string_view time) {
  ClockSetting s;
  const bool dateShape = date.size() == 10 && date[2] == '-' && date[5] == '-';
  const auto day = dateShape ? Digits(date, 0, 2) : std::nullopt;
  const auto month = dateShape ? Digits(date, 3, 2) : std::nullopt;
  const auto year = dateShape ? Digits(date, 6, 4) : std::nullopt;
  if (!day || !month || !year || *month < 1 || *month > 12 || *year < kFirstClockYear || *day < 1 ||
      *day > DaysInMonth(*month, *year)) {
    s.fault = ClockFault::Date;
    return s;
  }
  const bool timeShape = time.size() == 5 && time[2] == ':';
  const auto hour = timeShape ? Digits(time, 0, 2) : std::nullopt;
  const auto minute = timeShape ? Digits(time, 3, 2) : std::nullopt;
  if (!hour || !minute || *hour > 23 || *minute > 59) {
    s.fault = ClockFault::Time;
    return s;
  }
  s.time = {*year, *month, *day, *hour, *minute, 0};
  return s;
}

}  // namespace recbook

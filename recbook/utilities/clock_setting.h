#pragma once
// The date and time of the date and time dialog as the computer's local time: "DD-MM-YYYY" and
// "HH:MM" read into a time the clock can be set to, or which of the two does not exist. The
// platform would roll an impossible date such as 31-02-2003 over into March, so it is refused
// here, before the clock is asked.
#include <string_view>

#include "host.h"

namespace recbook {

enum class ClockFault { None, Date, Time };

struct ClockSetting {
  ClockFault fault = ClockFault::None;
  quorla::LocalTime time;  // seconds 0; meaningful only without a fault
};

// The earliest year the system clock holds.
inline constexpr int kFirstClockYear = 1970;

// date "DD-MM-YYYY" (a day of that month, months 1 to 12, years from kFirstClockYear to 9999) and
// time "HH:MM" (00:00 to 23:59); any other text is a fault of its box. The date is read first.
ClockSetting ReadClockSetting(std::string_view date, std::string_view time);

}  // namespace recbook

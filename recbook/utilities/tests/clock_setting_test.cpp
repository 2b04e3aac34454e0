// The date and time the dialog would set: calendar days by month and leap year, the hours and
// minutes of a day, and texts of the wrong shape.
#include "utilities/clock_setting.h"

#include <gtest/gtest.h>

namespace recbook {
namespace {

TEST(ClockSetting, OnlyDatesAndTimesThatExist) {
  const struct {
    const char* date;
    const char* time;
    ClockFault fault;
  } kCases[] = {
      {"01-02-2003", "09:30", ClockFault::None},
      {"31-02-2003", "09:30", ClockFault::Date},
      {"29-02-2003", "09:30", ClockFault::Date},
      {"29-02-2004", "09:30", ClockFault::None},  // leap year
      {"29-02-1900", "09:30", ClockFault::Date},  // no leap year, and before the clock's years
      {"29-02-2000", "09:30", ClockFault::None},  // divisible by 400
      {"29-02-2100", "09:30", ClockFault::Date},  // divisible by 100
      {"31-04-2026", "09:30", ClockFault::Date},
      {"31-12-2026", "23:59", ClockFault::None},
      {"00-12-2026", "09:30", ClockFault::Date},
      {"15-00-2026", "09:30", ClockFault::Date},
      {"15-13-2026", "09:30", ClockFault::Date},
      {"01-01-1970", "00:00", ClockFault::None},
      {"31-12-1969", "23:59", ClockFault::Date},
      {"01-01-0000", "00:00", ClockFault::Date},
      {"15-06-2026", "24:00", ClockFault::Time},
      {"15-06-2026", "12:60", ClockFault::Time},
      {"31-02-2003", "25:99", ClockFault::Date},  // the date is read first
      {"15-06-26", "12:00", ClockFault::Date},
      {"15/06/2026", "12:00", ClockFault::Date},
      {"15-06-2026", "1200", ClockFault::Time},
      {"1a-06-2026", "12:00", ClockFault::Date},
      {"15-06-2026", "1:200", ClockFault::Time},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(std::string(c.date) + " " + c.time);
    EXPECT_EQ(ReadClockSetting(c.date, c.time).fault, c.fault);
  }
}

TEST(ClockSetting, FieldsOfTheLocalTime) {
  const ClockSetting s = ReadClockSetting("07-11-2031", "18:05");
  ASSERT_EQ(s.fault, ClockFault::None);
  EXPECT_EQ(s.time.day, 7);
  EXPECT_EQ(s.time.month, 11);
  EXPECT_EQ(s.time.year, 2031);
  EXPECT_EQ(s.time.hour, 18);
  EXPECT_EQ(s.time.minute, 5);
  EXPECT_EQ(s.time.second, 0);
}

}  // namespace
}  // namespace recbook

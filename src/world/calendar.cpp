// Month numbers to calendar dates and durations.
#include "world/calendar.h"

#include <array>

namespace gm {

YearMonth MonthToDate(int m) {
  if (m <= 0) return {1, 1};
  YearMonth d{m / 12, m % 12};
  if (d.month == 0) {
    d.month = 12;
  } else {
    d.year += 1;
  }
  return d;
}

YearMonth MonthToElapsed(int m) {
  if (m <= 0) return {0, 0};
  return {m / 12, m % 12};
}

int DaysInMonth(int calendarMonth) {
  static constexpr std::array<int, 12> kDays = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  if (calendarMonth < 1 || calendarMonth > 12) return 30;
  return kDays[calendarMonth - 1];
}

int SeasonOfMonth(int monthNumber) {
  int m = CalendarMonth(monthNumber);
  if (m >= 3 && m <= 5) return 0;
  if (m >= 6 && m <= 8) return 1;
  if (m >= 9 && m <= 11) return 2;
  return 3;
}

}  // namespace gm

// The game calendar: month number 1 is January of year 1.
#pragma once

namespace gm {

struct YearMonth {
  int year = 1;
  int month = 1;
  bool operator==(const YearMonth&) const = default;
};

// Month number -> calendar year and month; non-positive month numbers give year 1, month 1.
YearMonth MonthToDate(int monthNumber);
// A count of months -> (years, months); (0, 0) for non-positive counts.
YearMonth MonthToElapsed(int months);
// Days of a calendar month 1..12 (February always 28).
int DaysInMonth(int calendarMonth);
// The calendar month 1..12 of a month number.
inline int CalendarMonth(int monthNumber) { return MonthToDate(monthNumber).month; }
// The season picture of the wait gauge: 0 spring (3..5), 1 summer (6..8), 2 autumn (9..11),
// 3 winter (12, 1, 2).
int SeasonOfMonth(int monthNumber);

}  // namespace gm

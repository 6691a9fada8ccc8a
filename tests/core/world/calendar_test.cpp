// The calendar: month numbers to dates and durations, month lengths and seasons.
#include <gtest/gtest.h>

#include "world/calendar.h"

namespace gm {
namespace {

TEST(Calendar, MonthNumbersTurnIntoYearsAtTwelve) {
  EXPECT_EQ(MonthToDate(1), (YearMonth{1, 1}));
  EXPECT_EQ(MonthToDate(11), (YearMonth{1, 11}));
  EXPECT_EQ(MonthToDate(12), (YearMonth{1, 12}));
  EXPECT_EQ(MonthToDate(13), (YearMonth{2, 1}));
  EXPECT_EQ(MonthToDate(36), (YearMonth{3, 12}));
  EXPECT_EQ(MonthToDate(37), (YearMonth{4, 1}));
  EXPECT_EQ(MonthToDate(0), (YearMonth{1, 1}));
  EXPECT_EQ(MonthToDate(-7), (YearMonth{1, 1}));
}

TEST(Calendar, DurationsCountWholeYears) {
  EXPECT_EQ(MonthToElapsed(0), (YearMonth{0, 0}));
  EXPECT_EQ(MonthToElapsed(-3), (YearMonth{0, 0}));
  EXPECT_EQ(MonthToElapsed(11), (YearMonth{0, 11}));
  EXPECT_EQ(MonthToElapsed(12), (YearMonth{1, 0}));
  EXPECT_EQ(MonthToElapsed(25), (YearMonth{2, 1}));
}

TEST(Calendar, MonthLengthsAndSeasons) {
  int total = 0;
  for (int m = 1; m <= 12; ++m) total += DaysInMonth(m);
  EXPECT_EQ(total, 365) << "February always has 28 days";
  EXPECT_EQ(DaysInMonth(2), 28);
  EXPECT_EQ(CalendarMonth(14), 2);
  const int seasons[12] = {3, 3, 0, 0, 0, 1, 1, 1, 2, 2, 2, 3};
  for (int m = 1; m <= 12; ++m) EXPECT_EQ(SeasonOfMonth(m + 24), seasons[m - 1]) << m;
}

}  // namespace
}  // namespace gm

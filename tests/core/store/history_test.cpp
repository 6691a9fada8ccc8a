// The twelve-month history: the oldest month falls off, and the average counts months with a
// value but sums the newest ones; a store counts its months by its asset value.
#include <gtest/gtest.h>

#include "store/history.h"
#include "store/store.h"

namespace gm {
namespace {

TEST(History, PushDropsTheOldestMonth) {
  Tbackup b;
  for (int v = 1; v <= 13; ++v) b.push(3, Money::fromInt(v));
  EXPECT_EQ(b.at(3, 1), Money::fromInt(13));
  EXPECT_EQ(b.at(3, 12), Money::fromInt(2)) << "month 1 of the first push is gone";
  EXPECT_EQ(b.at(2, 1), Money()) << "other series untouched";
}

TEST(History, AverageCountsOnlyTheFirstNMonths) {
  Tbackup b;
  // Newest first: 0, 30, 60, then nine empty months, with the oldest month 12 = 90.
  b.push(7, Money::fromInt(90));
  for (int i = 0; i < 8; ++i) b.push(7, Money());
  b.push(7, Money::fromInt(60));
  b.push(7, Money::fromInt(30));
  b.push(7, Money());
  HistorySummary s = b.summary(7);
  EXPECT_EQ(s.months, 3);
  EXPECT_EQ(s.sum, Money::fromInt(90)) << "months 1..3: 0 + 30 + 60, month 12 not summed";
  EXPECT_EQ(s.average, Money::fromInt(30));

  // A store counts its months by series 0 (its asset value) whatever series is read.
  b.push(0, Money::fromInt(1));
  b.push(0, Money::fromInt(1));
  Ttempo store;
  store.backup = b;
  HistorySummary t = store.historySummary(7);
  EXPECT_EQ(t.months, 2);
  EXPECT_EQ(t.sum, Money::fromInt(30));
  EXPECT_EQ(t.average, Money::fromInt(15));
  EXPECT_EQ(b.summary(5).average, Money());
}

}  // namespace
}  // namespace gm

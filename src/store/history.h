// A twelve-month history of fourteen series (`Tbackup`), newest month first. The company and
// every store keep one.
#pragma once

#include <array>

#include "base/money.h"

namespace gm {

inline constexpr int kHistorySeries = 14;
inline constexpr int kHistoryMonths = 12;

struct HistorySummary {
  std::array<Money, kHistoryMonths> values{};  // month 1 (newest) .. 12
  int months = 0;                              // N: months whose value is greater than 0
  Money sum;                                   // sum of months 1..N
  Money average;                               // sum / N rounded, 0 when N is 0
};

class Tbackup {
 public:
  // Moves months 1..11 to 2..12 (the oldest is dropped) and stores v as month 1.
  void push(int series, Money v);
  void clear() { values = {}; }
  // `countSeries` decides N (the stores count the months of series 0; the company counts the
  // requested series itself).
  HistorySummary summary(int series, int countSeries) const;
  HistorySummary summary(int series) const { return summary(series, series); }
  Money at(int series, int month) const { return values[series][month - 1]; }

  std::array<std::array<Money, kHistoryMonths>, kHistorySeries> values{};
};

}  // namespace gm

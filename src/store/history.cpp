// The twelve-month history: pushing a month and reading a series back with its average.
#include "store/history.h"

#include <algorithm>

namespace gm {

void Tbackup::push(int series, Money v) {
  auto& s = values[series];
  std::copy_backward(s.begin(), s.end() - 1, s.end());
  s[0] = v;
}

HistorySummary Tbackup::summary(int series, int countSeries) const {
  HistorySummary r;
  r.values = values[series];
  for (Money m : values[countSeries])
    if (m > Money()) ++r.months;
  // N counts every month with a value but the sum takes the newest N months, so a zero month
  // among them weighs as a zero.
  for (int i = 0; i < r.months; ++i) r.sum += r.values[i];
  if (r.months > 0) r.average = Money::fromRaw(divRoundHalfEven(r.sum.raw(), r.months));
  return r;
}

}  // namespace gm

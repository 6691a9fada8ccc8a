// Rounding of extended-precision products.
#include "base/extended.h"

#include <cmath>
#include <limits>

namespace gm {

int64_t roundHalfEven(Extended x) {
  if (std::isnan(x)) return 0;
  constexpr Extended kLimit = 9223372036854775807.0L;  // 2^63 - 1 rounds up to 2^63
  if (x >= kLimit) return std::numeric_limits<int64_t>::max();
  if (x <= -kLimit) return std::numeric_limits<int64_t>::min();
  // An integer within one of x in whatever mode the unit rounds (without the slow switch of
  // the x87 control word that a truncating conversion takes), then corrected by what is left.
  int64_t n = std::llrint(x);
  const Extended rest = x - static_cast<Extended>(n);  // exact where it can decide a tie
  if (rest > 0.5L || (rest == 0.5L && (n & 1) != 0)) {
    ++n;
  } else if (rest < -0.5L || (rest == -0.5L && (n & 1) != 0)) {
    --n;
  }
  return n;
}

int64_t truncated(Extended x) {
  if (std::isnan(x)) return 0;
  constexpr Extended kLimit = 9223372036854775807.0L;
  if (x >= kLimit) return std::numeric_limits<int64_t>::max();
  if (x <= -kLimit) return std::numeric_limits<int64_t>::min();
  return static_cast<int64_t>(x);
}

}  // namespace gm

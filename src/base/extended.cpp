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
  Extended whole = std::floor(x);
  Extended fraction = x - whole;  // a difference of a number and its floor is exact
  auto n = static_cast<int64_t>(whole);
  if (fraction > 0.5L || (fraction == 0.5L && (n & 1) != 0)) ++n;
  return n;
}

}  // namespace gm

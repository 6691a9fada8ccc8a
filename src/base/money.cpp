// Fixed-point arithmetic and the grouped number format.
#include "base/money.h"

namespace gm {

int64_t divRoundHalfEvenWide(__int128 numerator, __int128 denominator) {
  if (denominator == 0) return 0;
  if (denominator < 0) {
    numerator = -numerator;
    denominator = -denominator;
  }
  __int128 q = numerator / denominator;
  __int128 r = numerator % denominator;
  if (r < 0) {  // make the remainder non-negative so that q is the floor
    r += denominator;
    q -= 1;
  }
  __int128 twice = r * 2;
  if (twice > denominator || (twice == denominator && (q & 1) != 0)) q += 1;
  return static_cast<int64_t>(q);
}

Money Money::ratio(int64_t numerator, int64_t denominator) {
  return Money(divRoundHalfEven(static_cast<__int128>(numerator) * kScale, denominator));
}

Money Money::percent(Money part, Money whole) {
  return Money(divRoundHalfEven(static_cast<__int128>(part.raw_) * 100 * kScale, whole.raw_));
}

int64_t Money::round() const { return divRoundHalfEven(raw_, kScale); }

Money Money::operator*(Money o) const {
  return Money(divRoundHalfEven(static_cast<__int128>(raw_) * o.raw_, kScale));
}

Money Money::operator/(Money o) const {
  return Money(divRoundHalfEven(static_cast<__int128>(raw_) * kScale, o.raw_));
}

std::string formatGrouped(int64_t value) {
  bool negative = value < 0;
  // Work on the magnitude as unsigned so that the smallest int64 formats too.
  uint64_t magnitude = negative ? 0 - static_cast<uint64_t>(value) : static_cast<uint64_t>(value);
  std::string digits = std::to_string(magnitude);
  std::string out;
  int count = 0;
  for (auto it = digits.rbegin(); it != digits.rend(); ++it) {
    if (count > 0 && count % 3 == 0) out.insert(out.begin(), ',');
    out.insert(out.begin(), *it);
    ++count;
  }
  if (negative) out.insert(out.begin(), '-');
  return out;
}

std::string formatGrouped(Money m) {
  int64_t raw = m.raw();
  int64_t whole = raw / Money::kScale;
  int64_t frac = raw % Money::kScale;
  if (frac >= Money::kScale / 2) whole += 1;
  if (frac <= -Money::kScale / 2) whole -= 1;
  return formatGrouped(whole);
}

}  // namespace gm

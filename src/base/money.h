// The game's fixed-point number: four decimal places in a signed 64-bit integer (value x 10,000).
// It carries money (unit: one thousand yen) and every other "kept to four decimals" quantity
// (factors, ratios, morale and skill), so that no floating-point value ever reaches game state.
#pragma once

#include <compare>
#include <cstdint>
#include <string>

namespace gm {

class Money {
 public:
  static constexpr int64_t kScale = 10000;

  constexpr Money() = default;

  // A value whose stored integer is exactly `raw` (amount x 10,000).
  static constexpr Money fromRaw(int64_t raw) { return Money(raw); }
  // A whole amount (for money: whole thousands of yen).
  static constexpr Money fromInt(int64_t whole) { return Money(whole * kScale); }
  // The ratio numerator / denominator rounded to four decimals, ties to even; 0 when the
  // denominator is 0.
  static Money ratio(int64_t numerator, int64_t denominator);
  // part / whole x 100: a share in per cent, to four decimals (ties to even); 0 when whole is 0.
  // Taken in 128 bits, since a sum of takings times 100 need not fit in 64.
  static Money percent(Money part, Money whole);

  constexpr int64_t raw() const { return raw_; }
  // Conversions to small integers truncate toward zero.
  constexpr int64_t trunc() const { return raw_ / kScale; }
  // Nearest whole value, ties to even.
  int64_t round() const;

  constexpr Money operator-() const { return Money(-raw_); }
  constexpr Money operator+(Money o) const { return Money(raw_ + o.raw_); }
  constexpr Money operator-(Money o) const { return Money(raw_ - o.raw_); }
  constexpr Money& operator+=(Money o) {
    raw_ += o.raw_;
    return *this;
  }
  constexpr Money& operator-=(Money o) {
    raw_ -= o.raw_;
    return *this;
  }
  // Products and quotients are rounded to four decimals, ties to even.
  Money operator*(Money o) const;
  Money operator/(Money o) const;  // 0 when dividing by zero
  Money operator*(int64_t k) const { return Money(raw_ * k); }
  Money& operator*=(Money o) { return *this = *this * o; }

  constexpr auto operator<=>(const Money&) const = default;

 private:
  constexpr explicit Money(int64_t raw) : raw_(raw) {}
  int64_t raw_ = 0;
};

// The amount rounded to whole units (thousands of yen), ties to even.
inline Money roundedWhole(Money m) { return Money::fromInt(m.round()); }

// A profit rate: gross profit / takings x 100, in per cent kept to four decimals; 0 without
// takings.
inline Money profitRate(Money grossProfit, Money takings) {
  return takings > Money() ? Money::percent(grossProfit, takings) : Money();
}

// Integer division of a 128-bit value rounding to nearest, ties to even.
int64_t divRoundHalfEvenWide(__int128 numerator, __int128 denominator);
inline int64_t divRoundHalfEven(__int128 numerator, __int128 denominator) {
  // Most quotients of the game fit in 64 bits, where the division is several times faster.
  constexpr __int128 kMin = INT64_MIN, kMax = INT64_MAX;
  if (denominator > 0 && denominator <= kMax && numerator >= kMin && numerator <= kMax) {
    const auto n = static_cast<int64_t>(numerator);
    const auto d = static_cast<int64_t>(denominator);
    int64_t q = n / d;
    int64_t r = n % d;
    if (r < 0) {  // the floor, and a remainder that is not negative
      r += d;
      q -= 1;
    }
    // r against d - r rather than 2r against d: 2r could pass the end of the range.
    if (r > d - r || (r == d - r && (q & 1) != 0)) q += 1;
    return q;
  }
  return divRoundHalfEvenWide(numerator, denominator);
}

// The screens' "#,##0" format: whole units (the fraction rounded half away from zero, as the
// format does) with thousands separators, e.g. raw 12 345 676 000 -> "1,234,568".
std::string formatGrouped(Money m);
// The same format for a plain integer.
std::string formatGrouped(int64_t value);

}  // namespace gm

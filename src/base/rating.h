// Small helpers shared by every rule that works with 0..100 ratings and ten-band factor tables.
#pragma once

#include <array>
#include <cstdint>

#include "base/money.h"

namespace gm {

constexpr int64_t clampValue(int64_t v, int64_t lo, int64_t hi) {
  return v < lo ? lo : (v > hi ? hi : v);
}

// Limits a value to 0..100.
constexpr int clamp100(int64_t v) { return static_cast<int>(clampValue(v, 0, 100)); }

// Index into a ten-entry table by a 0..100 value: value div 10, and the last entry for 100 and
// above and for negative values.
constexpr int bandIndex(int64_t value) {
  if (value < 0 || value >= 100) return 9;
  return static_cast<int>(value / 10);
}

// Trunc(b / a x 100), 0 when a is 0. Exact integer arithmetic.
constexpr int64_t percentOf(int64_t b, int64_t a) {
  if (a == 0) return 0;
  return (b * 100) / a;
}

// A ten-band table of four-decimal factors, written as their stored integers (1.35 -> 13500).
using FactorTable = std::array<int32_t, 10>;

inline Money factorFor(const FactorTable& table, int64_t value) {
  return Money::fromRaw(table[bandIndex(value)]);
}

}  // namespace gm

// "Extended precision": the store's upkeep and running costs multiply money by factors such as
// 903/40300 that no fixed-point number holds, so those products are formed in long double (the
// 80-bit x87 format on the x86-64 Linux we ship) and rounded once, half to even, where they
// become a stored money integer; the hiring cost and the severance are such products truncated
// once. Every such product in the game goes through these helpers.
#pragma once

#include <cstdint>

#include "base/money.h"

namespace gm {

using Extended = long double;

// A fixed-point value (a factor, a rating, an amount of money) as an extended number.
inline Extended toExtended(Money m) { return static_cast<Extended>(m.raw()) / Money::kScale; }

// The nearest integer, ties to even, whatever the floating-point rounding mode; 0 for a NaN, and
// the nearest end of the int64 range for a value beyond it.
int64_t roundHalfEven(Extended x);

// The integer part (toward zero), for the costs the game truncates; 0 for a NaN, and the nearest
// end of the int64 range for a value beyond it.
int64_t truncated(Extended x);

}  // namespace gm

// The yardstick of every benchmark here: the bare cost of as many random draws as the measured
// work makes, over ranges from 2 to 2 + `mask` like the work's own (`mask` is one less than a
// power of two, so that picking the range costs no division).
#pragma once

#include <cstdint>

#include "base/random.h"

namespace gm::bench {

inline int64_t MakeDraws(Random& rng, uint64_t draws, uint64_t mask) {
  int64_t sum = 0;
  for (uint64_t i = 0; i < draws; ++i) sum += rng.randInt(2 + static_cast<int>(i & mask));
  return sum;
}

}  // namespace gm::bench

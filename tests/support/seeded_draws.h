// Pinning the draws that decide an event: a seed whose next draws from the game's generator
// fall where a test needs them, found by trying seeds in turn.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <initializer_list>

#include "base/random.h"

namespace gm::test {

// RandInt(n) must come out in lo..hi.
struct Draw {
  int n;
  int lo;
  int hi;
};
inline Draw exactly(int n, int value) { return {n, value, value}; }
inline Draw any(int n) { return {n, 0, n - 1}; }

// The first seed from `from` on whose draws, in order, all fall in their ranges.
inline uint32_t seedWithDraws(std::initializer_list<Draw> draws, uint32_t from = 1) {
  for (uint32_t seed = from; seed < from + 50'000'000u; ++seed) {
    Random r(seed);
    bool fits = true;
    for (const Draw& d : draws) {
      const int v = r.randInt(d.n);
      if (v < d.lo || v > d.hi) {
        fits = false;
        break;
      }
    }
    if (fits) return seed;
  }
  ADD_FAILURE() << "no seed gives the draws asked for";
  return from;
}

// The generator `count` draws on from `seed`: where a step must have drawn exactly so often.
inline uint32_t seedAfter(uint32_t seed, int count) {
  Random r(seed);
  for (int i = 0; i < count; ++i) r.randInt(1);
  return r.seed();
}

}  // namespace gm::test

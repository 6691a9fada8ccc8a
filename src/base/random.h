// The game's one random generator: a 32-bit linear congruential generator. Every random event
// of a game draws from the generator that the game state owns, so the same seed and the same
// orders replay the same game.
#pragma once

#include <cstdint>

namespace gm {

class Random {
 public:
  explicit Random(uint32_t seed = 0) : seed_(seed) {}

  void setSeed(uint32_t seed) { seed_ = seed; }
  uint32_t seed() const { return seed_; }

  // RandInt(n): a uniform integer 0..n-1. The seed advances first (seed := seed x 134775813 + 1
  // mod 2^32) and the result is the high 32 bits of seed x n. n <= 0 yields 0 (the seed still
  // advances, so a draw is a draw whatever its range).
  int randInt(int n) {
    seed_ = seed_ * 134775813u + 1u;
    ++draws_;
    if (n <= 0) return 0;
    return static_cast<int>((static_cast<uint64_t>(seed_) * static_cast<uint64_t>(n)) >> 32);
  }

  // Advances the generator past `n` draws whose values nobody reads, as n calls of randInt
  // would, in a few dozen steps: the seed after n steps is a^n x seed + (a^(n-1) + ... + 1),
  // which squaring the step (seed -> mul x seed + add) composes in log2(n) rounds.
  void skip(uint64_t n) {
    uint32_t mul = 1, add = 0;                    // the steps taken so far
    uint32_t stepMul = 134775813u, stepAdd = 1u;  // 2^k single steps
    for (uint64_t left = n; left != 0; left >>= 1) {
      if (left & 1) {
        mul = mul * stepMul;
        add = add * stepMul + stepAdd;
      }
      stepAdd = stepAdd * stepMul + stepAdd;
      stepMul = stepMul * stepMul;
    }
    seed_ = seed_ * mul + add;
    draws_ += n;
  }

  // Number of draws made since construction; the benchmarks compare work against draws.
  uint64_t draws() const { return draws_; }

 private:
  uint32_t seed_;
  uint64_t draws_ = 0;
};

}  // namespace gm

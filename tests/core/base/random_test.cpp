// The generator's exact sequence: every game replays from its seed.
#include <gtest/gtest.h>

#include "base/random.h"

namespace gm {

TEST(Random, SequenceForAFixedSeedIsTheLinearCongruentialOne) {
  Random rng(0);
  // seed 1 -> high 32 bits of 1 x 100 = 0; seed 134775814 -> (134775814 x 100) >> 32 = 3
  EXPECT_EQ(rng.randInt(100), 0);
  EXPECT_EQ(rng.seed(), 1u);
  EXPECT_EQ(rng.randInt(100), 3);
  EXPECT_EQ(rng.seed(), 134775814u);
  // The seed wraps modulo 2^32.
  uint32_t expected = 134775814u * 134775813u + 1u;
  rng.randInt(7);
  EXPECT_EQ(rng.seed(), expected);

  Random a(12345), b(12345);
  for (int i = 0; i < 1000; ++i) ASSERT_EQ(a.randInt(1 + i % 97), b.randInt(1 + i % 97));
}

TEST(Random, ResultsStayInRangeAndEmptyRangesStillDraw) {
  Random rng(42);
  for (int n : {1, 2, 3, 10, 100, 65535, 2147483647}) {
    for (int i = 0; i < 200; ++i) {
      int v = rng.randInt(n);
      ASSERT_GE(v, 0);
      ASSERT_LT(v, n);
    }
  }
  uint32_t before = rng.seed();
  EXPECT_EQ(rng.randInt(0), 0);
  EXPECT_NE(rng.seed(), before);
  EXPECT_EQ(rng.randInt(-5), 0);
}

}  // namespace gm

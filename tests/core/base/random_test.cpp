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

TEST(Random, SkippingDrawsLeavesTheGeneratorWhereDrawingThemWould) {
  // From seed 0: one step gives 1, two give 134775814 (as above).
  Random one(0), two(0);
  one.skip(1);
  EXPECT_EQ(one.seed(), 1u);
  two.skip(2);
  EXPECT_EQ(two.seed(), 134775814u);
  for (uint64_t n : {0ull, 3ull, 64ull, 1000ull, 123457ull}) {
    Random drawn(987654321), skipped(987654321);
    drawn.randInt(5);
    skipped.randInt(5);
    for (uint64_t i = 0; i < n; ++i) drawn.randInt(1000);
    skipped.skip(n);
    EXPECT_EQ(skipped.seed(), drawn.seed()) << n;
    EXPECT_EQ(skipped.draws(), drawn.draws()) << n;
    EXPECT_EQ(skipped.randInt(1000), drawn.randInt(1000)) << n;
  }
  // The generator's period is 2^32: skipping all of it comes back to the start.
  Random round(77);
  round.skip(uint64_t{1} << 32);
  EXPECT_EQ(round.seed(), 77u);
}

}  // namespace gm

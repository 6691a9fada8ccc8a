// Extended precision: the long double of x86-64 and the one rounding of its products.
#include <gtest/gtest.h>

#include <cfenv>
#include <cmath>
#include <limits>

#include "base/extended.h"

namespace gm {
namespace {

TEST(Extended, RoundsHalfToEvenWhateverTheSign) {
  EXPECT_EQ(roundHalfEven(2.5L), 2);
  EXPECT_EQ(roundHalfEven(3.5L), 4);
  EXPECT_EQ(roundHalfEven(-2.5L), -2);
  EXPECT_EQ(roundHalfEven(-3.5L), -4);
  EXPECT_EQ(roundHalfEven(2.4999999L), 2);
  EXPECT_EQ(roundHalfEven(-0.5000001L), -1);
  EXPECT_EQ(roundHalfEven(0.0L), 0);
  EXPECT_EQ(roundHalfEven(std::nanl("")), 0);
  EXPECT_EQ(roundHalfEven(1e30L), std::numeric_limits<int64_t>::max());
  EXPECT_EQ(roundHalfEven(-1e30L), std::numeric_limits<int64_t>::min());
  EXPECT_EQ(toExtended(Money::fromRaw(10700)), 10700.0L / 10000.0L);
}

TEST(Extended, RoundsTheSameInEveryRoundingMode) {
  const int saved = std::fegetround();
  for (int mode : {FE_TONEAREST, FE_DOWNWARD, FE_UPWARD, FE_TOWARDZERO}) {
    ASSERT_EQ(std::fesetround(mode), 0);
    EXPECT_EQ(roundHalfEven(2.5L), 2) << mode;
    EXPECT_EQ(roundHalfEven(-3.5L), -4) << mode;
    EXPECT_EQ(roundHalfEven(0.5000000001L), 1) << mode;
    EXPECT_EQ(roundHalfEven(-0.4999999999L), 0) << mode;
    EXPECT_EQ(roundHalfEven(1e-30L), 0) << mode;
    EXPECT_EQ(roundHalfEven(-1e-30L), 0) << mode;
    EXPECT_EQ(roundHalfEven(4503599627370497.5L), 4503599627370498) << mode;
  }
  std::fesetround(saved);
}

#if defined(__x86_64__)
TEST(Extended, IsTheEightyBitFormatOnTheShippedPlatform) {
  EXPECT_EQ(std::numeric_limits<Extended>::digits, 64) << "a 64-bit significand";
}
#endif

}  // namespace
}  // namespace gm

// Fixed-point rounding and the grouped screen format.
#include <gtest/gtest.h>

#include "base/money.h"

namespace gm {

TEST(Money, ProductsAndQuotientsRoundToFourDecimalsTiesToEven) {
  // 0.0001 x 0.5 = 0.00005: a tie, rounds to the even 0.0000; 0.0003 x 0.5 -> 0.0002.
  EXPECT_EQ((Money::fromRaw(1) * Money::fromRaw(5000)).raw(), 0);
  EXPECT_EQ((Money::fromRaw(3) * Money::fromRaw(5000)).raw(), 2);
  EXPECT_EQ((Money::fromRaw(-3) * Money::fromRaw(5000)).raw(), -2);
  EXPECT_EQ(Money::ratio(1, 3).raw(), 3333);
  EXPECT_EQ(Money::ratio(2, 3).raw(), 6667);
  EXPECT_EQ(Money::ratio(-2, 3).raw(), -6667);
  EXPECT_EQ(Money::ratio(5, 0).raw(), 0);
  EXPECT_EQ((Money::fromInt(1) / Money::fromInt(8)).raw(), 1250);
  EXPECT_EQ((Money::fromInt(1) / Money()).raw(), 0);
  // Large amounts do not overflow in the intermediate product.
  Money big = Money::fromInt(900'000'000'000);
  EXPECT_EQ((big * Money::fromRaw(15000)).raw(), Money::fromInt(1'350'000'000'000).raw());
}

TEST(Money, DivisionRoundsAlikeInsideAndBeyondSixtyFourBits) {
  // Near the end of the range, where twice the remainder would overflow.
  constexpr int64_t kD = INT64_MAX - 1;  // even
  EXPECT_EQ(divRoundHalfEven(kD / 2, kD), 0) << "a tie rounds to the even 0";
  EXPECT_EQ(divRoundHalfEven(kD / 2 + 1, kD), 1);
  EXPECT_EQ(divRoundHalfEven(kD / 2 - 1, kD), 0);
  EXPECT_EQ(divRoundHalfEven(kD, kD), 1);
  EXPECT_EQ(divRoundHalfEven(-7, 2), -4);
  EXPECT_EQ(divRoundHalfEven(-5, 2), -2);
  EXPECT_EQ(divRoundHalfEven(7, -2), -4);
  EXPECT_EQ(divRoundHalfEven(INT64_MIN, 1), INT64_MIN);
  // Numerators that need more than 64 bits.
  const __int128 wide = static_cast<__int128>(INT64_MAX) * 4;
  EXPECT_EQ(divRoundHalfEven(wide + 1, 4), INT64_MAX);
  EXPECT_EQ(divRoundHalfEven(wide - 2, 4), INT64_MAX - 1) << "a tie: to the even one";
  EXPECT_EQ(divRoundHalfEven(-(wide - 2), 4), -(INT64_MAX - 1));
  EXPECT_EQ(divRoundHalfEven(static_cast<__int128>(kD) * 3, kD), 3);
}

TEST(Money, ConversionsToIntegersTruncateAndRoundHalfEven) {
  EXPECT_EQ(Money::fromRaw(19999).trunc(), 1);
  EXPECT_EQ(Money::fromRaw(-19999).trunc(), -1);
  EXPECT_EQ(Money::fromRaw(25000).round(), 2);
  EXPECT_EQ(Money::fromRaw(35000).round(), 4);
  EXPECT_EQ(Money::fromRaw(-25000).round(), -2);
}

TEST(Money, GroupedFormatShowsWholeThousandsOfYen) {
  EXPECT_EQ(formatGrouped(Money::fromRaw(12'345'676'000)), "1,234,568");
  EXPECT_EQ(formatGrouped(Money::fromRaw(12'345'674'999)), "1,234,567");
  EXPECT_EQ(formatGrouped(Money::fromRaw(5000)), "1");
  EXPECT_EQ(formatGrouped(Money::fromRaw(-5000)), "-1");
  EXPECT_EQ(formatGrouped(Money()), "0");
  EXPECT_EQ(formatGrouped(int64_t{999}), "999");
  EXPECT_EQ(formatGrouped(int64_t{1000}), "1,000");
  EXPECT_EQ(formatGrouped(int64_t{-1234567}), "-1,234,567");
  EXPECT_EQ(formatGrouped(INT64_MIN), "-9,223,372,036,854,775,808");
}

}  // namespace gm

// The headless player's command line: the strategy and the soak's options.
#include <gtest/gtest.h>

#include "autoplay.h"

namespace gm {
namespace {

TEST(AutoplayArguments, StrategiesAndTheSoaksOptions) {
  std::string error;
  auto s = ParseAutoplayArguments({"--city", "c.pmp"}, error);
  ASSERT_TRUE(s) << error;
  EXPECT_EQ(s->strategy, "steady");
  EXPECT_FALSE(s->check);
  EXPECT_FALSE(s->restart);
  EXPECT_FALSE(s->advice);

  s = ParseAutoplayArguments({"--city", "c.pmp", "--strategy", "random", "--check", "--restart"},
                             error);
  ASSERT_TRUE(s) << error;
  EXPECT_EQ(s->strategy, "random");
  EXPECT_TRUE(s->check);
  EXPECT_TRUE(s->restart);

  s = ParseAutoplayArguments({"--city", "c.pmp", "--strategy", "advised", "--advice"}, error);
  ASSERT_TRUE(s) << error;
  EXPECT_EQ(s->strategy, "advised");
  EXPECT_TRUE(s->advice);
  EXPECT_TRUE(ParseAutoplayArguments({"--city", "c.pmp", "--strategy", "novice"}, error));

  EXPECT_FALSE(ParseAutoplayArguments({"--city", "c.pmp", "--strategy", "lucky"}, error));
  EXPECT_EQ(error, "unknown strategy: lucky (steady, random, watch, novice, advised)");
  EXPECT_FALSE(ParseAutoplayArguments({"--city", "c.pmp", "--strategy"}, error));
  EXPECT_EQ(error, "--strategy needs a value");
  // A new company needs a city to be founded on.
  EXPECT_FALSE(ParseAutoplayArguments({"--load", "g.PLR", "--restart"}, error));
  EXPECT_EQ(error, "--restart needs --city");
}

}  // namespace
}  // namespace gm

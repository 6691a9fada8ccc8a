// The whole game state lives in one world of fixed-capacity tables; it stays under a megabyte.
#include <gtest/gtest.h>

#include "world/world.h"

namespace gm {

TEST(GameStateSize, TheWholeGameFitsInAMegabyte) {
  EXPECT_LT(sizeof(tworld), 1024u * 1024u) << "every table of the game is in the world";
  // The records that stand thousands of times are kept tight.
  EXPECT_LE(sizeof(Tddai), 224u);
  EXPECT_LE(sizeof(Tchip), 52u);
}

}  // namespace gm

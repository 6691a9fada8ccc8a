// Games for the headless player's tests: a new game on a shipped city, founded as the headless
// player founds it, in the hands of a strategy.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "company/new_game.h"
#include "persist/city_file.h"
#include "player_game.h"
#include "strategy.h"
#include "world/world.h"

namespace gm::test {

struct PlayedGame {
  std::unique_ptr<Strategy> strategy;
  std::unique_ptr<PlayerGame> game;
  tworld& world() { return game->world(); }
};

// `city` names a file of assets/cities without its extension.
inline PlayedGame newPlayedGame(const std::string& city, const std::string& strategy, uint32_t seed,
                                int capital = 3, int qualities = 60) {
  CityReadResult read = ReadCityFile(std::string(GM_ASSETS_DIR) + "/cities/" + city + ".pmp");
  EXPECT_TRUE(read.ok) << read.error;
  FoundingChoice founding;
  founding.tousotu = founding.chisei = founding.karisuma = founding.kantei = qualities;
  founding.sihon = capital;
  auto world = std::make_unique<tworld>();
  SetUpNewGame(*world, Random(seed), read.city, founding, Difficulty::kRivals);
  PlayedGame g;
  g.strategy = MakeStrategy(strategy, seed);
  g.game = std::make_unique<PlayerGame>(std::move(world), *g.strategy);
  return g;
}

}  // namespace gm::test

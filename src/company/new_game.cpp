// Setting up a new game in a fresh world.
#include "company/new_game.h"

#include "world/world.h"

namespace gm {

std::string_view difficultyCaption(Difficulty d) {
  return d == Difficulty::kNovice ? "新米店長(&E)" : "ライバル登場！(&D)";
}

std::string_view difficultyHint(Difficulty d) {
  return d == Difficulty::kNovice ? "他店舗は参入しません|" : "他店舗が参入してきます|";
}

void SetUpNewGame(tworld& fresh, const Random& generator, const CityDefinition& city,
                  const FoundingChoice& founding, Difficulty difficulty) {
  fresh.rng().setSeed(generator.seed());
  fresh.InitFromCity(city);
  FoundCompany(fresh.kaichou, founding);
  if (difficulty == Difficulty::kNovice) fresh.rivals.rivalNashi = true;
}

}  // namespace gm

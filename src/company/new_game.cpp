// Setting up a new game in a fresh world.
#include "company/new_game.h"

#include "base/translation.h"
#include "world/world.h"

namespace gm {

std::string difficultyCaption(Difficulty d) {
  return d == Difficulty::kNovice ? translate("new_game", "新米店長(&E)")
                                  : translate("new_game", "ライバル登場！(&D)");
}

std::string difficultyHint(Difficulty d) {
  return d == Difficulty::kNovice ? translate("new_game", "他店舗は参入しません|")
                                  : translate("new_game", "他店舗が参入してきます|");
}

void SetUpNewGame(tworld& fresh, const Random& generator, const CityDefinition& city,
                  const FoundingChoice& founding, Difficulty difficulty) {
  fresh.rng().setSeed(generator.seed());
  fresh.InitFromCity(city);
  FoundCompany(fresh.kaichou, founding);
  if (difficulty == Difficulty::kNovice) fresh.rivals.rivalNashi = true;
}

}  // namespace gm

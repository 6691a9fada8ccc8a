// The core of the new-game order: a fresh world takes the chosen city, the founded company and
// the chosen difficulty. The dialogs that gather these live in the shell; a test can play the
// whole set-up without a window.
#pragma once

#include <string_view>

#include "base/random.h"
#include "company/founding.h"
#include "world/city_definition.h"

namespace gm {

class tworld;

enum class Difficulty {
  kNovice,  // "新米店長(&E)": no rival company enters the city
  kRivals,  // "ライバル登場！(&D)"
};

// The captions and hints of the two difficulty choices.
std::string difficultyCaption(Difficulty d);
std::string difficultyHint(Difficulty d);

// Sets up a freshly created world. The set-up dialogs have drawn from `generator` (reseeded
// from the clock when the order began); the new game continues that same sequence, so its seed
// is carried over before the city's blocks draw their starting values.
void SetUpNewGame(tworld& fresh, const Random& generator, const CityDefinition& city,
                  const FoundingChoice& founding, Difficulty difficulty);

}  // namespace gm

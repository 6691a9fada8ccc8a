// A game for the management screens' tests: a city from the shipped city files, a founded
// company with a few halls set up on its blocks (floors, islands of the makers' models, staff,
// rates, promotions, equipment), played for some months by the core without a window.
#pragma once

#include <memory>

#include "world/world.h"

namespace gm::test {

// `months` month ends are played after the halls open; the game keeps its seed.
std::unique_ptr<tworld> managedGame(int months);

}  // namespace gm::test

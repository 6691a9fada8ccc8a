// The new-game order ("新規出店(&N)"): the city selection, the company founding and a fresh
// world built from the chosen city. The caller replaces its world with the result and begins
// play; when the order stops on the way, nothing has changed.
#pragma once

#include <memory>

#include "base/random.h"
#include "world/world.h"

class QWidget;

namespace gm {

struct Options;

// Reseeds `generator` from the clock, runs both dialogs and returns the new game's world, or
// nullptr when the player cancelled, chose no city, the city file went away meanwhile or could
// not be read (the reading error is shown in an error box). The new world continues the
// generator's sequence and still talks to the silent port: the caller sets its frontend.
std::unique_ptr<gm::tworld> runNewGameOrder(QWidget* parent, gm::Random& generator,
                                            const Options* options = nullptr);

}  // namespace gm

// The city council's new laws: at most one a month, each enacted once for the whole game, with
// its effect on the blocks and the news of it.
#pragma once

#include <string>

namespace gm {

class tworld;

// What the district overview shows for an enacted law (bit 0..9), in the player's language.
std::string lawExplanation(int bit);

// Enacts the first law of the month whose draw and conditions hold; returns its bit, or -1.
int NewLaws(tworld& world);

}  // namespace gm

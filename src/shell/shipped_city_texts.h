// The descriptions of the cities that ship with the game, as the translation catalogue knows
// them (context "cities"). The city files keep their Japanese; the city selection dialog asks
// the catalogue for a description in the player's language and shows it as it is when the
// catalogue has none (a city the player made). shipped_city_texts.cpp is made by
// tools/make_city from the shipped city files.
#pragma once

#include <span>

namespace gm {

std::span<const char* const> shippedCityDescriptions();

}  // namespace gm

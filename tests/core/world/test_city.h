// Small hand-made cities for the world tests: a world of a given size whose blocks are set
// directly, without the starting draws of a new game.
#pragma once

#include <initializer_list>
#include <iterator>
#include <memory>
#include <vector>

#include "world/world.h"

namespace gm::test {

// A world of height x width blocks, all of kind 0, with a fixed seed.
inline std::unique_ptr<tworld> makeWorld(int height, int width, uint32_t seed = 1) {
  auto w = std::make_unique<tworld>();
  w->mapHeight = static_cast<uint8_t>(height);
  w->mapWidth = static_cast<uint8_t>(width);
  w->month = 1;
  w->SetTaxRate(20);
  w->rng().setSeed(seed);
  return w;
}

// Sets a block's kind and values; the setters clamp as they do in play.
inline Tchip& place(tworld& w, int row, int column, int kind, int population = 0, int security = 50,
                    int landPrice = 100000, int unrest = 0, int fanRate = 0) {
  Tchip& b = w.block(row, column);
  b.kind = static_cast<uint8_t>(kind);
  b.SetPopulation(population);
  b.SetSecurity(security);
  b.SetLandPrice(landPrice);
  b.SetUnrest(unrest);
  b.SetFanRate(fanRate, w.laws);
  return b;
}

// Fills the map row by row from a list of kinds (rows of equal length).
inline void fillKinds(tworld& w, std::initializer_list<std::initializer_list<int>> rows) {
  int r = 0;
  for (const auto& line : rows) {
    int c = 0;
    for (int k : line) w.block(r, c++).kind = static_cast<uint8_t>(k);
    ++r;
  }
}

}  // namespace gm::test

namespace gm::test {

// A city definition with a realistic mix of kinds: a street grid every six blocks, a railway
// with stations, and between them housing, districts, facilities, stores and vacant land. The
// layout comes from its own generator, so the world's generator is untouched until InitFromCity.
inline CityDefinition makeCityDefinition(int height, int width, uint32_t layoutSeed) {
  CityDefinition city;
  city.name = "試験市";
  city.height = height;
  city.width = width;
  city.housingPolicy = 40;
  city.commercePolicy = 30;
  city.businessPolicy = 25;
  city.taxRate = 20;
  Random layout(layoutSeed);
  const int railRow = height / 2 + 1;
  for (int r = 0; r < height; ++r)
    for (int c = 0; c < width; ++c) {
      int kind;
      bool rowStreet = r % 6 == 0, columnStreet = c % 6 == 0;
      if (r == railRow) {
        kind = c % 12 == 5 ? 15 + layout.randInt(2) : 17 + layout.randInt(2);
      } else if (rowStreet && columnStreet) {
        kind = (r == 0 || c == 0) ? 11 + layout.randInt(4) : 10;
      } else if (rowStreet || columnStreet) {
        kind = 4 + layout.randInt(6);
      } else {
        static constexpr int kMix[] = {1,  1,  1,  1,  1,  1,  21, 21, 21, 21, 21,
                                       21, 21, 24, 24, 24, 25, 25, 22, 23, 26, 19,
                                       20, 20, 2,  3,  27, 28, 21, 1,  25, 24};
        kind = kMix[layout.randInt(static_cast<int>(std::size(kMix)))];
      }
      city.kinds[r][c] = static_cast<uint8_t>(kind);
    }
  return city;
}

// A world started from makeCityDefinition, with rival owners spread over the rival kinds.
inline std::unique_ptr<tworld> makeGeneratedCity(int height, int width, uint32_t seed) {
  auto w = std::make_unique<tworld>();
  w->rng().setSeed(seed);
  w->InitFromCity(makeCityDefinition(height, width, seed * 7 + 1));
  for (int r = 0; r < height; ++r)
    for (int c = 0; c < width; ++c) w->block(r, c).owner = static_cast<uint8_t>((r + c) % 5);
  return w;
}

}  // namespace gm::test

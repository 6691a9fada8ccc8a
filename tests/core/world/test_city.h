// Small hand-made cities for the world tests: a world of a given size whose blocks are set
// directly, without the starting draws of a new game.
#pragma once

#include <initializer_list>
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

// Small hand-made cities for the rivals' tests: a world with a scripted port, a map of one kind
// of block, and helpers to hand a rival land, stores and car parks.
#pragma once

#include <memory>

#include "support/scripted_frontend.h"
#include "world/world.h"

namespace gm::test {

struct RivalCity {
  std::unique_ptr<tworld> world = std::make_unique<tworld>();
  ScriptedFrontend port;

  // A rows x columns city filled with `kind` blocks at the given population and security.
  RivalCity(int rows, int columns, int kind = 26, int population = 150, int security = 75) {
    world->setFrontend(&port);
    world->cityName = "港町";
    world->mapHeight = static_cast<uint8_t>(rows);
    world->mapWidth = static_cast<uint8_t>(columns);
    world->month = 20;
    world->taxRate = 30;
    for (int r = 0; r < rows; ++r) {
      for (int c = 0; c < columns; ++c) set(r, c, kind, 0, population, security);
    }
  }
  RivalCity(const RivalCity&) = delete;  // the world points at `port`
  RivalCity& operator=(const RivalCity&) = delete;

  Tenkaichou& rivals() { return world->rivals; }
  Tchip& at(int r, int c) { return world->blocks[r][c]; }
  Random& rng() { return world->rng(); }

  Tchip& set(int r, int c, int kind, int owner = 0, int population = 0, int security = 50) {
    Tchip& b = at(r, c);
    b.kind = static_cast<uint8_t>(kind);
    b.owner = static_cast<uint8_t>(owner);
    b.population = population;
    b.security = security;
    b.fanRate = 0;
    b.unrest = 0;
    b.landPrice = 100000;
    return b;
  }

  void enter(int rival, int64_t cash) {
    rivals().sanka[rival] = true;
    rivals().sankaMonth[rival] = 1;
    rivals().shikin[rival] = Money::fromInt(cash);
  }

  // An open store of `rival` on (r, c) in the first free record; returns its number.
  int openStore(int rival, int r, int c, int size = 0, int age = 6) {
    set(r, c, 20, rival);
    int k = 1;
    while (rivals().Tenpo(k).used) ++k;
    TEntempo& t = rivals().Tenpo(k);
    t = TEntempo{};
    t.used = true;
    t.owner = static_cast<uint8_t>(rival);
    t.joutai = kRivalOpen;
    t.kibo = static_cast<uint8_t>(size);
    t.blockRow = r;
    t.blockColumn = c;
    t.shuttenMonth = world->month - age;
    t.senren = t.chimei = t.manzoku = t.moral = t.skill = 50;
    return k;
  }

  void katsudou() { rivals().Katsudou(); }
  void kessan() {
    tworld& w = *world;
    rivals().Kessan(w.blocks, w.month, w.cityName.view(), 0, w.laws, w.mapWidth, w.mapHeight,
                    w.taxRate);
  }
};

}  // namespace gm::test

// A small city for the incident tests: 11 x 11 blocks of housing around one open store of the
// company in the middle, a scripted port, and a way to find the first seed for which an incident
// strikes, so that each test can look at the incident's effects on a city it knows by heart.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include <gtest/gtest.h>

#include "support/scripted_frontend.h"
#include "world/incidents.h"
#include "world/store_incidents.h"
#include "world/world.h"

namespace gm::test {

// The store's square of radius 4 leaves the outer ring of the map outside it.
inline constexpr int kCityRows = 11;
inline constexpr int kCityColumns = 11;
inline constexpr int kStoreRow = 5;
inline constexpr int kStoreColumn = 5;

struct IncidentCity {
  std::unique_ptr<tworld> world = std::make_unique<tworld>();
  ScriptedFrontend port;
  std::optional<IncidentPass> pass;
  uint32_t seed = 0;

  // Housing of 150 people (occupancy 75) everywhere, of security 50, unrest 50 and fan rate 20;
  // the store stands in the middle in month 30, built in month 1.
  explicit IncidentCity(uint32_t citySeed) {
    tworld& w = *world;
    w.setFrontend(&port);
    seed = citySeed;
    w.rng().setSeed(citySeed);
    w.cityName = "試験市";
    w.mapHeight = kCityRows;
    w.mapWidth = kCityColumns;
    w.month = 30;
    w.SetTaxRate(20);
    for (int r = 0; r < kCityRows; ++r)
      for (int c = 0; c < kCityColumns; ++c) set(r, c, 21, 150, 50, 50, 20);
    tkaichou& k = w.kaichou;
    k.kaishaname = "試験商事";
    k.ownername = "試験会長";
    k.sikin = Money::fromInt(1000000);
    k.karisuma = k.chisei = k.tousotu = 50;
    openStore(1, kStoreRow, kStoreColumn, "試験店");
  }
  IncidentCity(const IncidentCity&) = delete;  // the world points at `port`
  IncidentCity& operator=(const IncidentCity&) = delete;

  tworld& w() { return *world; }
  tkaichou& company() { return world->kaichou; }
  Ttempo& store(int slot = 1) { return world->kaichou.slot(slot); }
  Tchip& at(int r, int c) { return world->block(r, c); }
  int64_t cash() const { return world->kaichou.sikin.trunc(); }
  uint64_t draws() const { return world->rng().draws(); }

  Tchip& set(int r, int c, int kind, int population = 0, int security = 50, int unrest = 0,
             int fanRate = 0) {
    Tchip& b = at(r, c);
    b.kind = static_cast<uint8_t>(kind);
    b.population = population;
    b.security = security;
    b.unrest = unrest;
    b.fanRate = fanRate;
    b.landPrice = 100000;
    return b;
  }

  // Gives every block but the store's the same security, unrest and fan rate.
  void look(int security, int unrest, int fanRate) {
    for (int r = 0; r < kCityRows; ++r)
      for (int c = 0; c < kCityColumns; ++c) {
        if (at(r, c).kind == 19) continue;
        at(r, c).security = security;
        at(r, c).unrest = unrest;
        at(r, c).fanRate = fanRate;
      }
  }

  // An open two-floor store with ten men and ten women of morale and skill 50.
  Ttempo& openStore(int slot, int r, int c, const std::string& name) {
    Ttempo& t = store(slot);
    t.init();
    t.used = true;
    t.name = name;
    t.joutai = kOpen;
    t.blockY = r;
    t.blockX = c;
    t.kibo = 1;
    t.shuttenMonth = 1;
    t.senren = t.chimei = t.manzoku = 50;
    t.setDansei(10);
    t.setZyosei(10);
    t.setMoral(Money::fromInt(50));
    t.setSkill(Money::fromInt(50));
    set(r, c, 19, 0, 25);
    return t;
  }

  // `count` islands on a floor, all of one purchase of a model with the given actual gambling
  // appeal and play value.
  void addIslands(Ttempo& t, int floor, int count, int type, int gambling, int play,
                  const std::string& model = "試験台") {
    int placed = 0;
    for (Tddai& d : t.dai[floor]) {
      if (d.used || placed == count) continue;
      d = Tddai{};
      d.used = true;
      d.name = model;
      d.kishu = static_cast<uint8_t>(type);
      d.maker = 1;
      d.shukka = 1234;
      d.tanka = 300;
      d.actual = {static_cast<uint8_t>(gambling), static_cast<uint8_t>(play), 50, 50};
      d.nominal = d.actual;
      ++placed;
    }
  }

  // Starts the month's pass with the city as it now stands.
  IncidentPass& begin(int hours = 300) { return pass.emplace(*world, hours); }
  StoreFigures figures(int slot = 1) { return TakeStoreFigures(*world, store(slot)); }

  const RecordedMessage& onlyMessage() const {
    static const RecordedMessage none;
    return port.messages.size() == 1 ? port.messages[0] : none;
  }
};

// A drawn amount lies within the bounds its draws allow.
inline ::testing::AssertionResult within(int64_t value, int64_t lo, int64_t hi) {
  if (value >= lo && value <= hi) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << value << " is outside " << lo << ".." << hi;
}

// Builds a fresh city for seeds 1, 2, ... and returns the first for which `attempt` reports
// true: `setup` shapes the city and `attempt` runs the incident on it.
template <typename Setup, typename Attempt>
std::unique_ptr<IncidentCity> firstCityWhere(Setup setup, Attempt attempt,
                                             uint32_t lastSeed = 20000) {
  for (uint32_t seed = 1; seed <= lastSeed; ++seed) {
    auto city = std::make_unique<IncidentCity>(seed);
    setup(*city);
    if (attempt(*city)) return city;
  }
  return nullptr;
}

}  // namespace gm::test

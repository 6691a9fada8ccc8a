// The research figures: how many of the city's pachinko fans the player's stores and each
// rival's stores draw a day, as shares of the city's fans.
#pragma once

#include <array>
#include <cstdint>

namespace gm {

class tworld;

inline constexpr int kResearchGauges = 6;  // the player, then rivals 0..4

struct ResearchGauge {
  bool visible = false;
  int64_t customersPerDay = 0;
  int64_t percent = 0;  // of the city's fans; the gauge shows it limited to 0..100
};

struct ResearchFigures {
  int64_t totalFans = 0;
  std::array<ResearchGauge, kResearchGauges> gauges{};
};

ResearchFigures researchFigures(const tworld& world);

}  // namespace gm

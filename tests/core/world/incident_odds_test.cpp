// The odds the advisor reads against the incidents themselves: over a few thousand months of
// draws, a ROM raid and a fire that gets out of hand strike about as often as the counted
// outcomes say. Both sides are the game's own code: the test catches a range changed on one
// side only.
#include <gtest/gtest.h>

#include <cmath>

#include "incident_city.h"
#include "world/incident_odds.h"

namespace gm {
namespace {

// The share of `trials` months in which `struck` holds, against `chance` (per million): within
// four standard deviations of a binomial count.
::testing::AssertionResult asOftenAs(int hits, int trials, int64_t chance) {
  const double p = static_cast<double>(chance) / kChanceScale;
  const double sd = std::sqrt(p * (1 - p) / trials);
  const double seen = static_cast<double>(hits) / trials;
  if (std::abs(seen - p) <= 4 * sd) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << "seen " << seen << ", counted " << p;
}

TEST(IncidentOdds, ARomRaidComesAsOftenAsItsCountedOdds) {
  test::IncidentCity c(1);
  const int unrest = c.at(test::kStoreRow, test::kStoreColumn)
                         .AverageUnrestWithin(c.w().blocks, test::kCityColumns, test::kCityRows, 3);
  c.store().kousaku = kIllegalRom;
  const int64_t chance = ExposureChance(c.store(), kIllegalRom, 50, 50, 50, unrest);
  ASSERT_GT(chance, 100000);
  constexpr int kTrials = 20000;
  int raids = 0;
  for (int i = 0; i < kTrials; ++i) {
    c.w().rng().setSeed(static_cast<uint32_t>(i * 7919 + 1));
    RomRaids(c.begin());
    if ((c.store().kousaku & kIllegalRom) == 0) ++raids;
    // Everything a raid moves goes back for the next month's dice.
    c.store().kousaku = kIllegalRom;
    c.store().joutai = kOpen;
    c.store().setMoral(Money::fromInt(50));
    c.company().karisuma = c.company().chisei = c.company().tousotu = 50;
    c.look(50, 50, 20);
  }
  EXPECT_TRUE(asOftenAs(raids, kTrials, chance));
}

TEST(IncidentOdds, AFireGetsOutOfHandAsOftenAsItsCountedOdds) {
  test::IncidentCity c(1);
  const Tchip& b = c.at(test::kStoreRow, test::kStoreColumn);
  const int security =
      b.AverageSecurityWithin(c.w().blocks, test::kCityColumns, test::kCityRows, 3);
  const int unrest = b.AverageUnrestWithin(c.w().blocks, test::kCityColumns, test::kCityRows, 3);
  const int64_t chance = FireChance(c.store(), security, unrest);
  ASSERT_GT(chance, 10000);
  constexpr int kTrials = 40000;
  int fires = 0;
  for (int i = 0; i < kTrials; ++i) {
    c.w().rng().setSeed(static_cast<uint32_t>(i * 7919 + 1));
    c.port.messages.clear();
    IncidentPass& p = c.begin();
    p.dryAir = true;
    Fires(p);
    for (const auto& m : c.port.messages)
      if (m.title == "火災" || m.title == "大火災") ++fires;
    // A store that burnt down stands again for the next month's dice.
    c.openStore(1, test::kStoreRow, test::kStoreColumn, "試験店");
    c.company().sikin = Money::fromInt(1000000);
  }
  EXPECT_TRUE(asOftenAs(fires, kTrials, chance));
}

}  // namespace
}  // namespace gm

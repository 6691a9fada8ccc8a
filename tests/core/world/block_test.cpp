// City blocks: setter limits, derived values, neighbourhood scans and land prices.
#include <gtest/gtest.h>

#include "base/rating.h"
#include "test_city.h"
#include "world/block.h"

namespace gm {
namespace {

using test::makeWorld;
using test::place;

TEST(Block, KindTableHoldsItsOwnLimits) {
  for (int k = 0; k < kKindCount; ++k) {
    const KindInfo& info = kindInfo(k);
    SCOPED_TRACE(k);
    EXPECT_LE(info.startPopulation, info.capacity);
    EXPECT_LE(info.startLandPrice, info.maxLandPrice);
    Tchip b;
    b.kind = static_cast<uint8_t>(k);
    EXPECT_EQ(b.IsPopulated(), info.capacity > 0) << "only populated kinds hold people";
    EXPECT_EQ(info.group == 7, k >= 19 && k <= 26);
  }
  EXPECT_EQ(&kindInfo(29), &kindInfo(0));
  EXPECT_EQ(&kindInfo(-1), &kindInfo(0));
}

TEST(Block, SettersClampToTheKindsLimits) {
  Tchip road;
  road.kind = 4;
  road.SetPopulation(500);
  EXPECT_EQ(road.population, 0) << "a road has no room for people";

  Tchip station;
  station.kind = 15;
  station.SetPopulation(-3);
  EXPECT_EQ(station.population, 0);
  station.SetPopulation(751);
  EXPECT_EQ(station.population, 750);
  station.SetLandPrice(1000);
  EXPECT_EQ(station.landPrice, 5000);
  station.SetLandPrice(5000000);
  EXPECT_EQ(station.landPrice, 3000000);
  station.SetFanRate(65, 0);
  EXPECT_EQ(station.fanRate, 50);
  station.SetFanRate(65, kLawLongHours);
  EXPECT_EQ(station.fanRate, 65);
  station.SetFanRate(90, kLawLongHours);
  EXPECT_EQ(station.fanRate, 70);
  station.SetFanRate(-1, 0);
  EXPECT_EQ(station.fanRate, 0);
  station.SetSecurity(101);
  EXPECT_EQ(station.security, 100);
  station.SetUnrest(-4);
  EXPECT_EQ(station.unrest, 0);

  Tchip outside;  // kind 0 has a maximum price of 0, which wins over the 5000 floor
  outside.SetLandPrice(100000);
  EXPECT_EQ(outside.landPrice, 0);
}

TEST(Block, DevelopmentLevelStepsAbove40And70Percent) {
  Tchip housing;
  housing.kind = 21;  // capacity 200
  const std::pair<int, int> cases[] = {{80, 0}, {82, 1}, {140, 1}, {142, 2}, {200, 2}};
  for (auto [people, level] : cases) {
    housing.SetPopulation(people);
    EXPECT_EQ(housing.DevelopmentLevel(), level) << people << " people";
  }
  Tchip school;
  school.kind = 22;
  school.SetPopulation(100);
  EXPECT_EQ(school.Occupancy(), 100);
  EXPECT_EQ(school.DevelopmentLevel(), 0) << "only housing and districts grow bigger pictures";
}

TEST(Block, JitterMovesByADrawOnlyFromSixtyUp) {
  Random rng(7);
  for (int i = 0; i < 50; ++i) {
    uint64_t before = rng.draws();
    EXPECT_EQ(Jitter(20, rng), 20);
    EXPECT_EQ(rng.draws() - before, 1u);
    int v = Jitter(59, rng);
    EXPECT_TRUE(v == 58 || v == 60) << v;
    before = rng.draws();
    v = Jitter(90, rng);  // d = RandInt(3)
    EXPECT_EQ(rng.draws() - before, 2u);
    EXPECT_GE(v, 88);
    EXPECT_LE(v, 92);
  }
}

// A new kind's starting values come from the game's generator in one fixed order: the four
// influences, the fan rate (kept as drawn), population + 1, security, land price and unrest,
// each through its setter. The kinds cover an empty capacity, Jitter's extra draw from 60 up
// (station people, police security) and the plain single-draw jitters.
TEST(Block, InitKindDrawsInItsOrder) {
  for (int kind : {1, 15, 21, 24, 26}) {
    const KindInfo& info = kindInfo(kind);
    for (uint32_t seed = 1; seed <= 25; ++seed) {
      SCOPED_TRACE(testing::Message() << "kind " << kind << ", seed " << seed);
      Random rng(seed), probe(seed);
      Tchip b;
      b.Create(2, 3);
      b.InitKind(kind, rng);

      Tchip expected;
      expected.Create(2, 3);
      expected.kind = static_cast<uint8_t>(kind);
      expected.growthInfluence = probe.randInt(65535);
      expected.securityInfluence = probe.randInt(65535);
      expected.priceInfluence = probe.randInt(65535);
      expected.unrestInfluence = probe.randInt(65535);
      expected.fanRate = Jitter(info.startFanRate, probe);
      expected.SetPopulation(Jitter(info.startPopulation, probe) + 1);
      expected.SetSecurity(Jitter(info.startSecurity, probe));
      expected.SetLandPrice(Jitter(info.startLandPrice, probe));
      expected.SetUnrest(Jitter(info.startUnrest, probe));

      EXPECT_EQ(b.kind, expected.kind);
      EXPECT_EQ(b.growthInfluence, expected.growthInfluence);
      EXPECT_EQ(b.securityInfluence, expected.securityInfluence);
      EXPECT_EQ(b.priceInfluence, expected.priceInfluence);
      EXPECT_EQ(b.unrestInfluence, expected.unrestInfluence);
      EXPECT_EQ(b.fanRate, expected.fanRate);
      EXPECT_EQ(b.population, expected.population);
      EXPECT_EQ(b.security, expected.security);
      EXPECT_EQ(b.landPrice, expected.landPrice);
      EXPECT_EQ(b.unrest, expected.unrest);
      EXPECT_EQ(rng.draws(), probe.draws());
      EXPECT_EQ(rng.seed(), probe.seed());
    }
  }
}

TEST(Block, FanCountAndOwnerLabel) {
  Tchip b;
  b.kind = 21;
  b.SetPopulation(101);
  b.fanRate = 15;
  EXPECT_EQ(b.FanCount(), 15);  // 15.15 truncated
  b.SetPopulation(20);
  b.fanRate = 5;
  EXPECT_EQ(b.FanCount(), 1) << "5 % of 20 people is one fan, exactly";
  EXPECT_EQ(b.OwnerLabel("港市", "山田"), "市民");
  b.kind = 22;
  EXPECT_EQ(b.OwnerLabel("港市", "山田"), "港市");
  b.kind = 27;
  EXPECT_EQ(b.OwnerLabel("港市", "山田"), "山田");
  b.kind = 20;
  b.owner = 3;
  EXPECT_EQ(b.OwnerLabel("港市", "山田"), rivalName(3));
  b.kind = 0;
  EXPECT_EQ(b.OwnerLabel("港市", "山田"), "");
}

TEST(Block, ScansStopAtTheMapEdgeButAroundDividesByTheWholeSquare) {
  auto w = makeWorld(5, 5);
  for (int r = 0; r < 5; ++r)
    for (int c = 0; c < 5; ++c) place(*w, r, c, 21, 100, 40 + r, 100000, c, 10);
  // A block outside the map's extent never counts, whatever it holds.
  place(*w, 0, 5, 26, 150);
  const auto& g = w->blocks;
  const Tchip& corner = w->block(0, 0);
  EXPECT_EQ(corner.CountKindWithin(g, 5, 5, 21, 1), 3);  // (r + 1)^2 - 1
  EXPECT_EQ(corner.CountKindWithin(g, 5, 5, 21, 2), 8);
  EXPECT_FALSE(w->block(0, 4).HasKindWithin(g, 5, 5, 26, 1));
  EXPECT_TRUE(w->block(0, 4).HasKindWithin(g, 6, 5, 26, 1));
  EXPECT_EQ(corner.AverageOccupancyWithin(g, 5, 5, 1), 50);
  EXPECT_EQ(corner.AverageOccupancyAround(g, 5, 5, 1), 150 / 8);
  EXPECT_EQ(corner.AverageOccupancyAround(g, 5, 5, 2), 400 / 24);
  EXPECT_EQ(w->block(2, 2).AverageOccupancyAround(g, 5, 5, 1), 50);
  // (0,1), (1,0), (1,1): security 40, 41, 41; unrest 1, 0, 1.
  EXPECT_EQ(corner.AverageSecurityWithin(g, 5, 5, 1), 40);
  EXPECT_EQ(corner.AverageUnrestWithin(g, 5, 5, 1), 0);
  EXPECT_EQ(corner.AverageFanRateWithin(g, 5, 5, 1), 10);
  EXPECT_EQ(corner.HasGroupWithin(g, 5, 5, 7, 1), true);
  EXPECT_EQ(corner.HasGroupWithin(g, 5, 5, 2, 4), false);
}

TEST(Block, AveragesSkipEmptyBlocksAndAnEmptySquareGivesZero) {
  auto w = makeWorld(3, 3);
  const auto& g = w->blocks;
  place(*w, 1, 1, 21, 100);
  EXPECT_EQ(w->block(1, 1).AverageSecurityWithin(g, 3, 3, 1), 0);
  EXPECT_EQ(w->block(1, 1).AverageOccupancyAround(g, 3, 3, 1), 0);
  place(*w, 0, 0, 21, 200, 90);
  EXPECT_EQ(w->block(1, 1).AverageSecurityWithin(g, 3, 3, 1), 90);
  EXPECT_EQ(w->block(1, 1).AverageOccupancyWithin(g, 3, 3, 1), 100);
  EXPECT_EQ(w->block(1, 1).AverageOccupancyAround(g, 3, 3, 1), 12);  // 100 / 8
  EXPECT_EQ(w->block(0, 0).AverageSecurityWithin(g, 3, 3, 0), 0) << "radius 0 sees nothing";
}

TEST(Block, OwnerScansTellRivalsApart) {
  auto w = makeWorld(5, 5);
  const auto& g = w->blocks;
  place(*w, 2, 3, 20).owner = 1;
  place(*w, 0, 0, 20).owner = 2;
  place(*w, 1, 1, 28).owner = 1;
  const Tchip& centre = w->block(2, 2);
  EXPECT_TRUE(centre.HasRivalStoreAdjacent(g, 5, 5, 1));
  EXPECT_FALSE(centre.HasRivalStoreAdjacent(g, 5, 5, 2));
  EXPECT_TRUE(centre.HasRivalParkingAdjacent(g, 5, 5, 1));
  EXPECT_FALSE(centre.HasRivalParkingAdjacent(g, 5, 5, 0));
  EXPECT_FALSE(centre.HasOtherRivalStoreWithin(g, 5, 5, 1, 1)) << "(0,0) is two rows away";
  EXPECT_TRUE(centre.HasOtherRivalStoreWithin(g, 5, 5, 1, 2));
  EXPECT_TRUE(centre.HasOtherRivalStoreWithin(g, 5, 5, 0, 1));
  EXPECT_EQ(centre.CountOwnedKindWithin(g, 5, 5, 20, 1, 2), 1);
  EXPECT_EQ(centre.CountKindWithin(g, 5, 5, 20, 2), 2);
  EXPECT_EQ(w->block(2, 3).CountOwnedKindWithin(g, 5, 5, 20, 1, 4), 0) << "itself excluded";
}

// Draw counts show that every draw of a purchase is made, refused or not.
TEST(BlockPrices, PurchasePriceByKind) {
  Tchip b;
  b.kind = 1;
  b.SetSecurity(35);  // 0.95
  b.SetLandPrice(123457);
  Random rng(5);
  for (int i = 0; i < 30; ++i) {
    Random probe = rng;
    bool refused = probe.randInt(3) == 1;
    refused = probe.randInt(100) + 1 < 60 || refused;
    PurchaseQuote q = b.PurchasePrice(60, rng);
    EXPECT_EQ(q.price, 117284);  // 117284.15
    EXPECT_EQ(q.refused, refused);
    EXPECT_EQ(rng.seed(), probe.seed());
  }

  b.kind = 21;  // S 1.12, U 1.05 (unrest 25), O 1.25 (occupancy 50)
  b.SetSecurity(50);
  b.SetLandPrice(150000);
  b.SetPopulation(100);
  b.SetUnrest(25);
  uint64_t before = rng.draws();
  EXPECT_EQ(b.PurchasePrice(0, rng).price, 168000 + 65625);
  EXPECT_EQ(rng.draws() - before, 2u);

  b.kind = 24;  // capacity 300: 150 people is occupancy 50
  b.SetPopulation(150);
  b.SetLandPrice(260000);
  EXPECT_EQ(b.PurchasePrice(0, rng).price, 305760 + 78750);  // 260000 x 1.12 x 1.05
  b.kind = 25;  // capacity 400: 150 people is occupancy 37, O 1.07
  EXPECT_EQ(b.PurchasePrice(0, rng).price, 305760 + 50557);  // 1.1235 x 150 x 300 = 50557.5

  b.kind = 3;
  b.SetLandPrice(100000);
  for (int i = 0; i < 20; ++i) {
    before = rng.draws();
    int64_t p = b.PurchasePrice(0, rng).price;
    EXPECT_EQ(rng.draws() - before, 4u);
    EXPECT_TRUE(p == 112000 || p == 224000 || p == 336000) << p;
  }

  b.kind = 26;
  before = rng.draws();
  EXPECT_EQ(b.PurchasePrice(0, rng).price, 200000);
  EXPECT_EQ(rng.draws() - before, 1u);
}

TEST(BlockPrices, SaleNeverGoesAboveTheBuyersValue) {
  Tchip b;
  b.kind = 2;
  b.SetLandPrice(100000);
  b.SetSecurity(35);  // sale security 0.75; charm 50 -> 0.95; value 71250
  Random rng(99);
  int soldAtValue = 0, cheapSold = 0, cheapTries = 0;
  for (int i = 0; i < 300; ++i) {
    SaleAnswer dear = b.SaleAccepted(71251, 50, 0, rng);
    EXPECT_TRUE(dear.tooDear);
    EXPECT_FALSE(dear.sold);

    Random probe = rng;
    SaleAnswer fair = b.SaleAccepted(71250, 50, 0, rng);
    EXPECT_FALSE(fair.tooDear);
    // Odds 6 (unrest 0); the rescue needs a price of at most 40 % of the value.
    bool expected = probe.randInt(6) != 1;
    expected = probe.randInt(3) != 1 && expected;
    EXPECT_EQ(fair.sold, expected);
    soldAtValue += fair.sold;

    // At 28 % of the value, a put-off buyer always comes round (RandInt(28) < 30): only the
    // last one-in-three draw can stop the sale.
    probe = rng;
    SaleAnswer cheap = b.SaleAccepted(20000, 50, 0, rng);
    bool firstRefused = probe.randInt(6) == 1;
    if (firstRefused) probe.randInt(28);
    EXPECT_EQ(cheap.sold, probe.randInt(3) != 1);
    EXPECT_EQ(rng.seed(), probe.seed());
    cheapTries += 1;
    cheapSold += cheap.sold;
  }
  EXPECT_GT(soldAtValue, 0);
  EXPECT_GT(cheapSold, soldAtValue);
  EXPECT_LE(cheapSold, cheapTries);
}

TEST(BlockPrices, ConstructionCostWeighsCharmAndDensity) {
  Tchip b;
  b.kind = 19;
  // Clearing a three-floor store: 3 x 1000 x 0.98 x 1.04 = 3057.6
  EXPECT_EQ(b.ConstructionCost(0, 2, 50, 50), 3057);
  b.kind = 1;
  EXPECT_EQ(b.ConstructionCost(0, 2, 50, 50), 1019);  // vacant land clears as one unit
  EXPECT_EQ(b.ConstructionCost(6, 4, 0, 100), 756 + 756000);
  EXPECT_EQ(b.ConstructionCost(2, 0, 100, 0), 1296 + 129600);
  EXPECT_EQ(b.ConstructionCost(1, 0, 45, 45), 1000 + 4000);
}

}  // namespace
}  // namespace gm

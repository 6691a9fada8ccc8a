// One block's monthly step: the neighbour weights and effects, the fall back to vacant land, the
// development of vacant land and the changed flag.
#include <gtest/gtest.h>

#include <tuple>

#include "test_city.h"
#include "world/block_simulation.h"

namespace gm {
namespace {

using test::makeWorld;
using test::place;

BlockStepInputs inputsFor(const tworld& w) {
  BlockStepInputs in;
  in.grid = &w.blocks;
  in.width = w.mapWidth;
  in.height = w.mapHeight;
  in.laws = w.laws;
  in.cityType = w.cityType;
  in.citySecurity = 50;
  in.taxRate = w.taxRate;
  return in;
}

TEST(BlockSimulation, NeighbourWeightsFallWithDistance) {
  EXPECT_EQ(NeighbourWeight(1), 5050);
  EXPECT_EQ(NeighbourWeight(2), 4950);
  EXPECT_EQ(NeighbourWeight(20), 3321);
}

TEST(BlockSimulation, NeighbourEffectRoundsTheRatioProductBeforeWeighing) {
  Tchip district;
  district.kind = 24;
  district.SetPopulation(90);  // occupancy 30
  district.SetLandPrice(70000);
  district.SetSecurity(40);
  // Centre: housing at occupancy 50 and price 150000, both above the neighbour's, so both ratios
  // are negative: p = -2.1429, q = -1.6667, p x q = 3.57157143 -> 3.5716.
  for (uint32_t seed = 1; seed < 40; ++seed) {
    Random rng(seed), probe(seed);
    Influences e = NeighbourEffect(district, 21, 1, 50, 150000, rng);
    int g = probe.randInt(3);  // housing centre: shopping district neighbour +3
    int s = probe.randInt(4);
    int k = probe.randInt(4);
    int u = probe.randInt(3);
    EXPECT_EQ(e.growth, g * 5050);
    EXPECT_EQ(e.security, 5050 * 40 * s);
    EXPECT_EQ(e.price, 35716LL * 5050 * k / 10000);
    EXPECT_EQ(e.unrest, u * 5050);
    EXPECT_EQ(rng.seed(), probe.seed());
  }
  // A police neighbour calms (-20) and a vacant-land centre has no growth draw.
  Tchip police;
  police.kind = 26;
  police.SetSecurity(80);
  Random rng(3), probe(3);
  Influences e = NeighbourEffect(police, 1, 20, 0, 0, rng);
  EXPECT_EQ(e.growth, 0);
  probe.randInt(10);
  probe.randInt(4);
  EXPECT_EQ(e.unrest, -probe.randInt(20) * 3321);
  EXPECT_EQ(rng.seed(), probe.seed());

  Tchip outside;
  Random quiet(5);
  EXPECT_EQ(NeighbourEffect(outside, 21, 1, 50, 100000, quiet), Influences{});
  EXPECT_EQ(quiet.draws(), 0u);
}

// The neighbour pass runs on a compact view with its own exact arithmetic; it must give the sums
// and draws of NeighbourEffect summed neighbour by neighbour, also for prices whose ratios tie
// at the half (20001 / 20000) and for the extremes of the price range.
TEST(BlockSimulation, NeighbourPassMatchesNeighbourEffectOneByOne) {
  const int prices[] = {5000, 20000, 20001, 60000, 60000, 150000, 449999, 3000000};
  for (uint32_t seed = 1; seed <= 6; ++seed) {
    auto w = makeWorld(23, 21, seed);
    Random layout(seed);
    for (int r = 0; r < 23; ++r)
      for (int c = 0; c < 21; ++c) {
        int kind = layout.randInt(29);
        Tchip& b = place(*w, r, c, kind, layout.randInt(800), layout.randInt(101));
        b.landPrice = prices[layout.randInt(8)];  // directly: past the kind's own limits
      }
    NeighbourView view;
    view.Build(w->blocks, 21, 23);
    for (int r = 0; r < 23; ++r)
      for (int c = 0; c < 21; ++c) {
        const Tchip& b = w->block(r, c);
        Random fast(seed + r * 100 + c), plain = fast;
        Influences expected;
        for (int y = r - 10; y <= r + 10; ++y)
          for (int x = c - 10; x <= c + 10; ++x) {
            if (!w->onMap(y, x) || (y == r && x == c)) continue;
            Influences e = NeighbourEffect(w->block(y, x), b.kind, b.Distance(y, x), b.Occupancy(),
                                           b.landPrice, plain);
            expected.growth += e.growth;
            expected.security += e.security;
            expected.price += e.price;
            expected.unrest += e.unrest;
          }
        ASSERT_EQ(SumNeighbourEffects(b, view, 21, 23, fast), expected) << r << "," << c;
        ASSERT_EQ(fast.seed(), plain.seed());
        ASSERT_EQ(fast.draws(), plain.draws());
      }
  }
}

TEST(BlockSimulation, ALoneBlockFeelsNoPull) {
  auto w = makeWorld(1, 1);
  Tchip& b = place(*w, 0, 0, 21, 100, 50, 150000, 20, 10);
  b.growthInfluence = b.securityInfluence = b.priceInfluence = b.unrestInfluence = 777;
  BlockStepInputs in = inputsFor(*w);
  NeighbourView view;
  view.Build(w->blocks, 1, 1);
  EXPECT_EQ(SumNeighbourEffects(b, view, 1, 1, w->rng()), Influences{});
  EXPECT_EQ(w->rng().draws(), 0u);
  SimulateBlock(b, in, w->rng());
  EXPECT_EQ(b.growthInfluence, 0);
  EXPECT_EQ(b.securityInfluence, 0);
  EXPECT_EQ(b.priceInfluence, 0);
  EXPECT_EQ(b.unrestInfluence, 0);
}

TEST(BlockSimulation, EmptiedBlocksFallBackOrAreRefilled) {
  int fellBack[27] = {};
  for (uint32_t seed = 1; seed <= 400; ++seed) {
    for (int kind : {21, 22, 24, 26}) {
      auto w = makeWorld(1, 1, seed);
      // A school at 9 people may empty; a police station at 9 never drops below 5.
      Tchip& b = place(*w, 0, 0, kind, kind == 21 ? 0 : 9, 50, 1000000, 30, 20);
      SimulateBlock(b, inputsFor(*w), w->rng());
      if (b.kind == 1) {
        ++fellBack[kind];
        EXPECT_EQ(b.population, 0);
        EXPECT_EQ(b.unrest, 0);
        EXPECT_EQ(b.fanRate, 0);
        // Clamped by the old kind: the land stays dearer than vacant land can be for a month.
        EXPECT_GT(b.landPrice, kindInfo(1).maxLandPrice) << kind;
      } else {
        ASSERT_EQ(b.kind, kind);
        EXPECT_GE(b.population, 5) << "a nearly empty block is refilled to 5..10 people";
      }
    }
  }
  EXPECT_GT(fellBack[21], 0);
  EXPECT_GT(fellBack[22], 0);
  EXPECT_EQ(fellBack[26], 0);
  EXPECT_GT(fellBack[24], 0);
}

// Vacant land in the middle of a full 5 x 5 housing estate.
std::unique_ptr<tworld> estate(uint32_t seed) {
  auto w = makeWorld(5, 5, seed);
  for (int r = 0; r < 5; ++r)
    for (int c = 0; c < 5; ++c) place(*w, r, c, 21, 200, 50, 150000, 10, 10);
  place(*w, 2, 2, 1, 0, 50, 150000);
  return w;
}

TEST(BlockSimulation, VacantLandDevelopsOnlyWhereThePolicyOrANeedCalls) {
  for (uint32_t seed = 1; seed <= 300; ++seed) {
    auto w = estate(seed);
    BlockStepInputs in = inputsFor(*w);
    BlockStepResult r = SimulateBlock(w->block(2, 2), in, w->rng());
    ASSERT_EQ(w->block(2, 2).kind, 1) << "seed " << seed;
    EXPECT_FALSE(r.changed);
    EXPECT_EQ(r.housing + r.commerce + r.business, 0);
  }
}

TEST(BlockSimulation, DevelopmentMovesThePoliciesOnlyBelowCityType4) {
  int developed[2] = {};
  for (int cityType : {0, 4}) {
    for (uint32_t seed = 1; seed <= 200; ++seed) {
      auto w = estate(seed);
      BlockStepInputs in = inputsFor(*w);
      in.cityType = cityType;
      in.housing = 100;  // every draw picks housing; the full estate lets it build
      in.commerce = 40;
      in.business = 40;
      BlockStepResult r = SimulateBlock(w->block(2, 2), in, w->rng());
      const Tchip& b = w->block(2, 2);
      if (b.kind == 1) {
        EXPECT_EQ(r.housing, 100);
        continue;
      }
      ++developed[cityType == 0 ? 0 : 1];
      EXPECT_TRUE(r.changed);
      EXPECT_GE(b.population, 1);
      if (cityType == 4) {
        EXPECT_EQ(std::tie(r.housing, r.commerce, r.business),
                  std::tie(in.housing, in.commerce, in.business));
      } else if (b.kind == 21) {
        EXPECT_EQ(r.housing, 97);
        EXPECT_EQ(r.commerce, 42);
        EXPECT_EQ(r.business, 42);
      } else if (b.kind == 24) {
        EXPECT_EQ(r.housing, 100);  // +1, clamped
        EXPECT_EQ(r.commerce, 38);
      }
    }
  }
  EXPECT_GT(developed[0], 0);
  EXPECT_GT(developed[1], 0);
}

TEST(BlockSimulation, ChangedFollowsTheDevelopmentLevelToo) {
  int levelOnly = 0;
  for (uint32_t seed = 1; seed <= 400; ++seed) {
    auto w = makeWorld(3, 3, seed);
    for (int r = 0; r < 3; ++r)
      for (int c = 0; c < 3; ++c) place(*w, r, c, 6, 0, 50, 130000);
    Tchip& b = place(*w, 1, 1, 21, 80, 50, 150000, 20, 10);  // occupancy 40: level 0
    BlockStepResult r = SimulateBlock(b, inputsFor(*w), w->rng());
    bool levelMoved = b.DevelopmentLevel() != 0;
    EXPECT_EQ(r.changed, b.kind != 21 || levelMoved);
    levelOnly += b.kind == 21 && levelMoved;
  }
  EXPECT_GT(levelOnly, 0) << "from 80 to 82 people housing reaches level 1";
}

}  // namespace
}  // namespace gm

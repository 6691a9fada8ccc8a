// One block's monthly step: the neighbour weights and effects, the fall back to vacant land, the
// development of vacant land and the changed flag.
#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <tuple>
#include <utility>

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

// With no neighbours every sum is 0, and with thresholds of 2 no RandInt(2) is below 0: the
// block leans nowhere until fortune flips it. On a lone block no rescue can succeed, so security
// and unrest then follow their own flips, and when the four flips agree the population and the
// land price go the same way (the later adjustments only ever push towards the agreed side).
TEST(BlockSimulation, ALoneBlockLeansNowhereBeforeTheFlips) {
  auto w = makeWorld(1, 1);
  BlockStepInputs in = inputsFor(*w);
  ASSERT_EQ(in.thresholds, InfluenceThresholds{});
  NeighbourView view;
  view.Build(w->blocks, 1, 1);
  int securityRose = 0, securityFell = 0, allUp = 0, allDown = 0;
  for (uint32_t seed = 1; seed <= 600; ++seed) {
    SCOPED_TRACE(seed);
    Tchip& b = place(*w, 0, 0, 21, 100, 50, 150000, 50, 10);
    b.growthInfluence = b.securityInfluence = b.priceInfluence = b.unrestInfluence = 777;
    Random rng(seed);
    ASSERT_EQ(SumNeighbourEffects(b, view, 1, 1, rng), Influences{});
    ASSERT_EQ(rng.draws(), 0u);
    SimulateBlock(b, in, view, rng);
    EXPECT_EQ(b.growthInfluence, 0);
    EXPECT_EQ(b.securityInfluence, 0);
    EXPECT_EQ(b.priceInfluence, 0);
    EXPECT_EQ(b.unrestInfluence, 0);

    Random probe(seed);
    for (int i = 0; i < 4; ++i) probe.randInt(2);  // growth, security, price, unrest thresholds
    const bool growing = probe.randInt(3) == 1;    // a flag that started false is its flip
    const bool safer = probe.randInt(3) == 1;
    const bool priceUp = probe.randInt(3) == 1;
    const bool unrestUp = probe.randInt(3) == 1;
    if (safer) {
      EXPECT_GE(b.security, 50);
    } else {
      EXPECT_LE(b.security, 50);
    }
    if (unrestUp) {
      EXPECT_GE(b.unrest, 50);
    } else {
      EXPECT_LE(b.unrest, 50);
    }
    securityRose += b.security > 50;
    securityFell += b.security < 50;
    if (growing && safer && priceUp && unrestUp) {
      ++allUp;
      EXPECT_GE(b.population, 100);
      EXPECT_GE(b.landPrice, 150000);
    } else if (!growing && !safer && !priceUp && !unrestUp) {
      ++allDown;
      EXPECT_LE(b.population, 100);
      EXPECT_LE(b.landPrice, 150000);
    }
  }
  EXPECT_GT(securityRose, 0);
  EXPECT_GT(securityFell, 0);
  EXPECT_GT(allUp, 0);
  EXPECT_GT(allDown, 0);
}

// A block in the middle of a 3 x 3 ring of roads, stepped once with the people under test and
// once as a twin at full capacity. Roads hold nobody, so the centre's occupancy changes none of
// the neighbours' pull: up to the decline check the twin makes every draw the block makes, in
// the same places and, but for the population's, with the same ranges; and it never reaches the
// check itself. The twin thus shows the security and land price that the check found, and where
// the generator stood then.
class DeclineBench {
 public:
  static constexpr int kSecurity = 30;
  static constexpr int kUnrest = 20;
  static constexpr int kFanRate = 20;
  // The widest population draw of these blocks at a handful of people: a district's growth
  // range at occupancy band 0 is 20 + 15 + 7 (20 % tax). A draw of 0 at this range is a draw of
  // 0 at every narrower one, whichever way the block leant.
  static constexpr int kWidestPopulationDraw = 42;

  struct Run {
    Tchip block;  // after the step
    Tchip twin;   // after the step
    uint64_t draws = 0;
    uint64_t twinDraws = 0;
    Random atCheck;       // the generator as the decline check found it
    Random atPopulation;  // the generator as the update's population step found it
    bool populationKept() const {
      Random probe = atPopulation;
      return probe.randInt(kWidestPopulationDraw) == 0;
    }
  };

  DeclineBench() : w_(makeWorld(3, 3)) {
    for (int r = 0; r < 3; ++r)
      for (int c = 0; c < 3; ++c) place(*w_, r, c, 4, 0, 50, 140000);
    in_ = inputsFor(*w_);
    view_.Build(w_->blocks, 3, 3);  // the centre's own cell is never read by its pass
  }

  Run run(int kind, int people, int landPrice, uint32_t seed) {
    Run r;
    std::tie(r.twin, r.twinDraws) = step(kind, kindInfo(kind).capacity, landPrice, seed);
    std::tie(r.block, r.draws) = step(kind, people, landPrice, seed);
    EXPECT_EQ(r.twin.kind, kind) << "the twin must never reach the decline check";
    // The twin ends with its fan decay: two draws, and a third exactly when the rate fell.
    uint64_t beforeCheck = r.twinDraws - 2 - (r.twin.fanRate != kFanRate ? 1 : 0);
    r.atCheck = advanced(seed, beforeCheck);
    r.atPopulation = advanced(seed, beforeCheck - 2);  // population, then unrest
    return r;
  }

 private:
  std::pair<Tchip, uint64_t> step(int kind, int people, int landPrice, uint32_t seed) {
    Tchip& b = place(*w_, 1, 1, kind, people, kSecurity, landPrice, kUnrest, kFanRate);
    Random rng(seed);
    SimulateBlock(b, in_, view_, rng);
    return {b, rng.draws()};
  }
  static Random advanced(uint32_t seed, uint64_t draws) {
    Random rng(seed);
    for (uint64_t i = 0; i < draws; ++i) rng.randInt(1);
    return rng;
  }

  std::unique_ptr<tworld> w_;
  BlockStepInputs in_;
  NeighbourView view_;
};

struct FallBackRule {
  int kind;
  int limit;                         // the check looks at blocks with fewer people than this
  int odds;                          // and one in this many falls back
  int securityRange, securityBonus;  // security + RandInt(range) + bonus
  int priceBase, priceRange;         // (RandInt(range) + base) x (land price div 100)
  int landPrice;  // dear enough that even the cheapest fall back stays above vacant land's limit
};
constexpr FallBackRule kFallBacks[] = {
    {21, 10, 6, 6, 5, 90, 6, 440000},    // housing
    {22, 10, 24, 3, 3, 85, 6, 700000},   // school
    {23, 10, 18, 3, 3, 85, 6, 600000},   // hospital
    {24, 10, 6, 6, 10, 80, 6, 1000000},  // shopping district
    {25, 10, 6, 4, 7, 70, 11, 1500000},  // office district
    {26, 5, 24, 4, 7, 70, 11, 1000000},  // police: as an office district
};

TEST(BlockSimulation, EmptiedBlocksFallBackWithTheirOwnDraws) {
  DeclineBench bench;
  for (const FallBackRule& rule : kFallBacks) {
    SCOPED_TRACE(rule.kind);
    int found = 0;
    for (uint32_t seed = 1; seed <= 3000 && found < 3; ++seed) {
      DeclineBench::Run run = bench.run(rule.kind, 0, rule.landPrice, seed);
      if (run.block.kind == rule.kind) continue;
      ++found;
      const Tchip& b = run.block;
      Random probe = run.atCheck;
      EXPECT_EQ(probe.randInt(rule.odds), 1);
      int security = run.twin.security + probe.randInt(rule.securityRange) + rule.securityBonus;
      int64_t price = static_cast<int64_t>(probe.randInt(rule.priceRange) + rule.priceBase) *
                      (run.twin.landPrice / 100);
      EXPECT_EQ(b.kind, 1);
      EXPECT_EQ(b.population, 0);
      EXPECT_EQ(b.unrest, 0);
      EXPECT_EQ(b.fanRate, 0);
      EXPECT_EQ(b.security, security);
      EXPECT_EQ(b.landPrice, price);
      // Clamped by the old kind: the land stays dearer than vacant land can be for a month.
      EXPECT_GT(b.landPrice, kindInfo(1).maxLandPrice);
      EXPECT_EQ(probe.draws(), run.draws) << "vacant land has no fan decay: the fall back is last";
    }
    EXPECT_EQ(found, 3);
  }

  // A shopping district at 1,000,000 whose own price step came to nothing.
  bool seen = false;
  for (uint32_t seed = 1; seed <= 3000 && !seen; ++seed) {
    DeclineBench::Run run = bench.run(24, 0, 1000000, seed);
    if (run.block.kind != 1 || run.twin.landPrice != 1000000) continue;
    seen = true;
    EXPECT_GE(run.block.landPrice, 800000);
    EXPECT_LE(run.block.landPrice, 850000);
  }
  EXPECT_TRUE(seen);
}

// With the update's population draw at 0 the check sees exactly the people the block started
// with: one below the kind's limit may fall back, or else is refilled to 5..10 people whatever
// it held; at the limit nothing is drawn and nothing changes.
TEST(BlockSimulation, OnlyBlocksBelowTheirLimitMayFallBack) {
  DeclineBench bench;
  for (const FallBackRule& rule : kFallBacks) {
    SCOPED_TRACE(rule.kind);
    int fell = 0, refilled = 0, atLimit = 0;
    for (uint32_t seed = 1; seed <= 12000; ++seed) {
      DeclineBench::Run below = bench.run(rule.kind, rule.limit - 1, rule.landPrice, seed);
      if (!below.populationKept()) continue;
      Random probe = below.atCheck;
      if (probe.randInt(rule.odds) == 1) {
        ++fell;
        EXPECT_EQ(below.block.kind, 1) << "seed " << seed;
      } else {
        EXPECT_EQ(below.block.kind, rule.kind) << "seed " << seed;
        EXPECT_EQ(below.block.population, probe.randInt(6) + 5) << "seed " << seed;
        refilled += below.block.population != rule.limit - 1;
      }

      DeclineBench::Run at = bench.run(rule.kind, rule.limit, rule.landPrice, seed);
      ++atLimit;
      EXPECT_EQ(at.block.kind, rule.kind) << "seed " << seed;
      EXPECT_EQ(at.block.population, rule.limit) << "seed " << seed;
      EXPECT_EQ(at.draws, at.twinDraws) << "seed " << seed << ": no decline draw at the limit";
    }
    EXPECT_GT(fell, 0);
    EXPECT_GT(refilled, 0);
    EXPECT_GT(atLimit, 100);
  }
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

TEST(BlockSimulation, DevelopmentMovesThePoliciesByFixedAmountsOnlyBelowCityType4) {
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

  // The table's changes are fixed amounts, not draws: its entries of 1 move a policy by exactly
  // one. A policy of 100 wins every draw and the full estate lets the district build.
  for (uint32_t seed = 1; seed <= 20; ++seed) {
    for (int kind : {24, 25}) {
      SCOPED_TRACE(testing::Message() << "seed " << seed << ", kind " << kind);
      auto w = estate(seed);
      BlockStepInputs in = inputsFor(*w);
      in.cityType = kind == 24 ? 2 : 3;  // shopping: housing +1, commerce -1; office: +1, -1
      in.housing = 60;
      in.commerce = kind == 24 ? 100 : 0;
      in.business = kind == 25 ? 100 : 0;
      BlockStepResult r = SimulateBlock(w->block(2, 2), in, w->rng());
      ASSERT_EQ(w->block(2, 2).kind, kind);
      EXPECT_EQ(r.housing, 61);
      EXPECT_EQ(kind == 24 ? r.commerce : r.business, 99);
    }
  }
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

// A store's monthly ratings and its influence on the blocks around it, each case written out
// draw by draw from the rules: a probe generator with the store's seed makes the draws the
// month must make, in the order it must make them.
#include <gtest/gtest.h>

#include <memory>

#include "company/store_influence.h"
#include "company/store_ratings.h"
#include "core/world/test_city.h"

namespace gm {
namespace {

constexpr int kMonth = 40;

class Ratings : public ::testing::Test {
 protected:
  void SetUp() override {
    world = test::makeWorld(7, 7);
    store.used = true;
    store.blockY = store.blockX = 3;
    store.senren = store.chimei = 50;
    store.manzoku = 60;
    world->block(3, 3).kind = 19;
  }
  RatingSurroundings at(uint16_t laws = 0) { return {world->blocks, 7, 7, laws, kMonth}; }
  Tddai& island(int i, int refinement = 80) {
    Tddai& d = store.dai[0][i];
    d.used = true;
    d.kounyuuMonth = kMonth - 3;
    d.shukka = 5000;
    d.actual = {50, 50, static_cast<uint8_t>(refinement), 50};
    return d;
  }

  std::unique_ptr<tworld> world;
  Ttempo store;
};

TEST_F(Ratings, AWaitingStoresRefinementAgesAndFollowsItsStreets) {
  store.joutai = kWaiting;
  store.shuttenMonth = kMonth - 20;
  store.hansoku.www = 2;
  // Sixteen night spots and twenty office blocks within three of the store.
  int placed = 0;
  for (int r = 0; r < 7; ++r)
    for (int c = 0; c < 7; ++c) {
      if (r == 3 && c == 3) continue;
      world->block(r, c).kind = static_cast<uint8_t>(placed < 16 ? 24 : placed < 36 ? 25 : 1);
      ++placed;
    }

  for (uint32_t seed = 1; seed <= 20; ++seed) {
    store.senren = 50;
    Random rng(seed), probe(seed);
    int64_t q = -probe.randInt(2);  // ten years' wear of a 20-month building: (10 - 5) / 2
    if (probe.randInt(100) > 40) q += probe.randInt(4);  // the web server, size 2
    probe.randInt(100);                                  // no television
    q -= probe.randInt(2);                               // 16 night spots / 8
    q += probe.randInt(2);                               // 20 office blocks / 10
    UpdateRefinement(store, at(), 50, rng);
    EXPECT_EQ(store.senren, 50 + q) << "seed " << seed;
    EXPECT_EQ(rng.draws(), probe.draws()) << "seed " << seed;
  }
}

TEST_F(Ratings, AnOpenStoresRefinementWeighsItsMachinesStaffAndRates) {
  store.joutai = kOpen;
  store.shuttenMonth = kMonth - 4;
  store.pkankin = 6;  // the stingiest pachinko rate
  island(0);
  for (uint32_t seed = 1; seed <= 20; ++seed) {
    store.senren = 50;
    Random rng(seed), probe(seed);
    int64_t q = probe.randInt(4);  // the machines' refinement 80 is above the store's
    probe.randInt(100);            // the intelligence draw: no event running
    probe.randInt(100);            // skill 0 is below any bar ...
    q -= probe.randInt(2);
    probe.randInt(100);  // ... and so is morale
    q -= probe.randInt(2);
    q -= probe.randInt(5);  // class 6 loses RandInt(5)
    probe.randInt(100);     // no women on the staff
    q += probe.randInt(5);  // a building of four months: h = 2, RandInt(7 - 2)
    probe.randInt(100);
    probe.randInt(100);
    UpdateRefinement(store, at(), 50, rng);
    EXPECT_EQ(store.senren, std::max<int64_t>(50 + q, 0)) << "seed " << seed;
    EXPECT_EQ(rng.draws(), probe.draws()) << "seed " << seed;
  }

  // Machines 130 months old on average: the age term is RandInt(116), and the rating stays >= 0.
  store.dai[0][0].kounyuuMonth = kMonth - 130;
  store.senren = 0;
  Random rng(3);
  UpdateRefinement(store, at(), 50, rng);
  EXPECT_GE(store.senren, 0);
}

TEST_F(Ratings, ANewStoreDrawsFameForItsNewnessAndAnOldOneLosesSome) {
  store.joutai = kWaiting;
  for (int age : {0, 15}) {
    store.shuttenMonth = kMonth - age;
    for (uint32_t seed = 1; seed <= 20; ++seed) {
      store.chimei = 50;
      Random rng(seed), probe(seed);
      int64_t q = -probe.randInt(6);  // waiting
      probe.randInt(2);               // the talk of a quiet street ...
      q -= probe.randInt(4);          // ... does the store no good
      if (age == 0) q += probe.randInt(20);
      if (age == 15) q -= probe.randInt(4);  // (15 - 3) / 3
      for (int promotion = 0; promotion < 6; ++promotion) probe.randInt(100);
      UpdateFame(store, at(), rng);
      EXPECT_EQ(store.chimei, 50 + q) << "age " << age << " seed " << seed;
      EXPECT_EQ(rng.draws(), probe.draws()) << "age " << age << " seed " << seed;
    }
  }
}

TEST_F(Ratings, SatisfactionOfAnOpenStoreOnlyAndItsStingyRates) {
  store.joutai = kWaiting;
  Random quiet(9);
  UpdateSatisfaction(store, 0, kMonth, quiet);
  EXPECT_EQ(quiet.draws(), 0u) << "nobody plays in a closed hall";
  EXPECT_EQ(store.manzoku, 60);

  store.joutai = kOpen;
  store.shuttenMonth = kMonth - 30;
  store.pkankin = 6;
  for (uint32_t seed = 1; seed <= 20; ++seed) {
    store.manzoku = 60;
    Random rng(seed), probe(seed);
    int64_t q = -probe.randInt(5);  // 30 months: (30 - 20) / 2
    q -= probe.randInt(4);          // class 6
    q += probe.randInt(3);          // law bit 6
    UpdateSatisfaction(store, kLawClosedDays, kMonth, rng);
    EXPECT_EQ(store.manzoku, 60 + q) << "seed " << seed;
    EXPECT_EQ(rng.draws(), probe.draws()) << "seed " << seed;
  }
}

TEST(RatingTerms, ProfitRateTermAndPromotionPower) {
  Ttempo s;
  s.uriage[kTotal] = Money::fromInt(100);
  s.arari[kTotal] = Money::fromInt(15);
  EXPECT_EQ(ProfitRateTerm(s), -7);
  s.arari[kTotal] = Money::fromInt(31);
  EXPECT_EQ(ProfitRateTerm(s), -15);
  s.arari[kTotal] = -Money::fromRaw(155000);  // a loss of 15.5 %
  EXPECT_EQ(ProfitRateTerm(s), 7);

  Thansoku h;
  EXPECT_EQ(PromotionPower(h), Money());
  h.event = 4;          // 1.0
  h.mail = 10;          // 1.5
  h.tissue = 2;         // 0.6
  h.www = 1;            // 0.5
  h.newspaperSize = 2;  // 0.3 x 2 x 3 = 1.8
  h.newspaperTerm = 3;
  h.tvAgency = 2;  // 25 seconds: 2 x 3.0
  h.tvSpot = 1;
  EXPECT_EQ(PromotionPower(h), Money::fromRaw(114000));
}

TEST(StoreInfluence, PlayValueMakesTheStreetsSaferOnlyWhenItsDrawGivesTwo) {
  auto w = test::makeWorld(5, 5);
  w->block(2, 2).kind = 19;
  Ttempo s;
  s.used = true;
  s.joutai = kOpen;
  s.blockY = s.blockX = 2;
  s.shuttenMonth = kMonth - 10;
  Tddai& d = s.dai[0][0];
  d.used = true;
  d.actual = {50, 60, 50, 40};  // play value 60, gambling appeal below 60, novelty 40
  bool safer = false, unchanged = false;
  for (uint32_t seed = 1; seed <= 30; ++seed) {
    test::place(*w, 2, 3, 21, 100, 50);
    Random rng(seed), probe(seed);
    int security = 50;
    if (probe.randInt(3) == 2) security += probe.randInt(2);
    probe.randInt(2);  // the novelty's pull: one fan at most, too little to move anyone
    InfluenceBlocks(s, w->blocks, 5, 5, 0, kMonth, rng);
    EXPECT_EQ(w->block(2, 3).security, security) << "seed " << seed;
    EXPECT_EQ(rng.draws(), probe.draws()) << "seed " << seed;
    (security == 50 ? unchanged : safer) = true;
  }
  EXPECT_TRUE(safer && unchanged) << "both outcomes seen";
}

TEST(StoreInfluence, PromotionsWinFansNearAnOpenStoreWhereFeelingsAreCalm) {
  auto w = test::makeWorld(5, 5);
  w->block(2, 2).kind = 19;
  Ttempo s;
  s.used = true;
  s.joutai = kWaiting;
  s.blockY = s.blockX = 2;
  s.shuttenMonth = kMonth - 3;  // the pull spreads one block
  s.hansoku.tvAgency = 5;       // 5.0 of power
  Random rng(4);
  InfluenceBlocks(s, w->blocks, 5, 5, 0, kMonth, rng);
  EXPECT_EQ(rng.draws(), 0u) << "only an open store pulls";

  s.joutai = kOpen;
  test::place(*w, 2, 3, 21, 100, 50, 100000, 0, 10);    // next door, calm
  test::place(*w, 0, 0, 21, 100, 50, 100000, 0, 10);    // four away
  test::place(*w, 1, 2, 21, 100, 50, 100000, 100, 10);  // next door, resentful
  int rose = 0;
  for (uint32_t seed = 1; seed <= 20; ++seed) {
    w->block(2, 3).SetFanRate(10, 0);
    Random r(seed);
    InfluenceBlocks(s, w->blocks, 5, 5, 0, kMonth, r);
    EXPECT_EQ(w->block(0, 0).fanRate, 10) << "beyond the spread";
    EXPECT_EQ(w->block(1, 2).fanRate, 10) << "unrest 100 is never below the draw + 1";
    EXPECT_GE(w->block(2, 3).fanRate, 10);
    EXPECT_LE(w->block(2, 3).fanRate, 14) << "RandInt(5) at most";
    rose += w->block(2, 3).fanRate > 10;
  }
  EXPECT_GT(rose, 0);
}

}  // namespace
}  // namespace gm

// The month's results: how a block's fans are split among the stores that reach it, how far a
// store reaches, how its customers are split among its islands, and the scores in extended
// precision.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <memory>
#include <vector>

#include "company/results.h"
#include "company/rival_reach.h"
#include "company/store_reach.h"
#include "core/world/test_city.h"
#include "support/scripted_frontend.h"

namespace gm {
namespace {

std::vector<int64_t> split(int64_t total, int64_t divisor, int parts) {
  std::vector<int64_t> shares(parts);
  SplitIntoShares(total, divisor, shares);
  return shares;
}

TEST(ResultsSharing, SharesGoRoundTakingAThirdOfWhatRemains) {
  // 3, 2 and 1 in the first round, then a customer each until none is left.
  EXPECT_EQ(split(10, 3, 3), (std::vector<int64_t>{5, 3, 2}));
  EXPECT_EQ(split(10, 3, 2), (std::vector<int64_t>{6, 4}));
  EXPECT_EQ(split(37, 3, 1), (std::vector<int64_t>{37})) << "a lone store takes everything";
  EXPECT_EQ(split(2, 3, 4), (std::vector<int64_t>{1, 1, 0, 0}));
  // Even a block without fans sends one customer to the first store.
  EXPECT_EQ(split(0, 3, 2), (std::vector<int64_t>{1, 0}));
  EXPECT_EQ(split(0, 3, 1), (std::vector<int64_t>{1}));
  // Islands divide by their own number.
  EXPECT_EQ(split(10, 4, 4), (std::vector<int64_t>{3, 3, 2, 2}));
}

TEST(ResultsScores, ScoresAndWeightsAreExtendedPrecision) {
  Ttempo s;
  s.senren = 1;
  EXPECT_EQ(PlayerStoreScore(s), 0.35L);
  s.chimei = 1;
  const Extended score = PlayerStoreScore(s);
  EXPECT_EQ(score, 0.6L);
  EXPECT_NE(score, static_cast<Extended>(0.6)) << "a double would lose the last digits";
  EXPECT_EQ(ReachWeight(score, 2), 59.4L);
  EXPECT_NE(ReachWeight(score, 2), static_cast<Extended>(99 * 0.6));

  // Exchange-rate bonuses: a player store only for the kinds of machine it has.
  s.pkankin = 6;
  s.skankin = 3;
  EXPECT_EQ(PlayerStoreScore(s), score) << "no machine, no bonus";
  s.dai[0][0].used = true;
  EXPECT_EQ(PlayerStoreScore(s), score + 6);
  s.dai[0][1].used = true;
  s.dai[0][1].kishu = 8;
  EXPECT_EQ(PlayerStoreScore(s), score + 12);
  TEntempo r;
  r.senren = r.chimei = r.manzoku = r.moral = r.skill = 50;
  r.pkankin = 2;
  r.skankin = 1;
  EXPECT_NEAR(static_cast<double>(RivalStoreScore(r)), 0.9 * 50 + 2 + 2, 1e-12);
}

TEST(ResultsReach, TheSizeCapsHowFarAStoreReaches) {
  auto w = test::makeWorld(7, 7);
  // Three car parks and four stores of the company's around (3, 3), and a station two away.
  for (auto [r, c] : {std::pair{2, 2}, {2, 3}, {2, 4}}) w->block(r, c).kind = 27;
  for (auto [r, c] : {std::pair{3, 2}, {3, 4}, {4, 2}, {4, 3}}) w->block(r, c).kind = 19;
  w->block(4, 4).kind = 19;
  w->block(5, 5).kind = 15;
  Ttempo s;
  s.blockY = s.blockX = 3;
  const std::array<int, 5> caps = {4, 6, 8, 10, 11};  // 2 + 1 + 3 + 5 before the cap
  for (int kibo = 0; kibo < 5; ++kibo) {
    s.kibo = static_cast<uint8_t>(kibo);
    EXPECT_EQ(StoreReachRadius(w->blocks, 7, 7, s), caps[kibo]) << "size " << kibo;
  }
  w->block(5, 5).kind = 1;
  s.kibo = 4;
  EXPECT_EQ(StoreReachRadius(w->blocks, 7, 7, s), 10) << "without the station";

  // A rival counts only its own car parks and stores, and small halls are capped harder.
  for (int r = 2; r <= 4; ++r)
    for (int c = 2; c <= 4; ++c) {
      Tchip& b = w->block(r, c);
      b.kind = static_cast<uint8_t>(r == 2 ? 28 : 20);
      b.owner = 1;
    }
  w->block(4, 4).owner = 2;
  w->block(5, 5).kind = 15;
  TEntempo t;
  t.owner = 1;
  t.blockRow = t.blockColumn = 3;
  const std::array<int, 5> rivalCaps = {4, 5, 7, 10, 10};  // 2 + 1 + 3 + 4
  for (int kibo = 0; kibo < 5; ++kibo) {
    t.kibo = static_cast<uint8_t>(kibo);
    EXPECT_EQ(RivalReachRadius(w->blocks, 7, 7, t), rivalCaps[kibo]) << "rival size " << kibo;
  }
}

// A small city for the calculation: a scripted port, the rivals in town with money, and helpers
// to put open stores of either side on it.
class Results : public ::testing::Test {
 protected:
  void SetUp() override {
    world = test::makeWorld(5, 5, 3);
    world->setFrontend(&port);
    world->month = 40;
    world->kaichou.SetSikin(Money::fromInt(1000000));
    for (int i = 0; i < kRivalCount; ++i) {
      world->rivals.sanka[i] = true;
      world->rivals.shikin[i] = Money::fromInt(1000000);
    }
  }

  // An open player store in slot n with `islands` pachinko islands, all five ratings at
  // `rating`, and a staff of ten well paid enough to stay through the month's close.
  Ttempo& playerStore(int n, int row, int column, int rating, int islands = 1) {
    world->block(row, column).kind = 19;
    Ttempo& s = world->kaichou.slot(n);
    s.used = true;
    s.joutai = kOpen;
    s.name = "試験店";
    s.blockY = row;
    s.blockX = column;
    s.shuttenMonth = 20;
    s.senren = s.chimei = s.manzoku = rating;
    s.setDansei(10);
    s.kyuyo = 1000;
    s.fukuri = 1000;
    s.setMoral(Money::fromInt(rating));
    s.setSkill(Money::fromInt(rating));
    for (int i = 0; i < islands; ++i) {
      Tddai& d = s.dai[0][i];
      d.used = true;
      d.name = "試験台";
      d.kounyuuMonth = 30;
      d.shukka = 5000;
      d.riritu = Money::fromInt(15);
    }
    return s;
  }
  TEntempo& rivalStore(int k, int row, int column, int rating) {
    world->block(row, column).kind = 20;
    TEntempo& t = world->rivals.Tenpo(k);
    t.used = true;
    t.owner = 0;
    t.joutai = kRivalOpen;
    t.blockRow = row;
    t.blockColumn = column;
    t.shuttenMonth = 10;
    t.kibo = 2;
    t.senren = t.chimei = t.manzoku = t.moral = t.skill = rating;
    t.ruikei = Money::fromInt(100000000);  // a good past: the closing keeps the store
    return t;
  }
  // A housing block with exactly `fans` fans (at most 50, or an even number up to 100).
  void fans(int row, int column, int fans) {
    if (fans <= 50) {
      test::place(*world, row, column, 21, 100, 50, 100000, 0, fans);
    } else {
      test::place(*world, row, column, 21, 200, 50, 100000, 0, fans / 2);
    }
  }

  void keisan(int hours, int days) { world->jisseki.Keisan(hours, days); }

  test::ScriptedFrontend port;
  std::unique_ptr<tworld> world;
};

TEST_F(Results, ABlocksFansGoToItsStoresByWeightAndTiesKeepTheirOrder) {
  fans(2, 2, 10);
  playerStore(1, 2, 0, 21);  // weight 99 x 21
  rivalStore(1, 0, 2, 10);   // 99 x 10
  rivalStore(2, 4, 4, 50);   // 97 x 50
  keisan(300, 1);
  EXPECT_EQ(world->jisseki.customers(kFirstRivalEntry + 1), 5);
  EXPECT_EQ(world->jisseki.customers(1), 3);
  EXPECT_EQ(world->jisseki.customers(kFirstRivalEntry), 2);
  EXPECT_EQ(world->rivals.Tenpo(2).kyaku, 5) << "the rivals are handed their share";
  EXPECT_EQ(world->rivals.Tenpo(1).kyaku, 2);
  EXPECT_EQ(world->kaichou.slot(1).kyaku[kTotal], 3) << "and the player's one island its";

  // Equal weights: the player's store before the rival's.
  world->rivals.Tenpo(2) = TEntempo{};
  world->block(4, 4).kind = 0;
  playerStore(1, 2, 0, 10);
  rivalStore(1, 0, 2, 10);
  keisan(300, 1);
  EXPECT_EQ(world->jisseki.customers(1), 6);
  EXPECT_EQ(world->jisseki.customers(kFirstRivalEntry), 4);
}

TEST_F(Results, ALoneStoreTakesTheWholeBlockForEveryBusinessDay) {
  fans(1, 1, 37);
  fans(4, 4, 20);                                         // out of reach
  test::place(*world, 1, 3, 24, 100, 50, 100000, 0, 10);  // a shopping street of 10 fans
  playerStore(1, 1, 2, 30, 5);
  keisan(390, 25);
  EXPECT_EQ(world->jisseki.customers(1), (37 + 10) * 25);
  int kept = 0;
  for (const Tddai& d : world->kaichou.slot(1).dai[0]) kept += d.kadou;
  EXPECT_EQ(kept, 47 * 25) << "the islands share every customer";
}

TEST_F(Results, AnIslandKeepsTenCustomersAMachineHour) {
  fans(2, 3, 100);
  Ttempo& s = playerStore(1, 2, 2, 30);
  keisan(200, 30);
  EXPECT_EQ(world->jisseki.customers(1), 3000);
  EXPECT_EQ(s.dai[0][0].kadou, 2000);
  EXPECT_EQ(s.kyaku[kTotal], 2000) << "the rest went home";

  // Three islands share ten customers 5, 3, 2; a closed store's islands get none.
  fans(2, 3, 10);
  s.dai[0][1] = s.dai[0][0];
  s.dai[0][2] = s.dai[0][0];
  keisan(200, 1);
  std::vector<int> got;
  for (int i = 0; i < 3; ++i) got.push_back(s.dai[0][i].kadou);
  std::sort(got.begin(), got.end());
  EXPECT_EQ(got, (std::vector<int>{2, 3, 5}));
  s.setJoutai(kWaiting);
  keisan(200, 1);
  for (int i = 0; i < 3; ++i) EXPECT_EQ(s.dai[0][i].kadou, 0);
  EXPECT_EQ(world->jisseki.customers(1), 0) << "and the store takes no one";
}

TEST_F(Results, ReachIsClippedAtTheMapsEdge) {
  world->mapHeight = world->mapWidth = 4;
  playerStore(1, 0, 0, 30);
  rivalStore(1, 3, 3, 30);
  keisan(300, 1);
  for (int r = 0; r < 4; ++r)
    for (int c = 0; c < 4; ++c) {
      EXPECT_EQ(world->jisseki.reaches(r, c, 1), r <= 2 && c <= 2) << r << "," << c;
      EXPECT_EQ(world->jisseki.reaches(r, c, kFirstRivalEntry), r >= 1 && c >= 1) << r << "," << c;
    }
  EXPECT_EQ(world->jisseki.distance(2, 2, 1), 4);
  EXPECT_EQ(world->jisseki.distance(1, 2, kFirstRivalEntry), 3);
}

TEST(ResultsFloors, UpperFloorsCostAttractionUnlessSomethingDrawsCustomersUp) {
  auto drawsFor = [](int floor, uint16_t setubi) {
    Random rng(5);
    FloorPenalty(floor, setubi, rng);
    return rng.draws();
  };
  EXPECT_EQ(drawsFor(0, 0), 0u);
  EXPECT_EQ(drawsFor(1, 0), 1u);
  EXPECT_EQ(drawsFor(4, 0), 4u);
  // A nursery on the second floor, a cafe on the third, a sauna on the fourth, a cinema on top.
  const uint16_t all = (1u << 6) | (1u << 8) | (1u << 10) | (1u << 11);
  EXPECT_EQ(drawsFor(4, all), 0u);
  EXPECT_EQ(drawsFor(4, 1u << 5), 4u) << "a rest room draws nobody upstairs";
  EXPECT_EQ(drawsFor(3, 1u << 7), 2u);
  Random rng(5);
  for (int i = 0; i < 200; ++i) {
    const int p = FloorPenalty(4, 0, rng);
    ASSERT_GE(p, 0);
    ASSERT_LE(p, 20);
  }
}

}  // namespace
}  // namespace gm

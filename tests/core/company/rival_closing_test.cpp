// The rivals' month end: incidents, the closing of the books, store closings, exits, the
// openings at construction's end and the customers a store can take.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

#include "company/rival_constants.h"
#include "rival_city.h"

namespace gm {
namespace {

using test::RivalCity;

constexpr int kPolice = 26;

TEST(RivalStores, CustomersAreCappedByTheStoresSizeAndHours) {
  RivalCity city(5, 5, kPolice);
  Tenkaichou& r = city.rivals();
  EXPECT_EQ(r.TenpoAt(2, 2), 1) << "no store there: the first record";
  city.openStore(0, 1, 1);
  int k = city.openStore(0, 2, 2, 2);
  EXPECT_EQ(r.TenpoAt(2, 2), k);
  r.SetKyaku(k, 500000, 200);
  EXPECT_EQ(r.Tenpo(k).kyaku, 3 * 100 * 200);
  r.SetKyaku(k, 1234, 200);
  EXPECT_EQ(r.Tenpo(k).kyaku, 1234);
}

TEST(RivalStores, ConstructionAndSuspensionEndInTheirMonth) {
  RivalCity city(5, 5, kPolice);
  Tenkaichou& r = city.rivals();
  int built = city.openStore(1, 1, 1);
  r.Tenpo(built).joutai = kRivalBuilding;
  r.Tenpo(built).kanseiMonth = 10;
  int closed = city.openStore(2, 3, 3);
  r.Tenpo(closed).joutai = kRivalSuspended;
  r.Tenpo(closed).teishiMonth = 11;

  EXPECT_EQ(r.Kansei(9), 0);
  EXPECT_EQ(r.Kansei(10), 1);
  EXPECT_EQ(r.Tenpo(built).joutai, kRivalOpen);
  ASSERT_EQ(city.port.messages.size(), 1u);
  EXPECT_EQ(city.port.messages[0].title, "開店");
  EXPECT_EQ(city.port.messages[0].text,
            "Parlor SPEEDの店舗の工事が完了しました。今月新装開店するようです。");
  EXPECT_EQ(city.port.events[city.port.events.size() - 2], "point:1,1");

  city.port.events.clear();
  EXPECT_EQ(r.Kansei(11), 1);
  EXPECT_EQ(city.port.messages.back().text,
            "パーラー・ユダの営業停止期間が終了しました。今月より営業再開するとの事です。");
  EXPECT_EQ(city.port.events.size(), 1u) << "no block window for a reopening";

  r.Tenpo(built).joutai = kRivalBuilding;
  city.port.opts.kaitenhoukoku = false;
  size_t shown = city.port.messages.size();
  EXPECT_EQ(r.Kansei(12), 1);
  EXPECT_EQ(city.port.messages.size(), shown);
}

std::unique_ptr<RivalCity> storeInJune() {
  auto city = std::make_unique<RivalCity>(10, 10, kPolice);
  city->world->month = 18;  // June of year 2
  city->enter(0, 1000000);
  city->openStore(0, 5, 5);
  return city;
}

TEST(RivalIncidents, ASixMonthRaidSuspendsTheStoreUntilSevenMonthsOn) {
  std::unique_ptr<RivalCity> city;
  for (uint32_t seed = 1; seed <= 20000; ++seed) {
    city = storeInJune();
    city->rivals().shikin[0] = Money::fromInt(1000001);
    city->rng().setSeed(seed);
    city->rivals().Jiken();
    if (city->rivals().Tenpo(1).teishiMonth == 25) break;
    city.reset();
  }
  ASSERT_TRUE(city) << "no seed gave the raid";
  Tenkaichou& r = city->rivals();
  EXPECT_EQ(r.Tenpo(1).joutai, kRivalSuspended);
  EXPECT_EQ(r.shikin[0], Money::fromInt(900001)) << "1,000,001 x 0.9 = 900,000.9, rounded";
  const auto& m = city->port.messages.back();
  EXPECT_EQ(m.title, "ガサ入れ");
  EXPECT_EQ(m.text,
            "パーラーＷildの店舗がガサ入れされ、特賞操作システムを設置運営していた事実が発覚しまし"
            "た！当該店舗は６ヶ月間の営業停止処分を受けたようです。");
  EXPECT_EQ(city->port.events[city->port.events.size() - 2], "point:5,5");
  EXPECT_LE(r.Tenpo(1).senren, 30) << "the raid costs at least 20 points";

  EXPECT_EQ(r.Kansei(24), 0);
  EXPECT_EQ(r.Tenpo(1).joutai, kRivalSuspended);
  EXPECT_EQ(r.Kansei(25), 1);
  EXPECT_EQ(r.Tenpo(1).joutai, kRivalOpen);
}

TEST(RivalIncidents, TaxEvasionInJanuaryCostsCashAndSuspendsEveryOpenStore) {
  std::unique_ptr<RivalCity> city;
  for (uint32_t seed = 1; seed <= 2000; ++seed) {
    city = std::make_unique<RivalCity>(10, 10, kPolice);
    city->world->month = 25;  // January of year 3
    city->enter(0, 1000001);
    city->openStore(0, 2, 2);
    city->openStore(0, 7, 7);
    city->rng().setSeed(seed);
    city->rivals().Jiken();
    if (!city->port.messages.empty() && city->port.messages[0].title == "脱税発覚") break;
    city.reset();
  }
  ASSERT_TRUE(city);
  Tenkaichou& r = city->rivals();
  EXPECT_EQ(r.shikin[0], Money::fromInt(650001)) << "1,000,001 x 0.65 rounded";
  for (int k : {1, 2}) {
    EXPECT_EQ(r.Tenpo(k).joutai, kRivalSuspended);
    EXPECT_EQ(r.Tenpo(k).teishiMonth, 32);
    EXPECT_LE(r.Tenpo(k).moral, 40);
  }
  EXPECT_EQ(city->port.messages[0].text,
            "パーラーＷildの脱税が露見しました！現在営業中の店舗は全て６ヶ月の営業停止処分を受けた"
            "ようです！市内は騒然としております．．．。");
  EXPECT_EQ(city->port.events[0], "message:脱税発覚") << "no block to point at";
}

TEST(RivalIncidents, NothingHappensInTheFirstSevenMonths) {
  auto city = storeInJune();
  city->world->month = 7;
  uint64_t before = city->rng().draws();
  city->rivals().Jiken();
  EXPECT_EQ(city->rng().draws(), before);
}

// A store that burns down is cleared and the records close ranks: the store that moves into its
// record is looked at next and has its own chance of fire, so two neighbouring records can both
// burn in one month. November of year 2; rival 0 has one chance in 36 of a fire.
TEST(RivalIncidents, TwoNeighbouringStoresCanBothBurnDownInOneMonth) {
  auto burnsDown = [](Random& p) {
    const bool spark = p.randInt(36) == 1;
    const bool spreads = p.randInt(100) < 42;
    return spark && spreads && p.randInt(100) >= 70;
  };
  uint32_t seed = 0;
  for (uint32_t s = 1; s <= 3000000 && seed == 0; ++s) {
    Random p(s);
    if (burnsDown(p) && burnsDown(p)) seed = s;
  }
  ASSERT_NE(seed, 0u);
  RivalCity city(10, 10, kPolice);
  city.world->month = 23;
  city.enter(0, 1000000);
  city.openStore(0, 2, 2);
  city.openStore(0, 2, 3);
  city.rng().setSeed(seed);
  city.rivals().Jiken();
  Tenkaichou& r = city.rivals();
  EXPECT_FALSE(r.Tenpo(1).used);
  EXPECT_FALSE(r.Tenpo(2).used);
  for (int c : {2, 3}) {
    EXPECT_EQ(city.at(2, c).kind, 3) << "the land stays the rival's";
    EXPECT_EQ(city.at(2, c).owner, 0);
  }
  ASSERT_EQ(city.port.messages.size(), 2u);
  EXPECT_EQ(city.port.messages[1].title, "大火災");
  EXPECT_EQ(city.port.messages[1].text,
            "パーラーＷildの店舗で大規模な火災があったようです。店舗は全焼してしまったようです。");
  EXPECT_EQ(city.rng().draws(), 6u) << "three draws for each store, and no store left to draw for";
}

TEST(RivalClosing, AStoresResultIsTaxedIntoItsOwnersCash) {
  for (bool pachinkoTax : {false, true}) {
    SCOPED_TRACE(pachinkoTax);
    RivalCity city(10, 10, kPolice);
    city.world->laws = pachinkoTax ? kLawPachinkoTax : 0;
    city.enter(0, 500000);
    int k = city.openStore(0, 5, 5, 4);
    TEntempo& t = city.rivals().Tenpo(k);
    t.kyaku = 100000;
    t.akaji = Money::fromInt(-1001);
    t.ruikei = Money::fromInt(7);
    int idle = city.openStore(0, 2, 2);
    city.rivals().Tenpo(idle).joutai = kRivalSuspended;
    city.rivals().Tenpo(idle).zengetsu = Money::fromInt(-300);
    city.kessan();
    Money z = t.zengetsu;
    ASSERT_GT(z, Money()) << "a full big hall makes money";
    EXPECT_EQ(t.akaji, Money::fromInt(-500)) << "half of -1,001 rounds to the even -500";
    EXPECT_EQ(t.ruikei, Money::fromInt(7) + z);
    EXPECT_EQ(city.rivals().Tenpo(idle).ruikei, Money::fromInt(-300))
        << "a closed store counts last month's figure again";
    Money profit = roundedWhole(z - z * Money::ratio(30, 100));
    if (pachinkoTax) profit = roundedWhole(profit - profit * Money::ratio(15, 100));
    EXPECT_EQ(city.rivals().shikin[0], Money::fromInt(500000) + profit)
        << "the suspended store's figure is not part of the month's profit";
  }
}

// Every draw of a store's month stands where the rules name it, left to right: the spend draws
// have different ranges, so any other order gives other figures. A store of rival 0 at ratings
// 50 (decile 5), six months old, size 0, the lowest exchange rates, 1,000 customers.
TEST(RivalClosing, AStoresMonthDrawsItsFiguresInTheOrderWritten) {
  bool sawLowMargin = false, sawHighMargin = false;
  for (uint32_t seed = 1; seed <= 12; ++seed) {
    SCOPED_TRACE(seed);
    RivalCity city(10, 10, kPolice);
    city.enter(0, 500000);
    int k = city.openStore(0, 5, 5);
    city.rivals().Tenpo(k).kyaku = 1000;
    city.rng().setSeed(seed);
    Random p(seed);
    int64_t spend = 9000 + p.randInt(480);
    spend += p.randInt(360);
    spend += p.randInt(180);
    spend += p.randInt(270);
    spend -= p.randInt(240);  // 6 months x 40
    spend += p.randInt(2);
    spend += p.randInt(2);
    const bool low = p.randInt(100) >= 50;
    const int margin = low ? 15 - p.randInt(3) : 15 + p.randInt(3);
    (low ? sawLowMargin : sawHighMargin) = true;
    int64_t cost = 34000 - p.randInt(3000);
    cost += p.randInt(3000);  // 6 months x 500
    cost -= p.randInt(1700);
    cost -= p.randInt(1300);
    int64_t satisfaction = p.randInt(35);
    satisfaction += p.randInt(30);
    satisfaction += p.randInt(20);
    satisfaction += p.randInt(12);
    satisfaction += p.randInt(12);
    satisfaction -= p.randInt(6);

    city.kessan();
    const TEntempo& t = city.rivals().Tenpo(k);
    // 1,000 customers spending `spend` yen each at `margin` per cent: spend x margin / 100
    // thousand yen, exact to the four decimals.
    EXPECT_EQ(t.zengetsu, Money::ratio(spend * margin, 100) - Money::fromInt(cost));
    EXPECT_EQ(t.manzoku, std::clamp<int64_t>(satisfaction, 0, 100));
    EXPECT_EQ(city.rng().seed(), p.seed());
  }
  EXPECT_TRUE(sawLowMargin);
  EXPECT_TRUE(sawHighMargin);
}

TEST(RivalClosing, ALossIsAddedUntaxed) {
  RivalCity city(10, 10, kPolice);
  city.enter(0, 500000);
  int k = city.openStore(0, 5, 5, 0);
  city.kessan();
  const TEntempo& t = city.rivals().Tenpo(k);
  ASSERT_LT(t.zengetsu, Money()) << "no customers, only costs";
  EXPECT_EQ(t.akaji, t.zengetsu);
  EXPECT_EQ(city.rivals().shikin[0], Money::fromInt(500000) + t.zengetsu);
  EXPECT_GE(t.manzoku, 0);
}

std::unique_ptr<RivalCity> aLosingStore() {
  auto city = std::make_unique<RivalCity>(10, 10, kPolice);
  city->enter(0, 500000);
  int k = city->openStore(0, 2, 2, 0, 20);
  city->rivals().Tenpo(k).ruikei = Money::fromInt(-5000000);
  city->rivals().Tenpo(k).akaji = Money::fromInt(-2000000);
  city->openStore(0, 7, 7, 0, 5);  // too young to be closed
  city->at(2, 2).landPrice = 123456;
  return city;
}

TEST(RivalClosing, AStoreThatKeepsLosingClosesAndTheRecordsCloseRanks) {
  uint32_t seed = 0;
  for (uint32_t s = 1; s <= 500 && seed == 0; ++s) {
    auto city = aLosingStore();
    city->rng().setSeed(s);
    city->kessan();
    if (city->at(2, 2).kind == 1) seed = s;
  }
  ASSERT_NE(seed, 0u);
  auto city = aLosingStore();
  city->rng().setSeed(seed);
  city->kessan();
  Tenkaichou& r = city->rivals();
  EXPECT_EQ(r.Tenpo(1).blockRow, 7) << "the remaining store moved to the front";
  EXPECT_FALSE(r.Tenpo(2).used);
  EXPECT_EQ(r.TenpoAt(2, 2), 1);
  ASSERT_EQ(city->port.messages.size(), 1u);
  EXPECT_EQ(city->port.messages[0].title, "撤退");
  EXPECT_EQ(city->port.messages[0].text, "パーラーＷildが店舗を撤退しました。");
  EXPECT_EQ(city->port.events[city->port.events.size() - 2], "point:2,2");

  auto quiet = aLosingStore();
  quiet->port.opts.closehoukoku = false;
  quiet->rng().setSeed(seed);
  quiet->kessan();
  EXPECT_EQ(quiet->at(2, 2).kind, 1);
  EXPECT_TRUE(quiet->port.messages.empty());
  EXPECT_EQ(quiet->rivals().shikin[0], city->rivals().shikin[0]);

  // The land is sold with the store: a cheaper plot brings exactly that much less.
  auto cheaper = aLosingStore();
  cheaper->at(2, 2).landPrice = 23456;
  cheaper->rng().setSeed(seed);
  cheaper->kessan();
  EXPECT_EQ(city->rivals().shikin[0] - cheaper->rivals().shikin[0], Money::fromInt(100000));
}

// Two old losing stores in neighbouring records and a young one behind them. Each record is
// looked at exactly once in the month, also the one that moves into a record just cleared: the
// closings always cost four draws more than a twin whose two stores are too young to close
// (the monthly results draw alike at both ages), and both stores can close in one month.
std::unique_ptr<RivalCity> twoLosingNeighbours(int age) {
  auto city = std::make_unique<RivalCity>(10, 10, kPolice);
  city->enter(0, 10000000);  // far from the exit line: no exit draws
  for (int c : {2, 3}) {
    TEntempo& t = city->rivals().Tenpo(city->openStore(0, 2, c, 0, age));
    t.ruikei = Money::fromInt(-5000000);
    t.akaji = Money::fromInt(-2000000);
  }
  city->openStore(0, 7, 7, 0, 5);
  return city;
}

TEST(RivalClosing, NeighbouringRecordsAreEachExaminedOnceAndCanCloseTogether) {
  int bothClosed = 0;
  for (uint32_t seed = 1; seed <= 60; ++seed) {
    SCOPED_TRACE(seed);
    auto city = twoLosingNeighbours(20);
    auto twin = twoLosingNeighbours(9);  // rival 0 closes only stores older than 10 months
    city->rng().setSeed(seed);
    twin->rng().setSeed(seed);
    city->kessan();
    twin->kessan();
    EXPECT_EQ(city->rng().draws() - twin->rng().draws(), 4u);
    if (city->at(2, 2).kind != 1 || city->at(2, 3).kind != 1) continue;
    ++bothClosed;
    Tenkaichou& r = city->rivals();
    EXPECT_EQ(r.Tenpo(1).blockRow, 7) << "the young store moved to the front";
    EXPECT_FALSE(r.Tenpo(2).used);
    EXPECT_EQ(city->port.messages.size(), 2u);
  }
  EXPECT_GT(bothClosed, 0);
}

TEST(RivalClosing, ARivalDownTo100000IsBailedOutOrLeavesWithAllItHolds) {
  bool sawBailout = false, sawExit = false;
  for (uint32_t seed = 1; seed <= 40; ++seed) {
    RivalCity city(10, 10, kPolice);
    Tenkaichou& r = city.rivals();
    city.enter(0, 100000);
    int k = city.openStore(0, 5, 5);
    r.Tenpo(k).joutai = kRivalBuilding;  // no result draws before the exit draw
    city.set(5, 6, 3, 0);
    city.set(5, 7, 28, 0);
    city.enter(1, 100001);
    city.set(3, 3, 3, 1);
    city.rng().setSeed(seed);
    Random probe(seed);
    bool bailedOut = probe.randInt(100) < 34;
    city.kessan();
    EXPECT_EQ(r.shikin[1], Money::fromInt(100001)) << "above the line: left alone";
    EXPECT_EQ(city.at(3, 3).kind, 3);
    EXPECT_EQ(city.at(3, 3).owner, 1);
    if (bailedOut) {
      sawBailout = true;
      EXPECT_EQ(r.shikin[0], Money::fromInt(400000));
      EXPECT_TRUE(r.sanka[0]);
      EXPECT_EQ(city.at(5, 5).kind, 20);
      EXPECT_TRUE(city.port.messages.empty());
    } else {
      sawExit = true;
      EXPECT_EQ(r.shikin[0], Money::fromInt(-100));
      EXPECT_FALSE(r.sanka[0]);
      for (int c : {5, 6, 7}) EXPECT_EQ(city.at(5, c).kind, 1);
      EXPECT_FALSE(r.Tenpo(1).used);
      ASSERT_EQ(city.port.messages.size(), 1u);
      EXPECT_EQ(city.port.messages[0].title, "事業撤退");
      EXPECT_EQ(city.port.messages[0].text, "競合社のパーラーＷildが港町の事業から撤退しました！");
      EXPECT_FALSE(r.Sentaku(0)) << "a rival that left never comes back";
    }
  }
  EXPECT_TRUE(sawBailout);
  EXPECT_TRUE(sawExit);
}

TEST(RivalClosing, ARivalHoldingNothingForFiveYearsMayGiveUp) {
  bool sawStay = false, sawLeave = false;
  for (uint32_t seed = 1; seed <= 30; ++seed) {
    RivalCity city(10, 10, kPolice);
    Tenkaichou& r = city.rivals();
    for (int i = 1; i < kRivalCount; ++i) r.shikin[i] = Money();
    city.enter(0, 500000);
    city.world->month = 62;  // in the city since month 1: 61 months
    city.rng().setSeed(seed);
    Random probe(seed);
    bool leaves = probe.randInt(6) == 1;
    city.kessan();
    EXPECT_EQ(r.sanka[0], !leaves);
    EXPECT_EQ(r.Zenmetsu(), leaves) << "the last rival gone";
    (leaves ? sawLeave : sawStay) = true;
  }
  EXPECT_TRUE(sawStay);
  EXPECT_TRUE(sawLeave);
}

}  // namespace
}  // namespace gm

// The rivals' monthly turn on small hand-made cities: who enters, what a rival buys, builds,
// rebuilds, sells and demolishes and why, the draws that keep every game replayable, and the
// per-rival constants.
#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include "company/rival_constants.h"
#include "company/rival_reach.h"
#include "rival_city.h"

namespace gm {
namespace {

using test::RivalCity;

constexpr int kPolice = 26;  // populated, never bought: a backdrop that keeps rivals idle

// The first seed in 1..limit for which `happened` holds after `run`, or 0.
uint32_t firstSeed(const std::function<std::unique_ptr<RivalCity>()>& make,
                   const std::function<bool(RivalCity&)>& happened, uint32_t limit = 3000) {
  for (uint32_t seed = 1; seed <= limit; ++seed) {
    auto city = make();
    city->rng().setSeed(seed);
    city->katsudou();
    if (happened(*city)) return seed;
  }
  return 0;
}

// The event that came just before the message with `title`, or "" when none.
std::string eventBefore(const test::ScriptedFrontend& port, const std::string& title) {
  for (size_t i = 1; i < port.events.size(); ++i) {
    if (port.events[i] == "message:" + title) return port.events[i - 1];
  }
  return "";
}

TEST(RivalConstants, EveryRivalKeepsItsReservesAndBoundsConsistent) {
  for (int i = 0; i < kRivalCount; ++i) {
    const RivalProfile& p = rivalProfile(i);
    SCOPED_TRACE(i);
    EXPECT_EQ(p.name, rivalName(i));
    EXPECT_LT(p.yobi2, p.yobi) << "the short-of-cash reserve is the smaller one";
    EXPECT_LT(p.yobi + kRivalStoreCost[0], p.startCash) << "a new rival can afford a store";
    EXPECT_GE(p.maxTenpo, 25);
    EXPECT_LE(p.maxTenpo, kRivalStoreSlots);
    EXPECT_GT(p.kiboMin, Money::fromInt(1).raw());
    EXPECT_LT(p.kiboMin, Money::fromInt(5).raw());
    EXPECT_GT(p.mitudoMin, p.chianMin);
    // A new store's ratings stay inside 0..100 whatever the draws.
    EXPECT_LE(11 + 12 + p.start.chimei - 1, 100);
    EXPECT_LE(p.start.pkankin, 6);
    EXPECT_LE(p.start.skankin, 3);
    EXPECT_GE(p.drift.upPercent, 50) << "ratings drift up slightly more often than down";
    for (int n = 0; n < 4; ++n) EXPECT_GT(p.drift.rise[n], 0);
    for (int n = 0; n < 4; ++n) EXPECT_GT(p.drift.fall[n], 0);
    for (int odds : {p.incidents.taxEvasion, p.incidents.fire, p.incidents.television,
                     p.incidents.shills, p.incidents.chipRaid, p.incidents.jackpotRaid}) {
      EXPECT_GE(odds, 2) << "a 1-in-n draw needs n of at least 2 to ever hit 1";
    }
    if (i > 0) {
      const RivalProfile& q = rivalProfile(i - 1);
      EXPECT_GE(p.startCash, q.startCash) << "later rivals are the bigger chains";
      EXPECT_GT(p.maxTenpo, q.maxTenpo);
      EXPECT_GT(p.yobi, q.yobi);
      EXPECT_GT(p.spendBase, q.spendBase);
      EXPECT_GT(p.fanInfluence, q.fanInfluence);
    }
  }
  // A few values from each table, so that a shifted column shows.
  EXPECT_EQ(rivalProfile(0).kiboMin, 25000);
  EXPECT_EQ(rivalProfile(4).kiboMin, 38000);
  EXPECT_EQ(rivalProfile(3).start.pkankin, 6);
  EXPECT_EQ(rivalProfile(2).start.skankin, 0);
  EXPECT_EQ(rivalProfile(4).drift.fall[3], 5);
  EXPECT_EQ(rivalProfile(1).rebuildAfter, 6);
  EXPECT_EQ(rivalProfile(1).closeAfter, 8);
  EXPECT_EQ(rivalProfile(3).incidents.television, 12);
  EXPECT_EQ(rivalProfile(4).incidents.jackpotRaid, 960);
  EXPECT_EQ(rivalProfile(2).sale.c8, 2);
  EXPECT_EQ(rivalProfile(3).purchase.f7, 5);
}

TEST(Rivals, SentakuAcceptsOnlyARivalInTheCityWithCash) {
  RivalCity city(5, 5);
  Tenkaichou& r = city.rivals();
  EXPECT_EQ(r.shikin[3], Money::fromInt(800000)) << "rivals start with their own capital";
  EXPECT_FALSE(r.Sentaku(1)) << "not in the city yet";
  city.enter(1, 500000);
  city.enter(2, 0);
  EXPECT_TRUE(r.Sentaku(1));
  EXPECT_EQ(r.genzai, 1);
  EXPECT_FALSE(r.Sentaku(2)) << "no cash";
  EXPECT_EQ(r.genzai, 1) << "a refused choice changes nothing";
  r.rivalNashi = true;
  EXPECT_FALSE(r.Sentaku(1));

  EXPECT_FALSE(r.Zenmetsu());
  for (int i = 0; i < kRivalCount; ++i) r.shikin[i] = Money::fromInt(i == 0 ? -100 : 0);
  EXPECT_TRUE(r.Zenmetsu());
}

TEST(Rivals, TheCitysAreaLimitsHowManyRivalsEnter) {
  struct Case {
    int rows, columns, admitted;
  };
  for (Case c : {Case{20, 20, 1}, Case{20, 21, 2}, Case{50, 50, 5}}) {
    SCOPED_TRACE(c.rows * c.columns);
    RivalCity city(c.rows, c.columns, 0, 0);  // an empty map: entries only, no walk
    city.rng().setSeed(99);
    int most = 0;
    for (int m = 1; m <= 200; ++m) {
      city.world->month = m;
      city.katsudou();
      most = std::max(most, city.rivals().CountInCity());
    }
    EXPECT_EQ(most, c.admitted);
    ASSERT_EQ(city.port.messages.size(), static_cast<size_t>(c.admitted));
    for (int i = 0; i < kRivalCount; ++i) {
      if (!city.rivals().sanka[i]) continue;
      std::string text = std::string(rivalName(i)) + "が港町のパーラー事業に参入したようです。";
      int shown = 0;
      for (const auto& m : city.port.messages) shown += m.title == "競合店の参入" && m.text == text;
      EXPECT_EQ(shown, 1) << rivalName(i);
      EXPECT_GE(city.rivals().sankaMonth[i], 1);
    }
  }
}

TEST(Rivals, DrawsAreMadeForEveryBlockWhoeverOwnsIt) {
  auto drawsFor = [](int64_t cash) {
    RivalCity city(10, 10, kPolice);
    city.enter(0, cash);
    city.set(2, 2, 3, 1);   // another rival's land: car park, new store and sale draws
    city.set(4, 4, 20, 1);  // another rival's store: the rebuild draw
    city.set(6, 6, 28, 1);  // another rival's car park: a draw only when flush
    uint64_t before = city.rng().draws();
    city.katsudou();
    EXPECT_TRUE(city.port.messages.empty());
    return city.rng().draws() - before;
  };
  // Five priorities, then 97 purchase draws and 4 + 1 + 1 for the other rival's blocks.
  EXPECT_EQ(drawsFor(3000000), 5u + 97 + 4 + 1 + 1);
  // Short of cash: no car-park draw on land or car parks.
  EXPECT_EQ(drawsFor(150000), 5u + 97 + 3 + 1 + 0);
}

std::unique_ptr<RivalCity> landInACrowdedSafeCity() {
  auto city = std::make_unique<RivalCity>(10, 10, kPolice);
  city->enter(0, 3000000);
  city->set(5, 5, 3, 0);
  return city;
}

TEST(Rivals, ARichRivalBuildsOnItsLandInACrowdedSafeNeighbourhood) {
  uint32_t seed =
      firstSeed(landInACrowdedSafeCity, [](RivalCity& c) { return c.at(5, 5).kind == 20; });
  ASSERT_NE(seed, 0u);

  auto city = landInACrowdedSafeCity();
  city->rng().setSeed(seed);
  city->katsudou();
  const TEntempo& t = city->rivals().Tenpo(1);
  EXPECT_TRUE(t.used);
  EXPECT_EQ(t.owner, 0);
  EXPECT_EQ(t.joutai, kRivalBuilding);
  EXPECT_EQ(t.kibo, 4) << "the largest size that leaves the reserve";
  EXPECT_EQ(t.shuttenMonth, 20);
  EXPECT_EQ(t.kanseiMonth, 26);
  EXPECT_EQ(t.blockRow, 5);
  EXPECT_EQ(t.blockColumn, 5);
  EXPECT_GE(t.senren, 11);
  EXPECT_LE(t.senren, 15);
  EXPECT_GE(t.chimei, 23) << "a big hall starts better known";
  EXPECT_EQ(t.pkankin, 1);
  EXPECT_EQ(city->at(5, 5).owner, 0);
  EXPECT_EQ(city->rivals().shikin[0], Money::fromInt(2000000));
  ASSERT_EQ(city->port.messages.size(), 1u);
  EXPECT_EQ(city->port.messages[0].title, "新規出店");
  EXPECT_EQ(city->port.messages[0].text,
            "パーラーＷildが新規出店いたしました。開店は3年2月の予定です。");
  EXPECT_EQ(eventBefore(city->port, "新規出店"), "point:5,5");

  // The same draws with the report switched off: the store, but no word of it.
  auto quiet = landInACrowdedSafeCity();
  quiet->port.opts.openhoukoku = false;
  quiet->rng().setSeed(seed);
  quiet->katsudou();
  EXPECT_EQ(quiet->at(5, 5).kind, 20);
  EXPECT_TRUE(quiet->port.messages.empty());

  // The same draws with a hospital two blocks away: the law forbids the hall, and the rival
  // sells the land instead.
  auto nearHospital = landInACrowdedSafeCity();
  nearHospital->set(3, 5, 23, 0, 150);
  nearHospital->rng().setSeed(seed);
  nearHospital->katsudou();
  EXPECT_EQ(nearHospital->at(5, 5).kind, 1);
  EXPECT_FALSE(nearHospital->rivals().Tenpo(1).used);
  EXPECT_EQ(nearHospital->rivals().shikin[0], Money::fromInt(3100000));
}

TEST(Rivals, ShortOfCashARivalAddsACarParkBesideItsStoreAndDemolishesAStrayOne) {
  RivalCity city(10, 10, kPolice);
  city.enter(0, 150000);
  city.openStore(0, 5, 5);
  city.set(5, 6, 3, 0);   // land beside the store
  city.set(1, 1, 28, 0);  // a car park far from any store of its own
  city.set(8, 8, 28, 1);  // another rival's car park
  city.katsudou();
  EXPECT_EQ(city.at(1, 1).kind, 3) << "demolished back to land";
  EXPECT_EQ(city.at(1, 1).owner, 0);
  EXPECT_EQ(city.at(5, 6).kind, 28);
  EXPECT_EQ(city.at(5, 6).owner, 0);
  EXPECT_EQ(city.at(8, 8).kind, 28);
  EXPECT_EQ(city.at(8, 8).owner, 1);
  EXPECT_EQ(city.rivals().shikin[0], Money::fromInt(148000));
}

std::unique_ptr<RivalCity> housingBesideAStore() {
  auto city = std::make_unique<RivalCity>(10, 10, kPolice);
  city->enter(0, 250000);  // short of cash: only a plot beside a store is wanted
  city->openStore(0, 5, 5);
  Tchip& home = city->set(5, 6, 21, 0, 150);
  home.fanRate = 20;
  home.unrest = 30;
  return city;
}

TEST(Rivals, AShortRivalBuysTheHousingBesideItsStoreButNotNearASchool) {
  uint32_t seed = firstSeed(housingBesideAStore, [](RivalCity& c) { return c.at(5, 6).kind == 3; });
  ASSERT_NE(seed, 0u);
  auto city = housingBesideAStore();
  city->rng().setSeed(seed);
  city->katsudou();
  const Tchip& b = city->at(5, 6);
  EXPECT_EQ(b.owner, 0);
  EXPECT_EQ(b.population, 0);
  EXPECT_EQ(b.fanRate, 0);
  EXPECT_EQ(b.unrest, 0);
  EXPECT_EQ(city->rivals().shikin[0], Money::fromInt(150000));

  auto nearSchool = housingBesideAStore();
  nearSchool->set(3, 6, 22, 0, 150);
  nearSchool->rng().setSeed(seed);
  nearSchool->katsudou();
  EXPECT_EQ(nearSchool->at(5, 6).kind, 21);
  EXPECT_EQ(nearSchool->rivals().shikin[0], Money::fromInt(250000));
}

TEST(Rivals, ASmallChainRebuildsAnOldStoreBiggerKeepingItsRatingsAndTotal) {
  for (int age : {12, 13}) {
    SCOPED_TRACE(age);
    RivalCity city(10, 10, kPolice);
    city.enter(0, 3000000);
    int k = city.openStore(0, 5, 5, 0, age);
    TEntempo& t = city.rivals().Tenpo(k);
    t.senren = 41;
    t.chimei = 42;
    t.manzoku = 43;
    t.moral = 44;
    t.skill = 45;
    t.ruikei = Money::fromInt(12345);
    t.akaji = Money::fromInt(-6789);
    city.katsudou();
    if (age == 12) {
      EXPECT_EQ(t.joutai, kRivalOpen) << "twelve months is not yet more than twelve";
      EXPECT_EQ(t.kibo, 0);
      continue;
    }
    EXPECT_EQ(t.joutai, kRivalBuilding);
    EXPECT_EQ(t.kibo, 4);
    EXPECT_EQ(t.shuttenMonth, 20) << "the age starts again";
    EXPECT_EQ(t.kanseiMonth, 25);
    EXPECT_EQ(t.senren, 41);
    EXPECT_EQ(t.chimei, 42);
    EXPECT_EQ(t.manzoku, 43);
    EXPECT_EQ(t.moral, 44);
    EXPECT_EQ(t.skill, 45);
    EXPECT_EQ(t.ruikei, Money::fromInt(12345));
    EXPECT_EQ(t.akaji, Money::fromInt(-6789));
    EXPECT_EQ(city.rivals().shikin[0], Money::fromInt(2000000));
    ASSERT_EQ(city.port.messages.size(), 1u);
    EXPECT_EQ(city.port.messages[0].title, "店舗改装");
    EXPECT_EQ(city.port.messages[0].text,
              "パーラーＷildが店舗の改装工事を着工しました。開店は3年1月の予定です。");
    EXPECT_EQ(eventBefore(city.port, "店舗改装"), "point:5,5");
  }
}

TEST(Rivals, AnOpenStoreRaisesTheFansOfItsCloseNeighboursOnly) {
  RivalCity city(10, 10, kPolice);
  city.enter(0, 3000000);
  city.openStore(0, 5, 5, 4, 3);  // age 3: the pull reaches one block
  city.rng().setSeed(7);
  city.katsudou();
  int raised = 0;
  for (int r = 0; r < 10; ++r) {
    for (int c = 0; c < 10; ++c) {
      int d = std::abs(r - 5) + std::abs(c - 5);
      const Tchip& b = city.at(r, c);
      if (d == 0 || d > 1) {
        EXPECT_EQ(b.fanRate, 0) << r << "," << c;
      } else {
        EXPECT_LE(b.fanRate, rivalProfile(0).fanInfluence - 1);
        raised += b.fanRate > 0;
      }
    }
  }
  EXPECT_GT(raised, 0);
}

// The monthly drift and the pull on the neighbours' fans belong to open stores only: a store
// under construction or suspended makes no draw of its own. With no rival able to act, the
// month draws only the five numbers that order the rivals' turns.
TEST(Rivals, OnlyOpenStoresDriftAndDrawTheirNeighboursFans) {
  for (int state : {kRivalBuilding, kRivalSuspended, kRivalOpen}) {
    SCOPED_TRACE(state);
    RivalCity city(10, 10, kPolice);
    for (int i = 0; i < kRivalCount; ++i) city.rivals().shikin[i] = Money();
    const int k = city.openStore(0, 5, 5, 4, 3);
    city.rivals().Tenpo(k).joutai = static_cast<uint8_t>(state);
    const uint64_t before = city.rng().draws();
    city.katsudou();
    const uint64_t draws = city.rng().draws() - before;
    if (state != kRivalOpen) {
      EXPECT_EQ(draws, 5u);
      EXPECT_EQ(city.rivals().Tenpo(k).senren, 50);
      EXPECT_EQ(city.at(5, 4).fanRate, 0);
    } else {
      // At least a rise-or-fall draw and its amount for each of the four ratings.
      EXPECT_GE(draws, 5u + 8u);
    }
  }
}

TEST(Rivals, ReachGrowsWithRoadsAndOwnBlocksButNotPastTheSizeCap) {
  RivalCity city(12, 12, kPolice);
  int k = city.openStore(0, 5, 5, 4);
  auto reach = [&] { return city.rivals().ReachRadius(k, city.world->blocks, 12, 12); };
  EXPECT_EQ(reach(), 2);
  city.set(4, 5, 4);  // a road beside it
  EXPECT_EQ(reach(), 3);
  for (auto [r, c] : {std::pair{6, 4}, {6, 5}, {6, 6}, {5, 4}}) city.set(r, c, 28, 0);
  city.set(4, 4, 28, 1);  // another rival's car park does not count
  EXPECT_EQ(reach(), 6) << "at most three car parks count";
  city.set(5, 6, 20, 0);
  city.set(4, 6, 20, 0);
  EXPECT_EQ(reach(), 8);
  for (auto [size, cap] : {std::pair{0, 4}, {1, 5}, {2, 7}, {3, 8}, {4, 8}}) {
    city.rivals().Tenpo(k).kibo = static_cast<uint8_t>(size);
    EXPECT_EQ(reach(), cap) << "size " << size;
  }
}

TEST(Rivals, WithoutRivalsNobodyEntersActsClosesOrLeaves) {
  RivalCity city(10, 10, kPolice);
  Tenkaichou& r = city.rivals();
  r.rivalNashi = true;
  city.enter(0, 50000);  // would be bailed out or leave
  int k = city.openStore(0, 5, 5, 0, 30);
  r.Tenpo(k).akaji = Money::fromInt(-2000000);  // would be closed sooner or later
  r.Tenpo(k).ruikei = Money::fromInt(-5000000);
  city.set(5, 6, 3, 0);
  const TEntempo before = r.Tenpo(k);
  city.rng().setSeed(5);
  for (int m = 25; m < 25 + 24; ++m) {  // two years from a January
    city.world->month = m;
    city.katsudou();
    city.kessan();
  }
  EXPECT_TRUE(city.port.messages.empty());
  EXPECT_EQ(r.CountInCity(), 1);
  EXPECT_EQ(r.shikin[0], Money::fromInt(50000));
  EXPECT_EQ(r.Tenpo(k).senren, before.senren);
  EXPECT_EQ(r.Tenpo(k).ruikei, before.ruikei);
  EXPECT_EQ(r.Tenpo(k).joutai, kRivalOpen);
  EXPECT_EQ(city.at(5, 5).kind, 20);
  EXPECT_EQ(city.at(5, 6).kind, 3);
}

TEST(Rivals, WithoutRivalsJanuaryStillMakesItsFiveDraws) {
  RivalCity city(10, 10, kPolice);
  city.rivals().rivalNashi = true;
  city.rng().setSeed(11);
  Random replay(11);
  city.rivals().Jiken(city.world->blocks, 25);  // January of year 3
  for (int i = 0; i < kRivalCount; ++i) replay.randInt(rivalProfile(i).incidents.taxEvasion);
  EXPECT_EQ(city.rng().seed(), replay.seed());
  EXPECT_TRUE(city.port.messages.empty());
}

}  // namespace
}  // namespace gm

// An island's attraction and monthly play, walked through by hand from a fixed seed: each
// example lists the draws in the order the month makes them (range: result), so a draw made
// out of turn, skipped or added changes the figures or the count of draws.
#include <gtest/gtest.h>

#include "store/island_play.h"
#include "store/store.h"
#include "world/world.h"

namespace gm {
namespace {

Tddai island(int type, int maker, Ratings actual, int bought, int production) {
  Tddai d;
  d.used = true;
  d.kishu = static_cast<uint8_t>(type);
  d.maker = static_cast<uint8_t>(maker);
  d.actual = actual;
  d.kounyuuMonth = bought;
  d.shukka = production;
  d.riritu = Money::fromInt(15);
  d.name = "試験台";
  return d;
}

// A "セブン機" of maker 1 bought in month 15, played in month 18 (June of year 2): gambling 55,
// play 40, refinement 30, novelty 70, business form 1, 1,500 customers.
Tddai sevenMachine() {
  Tddai d = island(4, 1, {55, 40, 30, 70}, 15, 5000);
  d.keitai = 1;
  d.kadou = 1500;
  return d;
}

// Its store: morale 62, skill 47, ten staff of whom four women, exchange classes 2 and 0,
// shills, a model store of maker 1, with "独立島" and "託児所"; laws 0 and 3 in force.
PlayConditions sevenMachineStore() {
  PlayConditions c;
  c.month = 18;
  c.laws = kLawLongHours | kLawSecurities;
  c.pkankin = 2;
  c.kousaku = kShills;
  c.modelMakers = 1 << 1;
  c.setubi = (1 << 0) | (1 << 6);
  c.moral = 62;
  c.skill = 47;
  c.womenShare = 40;
  return c;
}

TEST(IslandAttraction, HandWorkedPachinkoIsland) {
  Random rng(77);
  // 100 (type 4); model maker R(10): 4; gambling trunc(55 x 0.25 + 0.5) = 14 -> R(14): 12; play
  // 40 x 0.06 -> 2 -> R(2): 0; refinement 30 x 0.09 -> 3 -> R(3): 1; novelty 70 x 0.125 -> 9 ->
  // R(9): 8; age 3 -> R(20): 9; (production 5000: no draw); rate 15 % -> R(15): 3; exchange
  // class 2 -> R(10): 3; form 1 -> R(8): 3; shills -> R(7): 6.
  EXPECT_EQ(attraction(sevenMachine(), sevenMachineStore(), rng), 149);
  EXPECT_EQ(rng.draws(), 10u);
}

TEST(IslandAttraction, SlotIslandWithMorningServiceAndANegativeRate) {
  Tddai d = island(9, 8, {100, 5, 9, 30}, 20, 1200);
  d.riritu = Money::fromInt(-12);
  d.keitai = 3;
  d.morning = 7;
  PlayConditions c;
  c.month = 20;
  c.pkankin = 6;  // not read by a slot island
  c.skankin = 2;
  c.kousaku = kShills | kIllegalRom | kJackpotControl;
  Random rng(78);
  // 105; gambling 100 -> 25 -> R(25): 11; play 5 x 0.06 = 0 and refinement 9 x 0.09 = 1 draw
  // nothing; novelty 30 -> 4 -> R(4): 2; age 0 -> R(35): 17; short run -> R(10): 6; rate -12 %
  // -> minus R(11): 4; slot class 2 -> R(8): 1; form 3 -> R(4): 0; ROM R(10): 5, jackpot R(7):
  // 3, shills R(10): 6; seven morning machines -> R(8): 5.
  EXPECT_EQ(attraction(d, c, rng), 105 + 11 + 2 + 17 + 6 - 4 + 1 + 0 + 5 + 3 + 6 + 5);
  EXPECT_EQ(rng.draws(), 11u);
}

TEST(IslandAttraction, OneShotBoardsDrawNothingForRomsOrJackpotsAndOldIslandsNoNovelty) {
  Tddai d = island(3, 2, {4, 4, 4, 4}, 1, 9000);
  d.riritu = Money::fromInt(1);  // |trunc(1.5)| = 1: no draw
  PlayConditions c;
  c.month = 100;
  c.kousaku = kIllegalRom | kJackpotControl;
  Random rng(79);
  // 90; only the exchange class R(2): 0 and the form R(4): 2 are drawn.
  EXPECT_EQ(attraction(d, c, rng), 92);
  EXPECT_EQ(rng.draws(), 2u);
  c.kousaku |= kShills;
  Random again(79);
  attraction(d, c, again);
  EXPECT_EQ(again.draws(), 3u) << "shills do draw for a one-shot board";
}

TEST(IslandPlay, HandWorkedPachinkoIslandInABonusMonth) {
  Tddai d = sevenMachine();
  Random rng(1997);
  monthlyPlay(d, 0, sevenMachineStore(), rng);

  // Realised rate: V = 400 + 200 + 80 (gambling band 5) + 6 (play band 4) + 150 (law 0) + 50
  // (shills) + 40 (form 1) = 926; age 3: - R(300): 199 -> 727; R(727): 639; skill band 4:
  // u = R(900): 811, R(12): 8; V < 0 -> R(100): 54; R(100): 80 -> up: 1500 + 54 = 15.54 %.
  EXPECT_EQ(d.ririJisseki.raw(), 155400);

  // Spending: 10125 - R(625): 623 + shills R(625): 260; R(1875): 155, R(1500): 200 (taken off),
  // R(2): 0, R(1500): 356 -> 10073; three months of wear (ranges 185, 155, 150, 60): 61 + 143 +
  // 75 + 23, 149 + 102 + 95 + 43, 46 + 131 + 40 + 42 -> 9123; law 3 R(300): 120; model maker
  // R(310): 300; morale R(250): 97; skill R(250): 138 -> 9778. Kept 15.54 %: q = 8446,
  // trunc((9778 x 8446 + 5000) / 10000) = 8258; Jitter: R(275): 47, R(100) + 1 = 15 -> 8305.
  EXPECT_EQ(d.kyakutan.raw(), 116270) << "8,305 yen, x 1.4 in June";

  // Shares: 40 + R(4): 1 (form 1) + R(6): 1 (type 4) - R(11): 6 (law 0) + R(3): 2 (law 3)
  // + R(2): 1 ("独立島") + R(8): 4 ("託児所") + R(5): 0 (maker 1) - R(3): 2 (age 3)
  // - R(4): 1 + R(3): 0 + R(2): 0 (ratings) = 40.
  EXPECT_EQ(d.kyakuZyosei, 40);
  EXPECT_EQ(d.kyakuDansei, 60);
  EXPECT_EQ(rng.draws(), 41u);
  EXPECT_EQ(rng.seed(), 127750938u);
}

TEST(IslandPlay, SlotIslandCrowdedByItsModelLosesMoneyAndSpendsLittle) {
  Tddai d = island(8, 7, {80, 25, 60, 15}, 10, 1500);
  d.riritu = Money::fromInt(-5);
  d.keitai = 2;
  d.morning = 4;
  d.ihou = true;
  d.kadou = 2;
  PlayConditions c;
  c.month = 40;
  c.pkankin = 6;
  c.skankin = 3;
  c.kousaku = kIllegalRom | kJackpotControl;
  c.moral = 100;
  c.skill = 100;
  c.womenShare = 70;
  Random rng(424242);
  monthlyPlay(d, 6, c, rng);

  // V = 500 + 500 + 320 + 5 + 70 (women 70 %) + 100 (ROM) + 200 (slot class 3) - 500 (jackpot)
  // + 60 (form 2) = 1255; age 30: - R(600): 412 -> 843; R(843): 224; skill 100: R(1800): 523,
  // R(12): 6 -> negative -> R(100): 62. Set rate trunc(-500 + 0.5) = -499 hundredths; R(100): 88
  // -> up: -4.37 %.
  EXPECT_EQ(d.ririJisseki.raw(), -43700);
  // Thirty months of wear, the illegal board, morning service R(300) and six islands of one
  // model R(200) leave nothing; with no profit the rate changes nothing, so R(100): 63.
  EXPECT_EQ(d.kyakutan.raw(), 630);
  EXPECT_EQ(d.kyakuDansei, 50) << "two customers: half and half, no draws";
  EXPECT_EQ(d.kyakuZyosei, 50);
  EXPECT_EQ(rng.draws(), 140u) << "13 before the wear, 4 x 30 wear draws, 7 after";
}

TEST(IslandPlay, NewIslandsWearNothingAndBonusMonthsPayMore) {
  // Bought this month: no age deduction, no wear, no age draw among the shares.
  Tddai fresh = sevenMachine();
  fresh.kounyuuMonth = 18;
  Random a(5);
  monthlyPlay(fresh, 0, sevenMachineStore(), a);
  EXPECT_EQ(a.draws(), 41u - 1 - 12 - 1);

  // The same draws in May and in June: the June spending is 1.4 times the May one.
  Tddai may = sevenMachine(), june = sevenMachine();
  PlayConditions c = sevenMachineStore();
  c.month = 17;
  may.kounyuuMonth = 14;
  Random r1(2024), r2(2024);
  monthlyPlay(may, 0, c, r1);
  monthlyPlay(june, 0, sevenMachineStore(), r2);
  EXPECT_EQ(june.kyakutan.raw() * 10, may.kyakutan.raw() * 14);
  EXPECT_EQ(june.ririJisseki, may.ririJisseki);
  c.month = 24;  // December
  Tddai december = sevenMachine();
  december.kounyuuMonth = 21;
  Random r3(2024);
  monthlyPlay(december, 0, c, r3);
  EXPECT_EQ(december.kyakutan, june.kyakutan);
}

TEST(IslandPlay, FewCustomersLeaveTheSharesFixed) {
  for (int customers : {0, 1, 2}) {
    Tddai d = sevenMachine();
    d.kadou = customers;
    d.kyakuDansei = d.kyakuZyosei = 77;
    Random rng(9);
    monthlyPlay(d, 0, sevenMachineStore(), rng);
    EXPECT_EQ(rng.draws(), 41u - 11) << customers << " customers draw nothing for the shares";
    EXPECT_GT(d.kyakutan, Money()) << "the spending is still worked out";
    EXPECT_EQ(d.kyakuDansei, customers == 0 ? 0 : (customers == 1 ? 100 : 50));
    EXPECT_EQ(d.kyakuZyosei, customers == 2 ? 50 : 0);
  }
}

TEST(IslandPlay, RealisedRatesGoBothWaysAndSharesStayInRange) {
  // A low set rate can turn negative; the shares always add up to 100.
  Tddai d = sevenMachine();
  d.riritu = Money::fromInt(1);
  bool negative = false, positive = false;
  Random rng(31);
  for (int i = 0; i < 200; ++i) {
    monthlyPlay(d, 0, sevenMachineStore(), rng);
    negative = negative || d.ririJisseki < Money();
    positive = positive || d.ririJisseki > Money();
    ASSERT_EQ(d.kyakuDansei + d.kyakuZyosei, 100);
    ASSERT_GE(d.kyakuZyosei, 0);
    ASSERT_GE(d.kyakutan.raw(), 0);
  }
  EXPECT_TRUE(negative);
  EXPECT_TRUE(positive);
}

TEST(StoreMonthlyPlay, OpenStoresPlayEveryIslandInOrderOthersPlayNothing) {
  Ttempo s;
  s.used = true;
  s.joutai = kOpen;
  s.kibo = 1;
  s.setDansei(6);
  s.setZyosei(4);
  s.setMoral(Money::fromInt(62));
  s.setSkill(Money::fromRaw(479999));
  s.pkankin = 2;
  s.kousaku = kShills;
  s.modelMakers = 1 << 1;
  s.addEquipment(0);
  s.addEquipment(6);
  s.dai[0][0] = sevenMachine();
  s.dai[1][3] = sevenMachine();
  s.dai[1][3].tanka = 1;         // another purchase: not the same model
  s.dai[2][0] = sevenMachine();  // floor 3 of a two-floor hall is never read

  const PlayConditions c = playConditions(s, kLawLongHours | kLawSecurities, 18);
  EXPECT_EQ(c.womenShare, 40);
  EXPECT_EQ(c.skill, 47);
  Tddai first = s.dai[0][0], second = s.dai[1][3];
  Random expected(1997);
  monthlyPlay(first, 0, sevenMachineStore(), expected);
  monthlyPlay(second, 0, sevenMachineStore(), expected);

  Random rng(1997);
  storeMonthlyPlay(s, kLawLongHours | kLawSecurities, 18, rng);
  EXPECT_EQ(s.dai[0][0].kyakutan.raw(), 116270);
  EXPECT_EQ(s.dai[1][3].kyakutan, second.kyakutan);
  EXPECT_EQ(s.dai[1][3].ririJisseki, second.ririJisseki);
  EXPECT_EQ(rng.seed(), expected.seed());
  EXPECT_EQ(s.dai[2][0].kyakutan, Money());

  s.setJoutai(kWaiting);
  Random idle(1);
  storeMonthlyPlay(s, 0, 19, idle);
  EXPECT_EQ(idle.draws(), 0u);
  EXPECT_EQ(s.dai[0][0].kyakutan, Money());
  EXPECT_EQ(s.dai[0][0].ririJisseki, Money());
  EXPECT_EQ(s.dai[1][3].kyakuDansei, 0);
}

TEST(StoreMonthlyPlay, SameModelCountsTheOtherIslandsOfTheFloorsInUse) {
  Ttempo s;
  s.kibo = 1;
  for (int i = 0; i < 4; ++i) s.dai[0][i] = sevenMachine();
  s.dai[1][0] = sevenMachine();
  s.dai[1][1] = sevenMachine();
  s.dai[1][1].shukka = 4999;  // another production run
  s.dai[2][0] = sevenMachine();
  EXPECT_EQ(sameModelCount(s, s.dai[0][0]), 4);
  EXPECT_EQ(sameModelCount(s, s.dai[1][1]), 0);
  EXPECT_EQ(sameModelCount(s, sevenMachine()), 5) << "an island from elsewhere counts them all";
}

}  // namespace
}  // namespace gm

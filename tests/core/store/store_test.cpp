// The store record: clamps, staff effects, floors it reads, equipment rules, copies, age and
// asset value, and the prices of equipment and opening.
#include <gtest/gtest.h>

#include <memory>

#include "store/store.h"
#include "store/store_costs.h"
#include "support/scripted_frontend.h"
#include "world/world.h"

namespace gm {
namespace {

Tddai island(int type, bool illegal = false) {
  Tddai d;
  d.used = true;
  d.kishu = static_cast<uint8_t>(type);
  d.ihou = illegal;
  return d;
}

TEST(StoreStaff, MoraleAndSkillFollowTheStaff) {
  Ttempo s;
  s.setMoral(Money::fromInt(60));
  s.setSkill(Money::fromInt(60));
  EXPECT_EQ(s.moral, Money()) << "no staff: morale stays 0";
  EXPECT_EQ(s.skill, Money());

  s.setDansei(3);
  s.setMoral(Money::fromInt(-5));
  s.setSkill(Money::fromInt(130));
  EXPECT_EQ(s.moral, Money());
  EXPECT_EQ(s.skill, Money::fromInt(100));
  s.setMoral(Money::fromRaw(575000));
  EXPECT_EQ(s.moral.raw(), 575000);

  s.setDansei(0);
  EXPECT_EQ(s.moral, Money()) << "the last person leaving takes morale and skill along";
  EXPECT_EQ(s.skill, Money());
}

TEST(StoreStaff, PromotionsShrinkWithTheStaff) {
  Ttempo s;
  s.setDansei(200);
  s.hansoku.mail = 25;
  s.hansoku.tissue = 10;
  s.setZyosei(0);
  EXPECT_EQ(s.hansoku.mail, 25);
  s.setDansei(23);
  EXPECT_EQ(s.hansoku.mail, 4);
  EXPECT_EQ(s.hansoku.tissue, 2);
  s.setDansei(200);
  EXPECT_EQ(s.hansoku.mail, 4) << "levels are only ever lowered";
}

TEST(StoreStaff, NeedFollowsAttendanceAgeAndKind) {
  Ttempo s;
  s.kibo = 0;
  EXPECT_EQ(s.staffNeed(300, 1), 1) << "even an empty store needs somebody";

  Tddai p = island(0);
  p.jikan = 300;
  p.kadou = 1500;  // 50 % attendance: 35 a band
  p.kounyuuMonth = 10;
  s.dai[0][0] = p;
  EXPECT_EQ(s.staffNeed(300, 10), 2);  // 300 x 35 / 5200 = 2.019
  Tddai slot = p;
  slot.kishu = 8;
  s.dai[0][1] = slot;
  EXPECT_EQ(s.staffNeed(300, 10), 3);  // + 1.0096
  // 150 months later both islands need twice as much (the age factor's cap).
  EXPECT_EQ(s.staffNeed(300, 160), 6);
  EXPECT_TRUE(s.understaffed(300, 10));
  s.setDansei(3);
  EXPECT_FALSE(s.understaffed(300, 10));
}

TEST(StoreFloors, AParkNeverReadsTheTowerFloor) {
  Ttempo s;
  s.kibo = 3;  // "パーク": floors 0..3
  s.dai[4][0] = island(0, true);
  s.dai[4][1] = island(8);
  s.dai[4][1].morning = 5;
  EXPECT_FALSE(s.hasIllegalDai());
  EXPECT_EQ(s.machineCounts().allMachines, 0);
  EXPECT_EQ(s.morningTotal(), 0);
  EXPECT_EQ(s.staffNeed(300, 1), 1);
  EXPECT_EQ(s.machineCounts(5).allMachines, 20) << "a single-floor scope still sees the floor";

  s.dai[3][2] = island(9, true);
  s.dai[3][2].morning = 3;
  s.dai[0][0] = island(2);
  EXPECT_TRUE(s.hasIllegalDai());
  MachineCounts c = s.machineCounts();
  EXPECT_EQ(c.slotMachines, 10);
  EXPECT_EQ(c.pachinkoMachines, 10);
  EXPECT_EQ(c.machines[9], 10);
  EXPECT_EQ(s.morningTotal(), 3);
}

TEST(StoreEquipment, FloorsAndExclusivePairs) {
  Ttempo s;
  s.kibo = 1;  // "２フロア"
  EXPECT_TRUE(s.canInstall(5));
  EXPECT_TRUE(s.canInstall(6));
  EXPECT_FALSE(s.canInstall(7)) << "no third floor for the restaurant";
  EXPECT_TRUE(s.canInstall(4));
  s.addEquipment(5);
  EXPECT_FALSE(s.canInstall(5)) << "already installed";
  EXPECT_FALSE(s.canInstall(6)) << "the rest room excludes the nursery";
  EXPECT_EQ(s.floorCapacity(1), 90);
  EXPECT_EQ(s.floorCapacity(0), 100);
  s.removeEquipment(5);
  s.addEquipment(6);
  EXPECT_FALSE(s.canInstall(5));
  s.kibo = 4;
  EXPECT_TRUE(s.canInstall(11));
  EXPECT_EQ(equipmentInfo(11).name, "映画館");
}

TEST(StoreEquipment, PricesFollowSizeAndCharisma) {
  Ttempo s;
  s.kibo = 1;
  EXPECT_EQ(equipmentCost(s, 0, 50), 10000) << "general equipment is fitted on both floors";
  EXPECT_EQ(equipmentCost(s, 5, 50), 300) << "special equipment once";
  EXPECT_EQ(equipmentCost(s, 1, 95), 11200);  // 16000 x 0.7
  EXPECT_EQ(equipmentCost(s, 1, 100), 11200);
  EXPECT_EQ(equipmentCost(s, 2, 0), 12000);  // 8000 x 1.5
  EXPECT_EQ(openingCost(s, 50), 1000);
  EXPECT_EQ(openingCost(s, 5), 1110);
  s.kibo = 2;
  EXPECT_EQ(openingCost(s, 99), 1335);  // trunc(1500 x 0.89)
}

TEST(StoreRecord, CopyIsIndependentAndComplete) {
  Ttempo a;
  a.name = "銀河会館";
  a.used = true;
  a.kibo = 2;
  a.setDansei(12);
  a.setMoral(Money::fromInt(40));
  a.dai[2][9] = island(5);
  a.dai[2][9].riritu = Money::fromInt(12);
  a.hansoku.www = 3;
  a.backup.push(4, Money::fromInt(77));
  a.shinDaiKeitai[3] = 2;

  Ttempo b;
  a.assignTo(b);
  EXPECT_EQ(b.name, a.name);
  EXPECT_EQ(b.moral, a.moral);
  EXPECT_EQ(b.dai[2][9].riritu, Money::fromInt(12));
  EXPECT_EQ(b.hansoku.www, 3);
  EXPECT_EQ(b.backup.at(4, 1), Money::fromInt(77));
  EXPECT_EQ(b.getShinDaiKeitai(3), 2);

  b.dai[2][9].riritu = Money::fromInt(3);
  b.hansoku.www = 0;
  b.backup.push(4, Money::fromInt(1));
  b.name = "別館";
  EXPECT_EQ(a.dai[2][9].riritu, Money::fromInt(12));
  EXPECT_EQ(a.hansoku.www, 3);
  EXPECT_EQ(a.backup.at(4, 1), Money::fromInt(77));
  EXPECT_EQ(a.name, "銀河会館");
}

TEST(StoreRecord, InitRestoresTheStartingValues) {
  Ttempo s;
  s.used = true;
  s.kyuyo = 400;
  s.setDansei(5);
  s.shinDaiRitu[2] = Money::fromInt(30);
  s.dai[0][0] = island(1);
  s.init();
  EXPECT_FALSE(s.used);
  EXPECT_EQ(s.kyuyo, 150);
  EXPECT_EQ(s.dansei, 0);
  EXPECT_EQ(s.shinDaiRitu[2].raw(), 150000);
  EXPECT_FALSE(s.dai[0][0].used);
}

TEST(StoreRecord, StateChangesStopEventsAndRedraw) {
  auto world = std::make_unique<tworld>();
  test::ScriptedFrontend port;
  world->setFrontend(&port);
  Ttempo& s = world->kaichou.slot(1);
  s.used = true;
  s.blockX = 3;
  s.blockY = 2;
  s.joutai = kOpen;
  s.hansoku.event = 4;
  s.setJoutai(kOpen);
  EXPECT_EQ(s.hansoku.event, 4);
  s.setJoutai(kWaiting);
  EXPECT_EQ(s.hansoku.event, 0);
  EXPECT_EQ(port.events, (std::vector<std::string>{"block:2,3", "block:2,3"}));

  s.joutai = kUnderConstruction;
  s.kanseiMonth = 9;
  EXPECT_FALSE(s.checkKansei(8));
  EXPECT_TRUE(s.checkKansei(9));
  EXPECT_EQ(s.joutai, kWaiting);
  EXPECT_FALSE(s.checkKansei(10)) << "only a building site can be finished";
  s.joutai = kSuspended;
  s.teishiMonth = 12;
  EXPECT_TRUE(s.checkTeishi(13));
  EXPECT_EQ(s.joutai, kWaiting);

  Ttempo& unused = world->kaichou.slot(2);
  port.events.clear();
  unused.setJoutai(kWaiting);
  EXPECT_TRUE(port.events.empty()) << "a free slot has no block to redraw";
}

TEST(StoreRecord, SortKeepsOrderAndFireBurnsFloors) {
  Ttempo s;
  s.kibo = 4;
  s.dai[1][1] = island(3);
  s.dai[1][4] = island(4);
  s.dai[1][7] = island(5);
  s.sortDai();
  EXPECT_EQ(s.dai[1][0].kishu, 3);
  EXPECT_EQ(s.dai[1][1].kishu, 4);
  EXPECT_EQ(s.dai[1][2].kishu, 5);
  EXPECT_FALSE(s.dai[1][3].used);

  s.dai[0][0] = island(1);
  s.dai[2][0] = island(2);
  for (int n : {0, 4, 5, 7, 11}) s.addEquipment(n);
  s.fireDamage(1);
  EXPECT_FALSE(s.dai[0][0].used);
  EXPECT_FALSE(s.dai[1][0].used);
  EXPECT_TRUE(s.dai[2][0].used);
  EXPECT_FALSE(s.hasEquipment(5));
  EXPECT_TRUE(s.hasEquipment(7));
  EXPECT_TRUE(s.hasEquipment(11));
  EXPECT_TRUE(s.hasEquipment(0) && s.hasEquipment(4)) << "general equipment survives";
  s.fireDamage(4);
  EXPECT_FALSE(s.hasEquipment(7) || s.hasEquipment(11));
  EXPECT_TRUE(s.hasEquipment(0));
}

TEST(StoreRecord, AgeAndAssetValue) {
  Ttempo s;
  s.shuttenMonth = 7;
  EXPECT_EQ(s.age(7), (YearMonth{0, 0}));
  EXPECT_EQ(s.age(32), (YearMonth{2, 1}));
  EXPECT_EQ(s.age(3), (YearMonth{0, 0}));

  s.kibo = 0;
  EXPECT_EQ(s.assetValue(7, 0), 100000);
  EXPECT_EQ(s.assetValue(18, 0), 100000);
  EXPECT_EQ(s.assetValue(19, 0), 95000);
  EXPECT_EQ(s.assetValue(7 + 12 * 15, 0), 25000);
  EXPECT_EQ(s.assetValue(7 + 12 * 40, 0), 25000) << "never below a quarter";
  s.addEquipment(0);
  s.addEquipment(9);  // charisma 50: prices as listed
  EXPECT_EQ(s.assetValue(7, 120000), 120000 + 100000 + 5000 + 11000);
}

TEST(StoreResults, RatesPerDayAndNetProfit) {
  Ttempo s;
  s.kyaku = {3000, 910, 3910};
  EXPECT_EQ(s.perDay(30), (ByKind<int32_t>{100, 30, 130}));
  EXPECT_EQ(s.perDay(0), (ByKind<int32_t>{0, 0, 0}));

  s.uriage = {Money::fromInt(3000), Money(), Money::fromInt(3000)};
  s.arari = {Money::fromInt(1000), Money(), Money::fromInt(1000)};
  ByKind<Money> r = s.profitRates();
  EXPECT_EQ(r[kPachinko].raw(), 333333);
  EXPECT_EQ(r[kSlot], Money()) << "no takings, no rate";

  s.dai[0][0] = island(0);
  s.eigyouNissuu = 30;
  EXPECT_EQ(s.salesPerMachinePerDay()[kPachinko], Money::fromInt(10));
  EXPECT_EQ(s.salesPerMachinePerDay()[kSlot], Money()) << "no slot machines";

  s.hoshuResults[14] = Money::fromInt(200);
  s.jinkenResults[3] = 300;
  s.eigyouResults.total = Money::fromInt(100);
  EXPECT_EQ(s.netProfit(), Money::fromInt(400));
}

TEST(StoreIslands, FilteredSumsAndBulkSettings) {
  Ttempo s;
  s.kibo = 1;
  s.dai[0][0] = island(0);
  s.dai[0][0].riritu = Money::fromInt(10);
  s.dai[0][1] = island(0);
  s.dai[0][1].riritu = Money::fromInt(15);
  s.dai[0][1].keitai = 2;
  s.dai[1][0] = island(8);
  s.dai[1][0].riritu = Money::fromInt(20);

  EXPECT_EQ(s.islandAverage({0, -1, IslandKind::Both}, IslandQuantity::ProfitRate).raw(), 125000);
  EXPECT_EQ(s.islandCount({-1, 2, IslandKind::Pachinko}), 1);
  EXPECT_EQ(s.islandCount({-1, -1, IslandKind::Slot}), 1);
  EXPECT_EQ(s.formCounts(0), (std::array<int, 4>{10, 0, 10, 0}));

  s.setRirituWhere({-1, -1, IslandKind::Pachinko}, Money::fromInt(-5));
  EXPECT_EQ(s.dai[0][0].riritu, Money::fromInt(-5));
  EXPECT_EQ(s.dai[1][0].riritu, Money::fromInt(20));
  s.setKeitaiWhere({8, -1, IslandKind::Both}, 3);
  EXPECT_EQ(s.formCounts(), (std::array<int, 4>{10, 0, 10, 10}));

  // The default form of new islands takes only a machine type 0..9 and a form 0..3.
  s.setShinDaiKeitai(9, 3);
  s.setShinDaiKeitai(9, 4);
  s.setShinDaiKeitai(10, 1);
  s.setShinDaiKeitai(-1, 1);
  EXPECT_EQ(s.getShinDaiKeitai(9), 3);
  EXPECT_EQ(s.getShinDaiKeitai(10), 0);
  EXPECT_EQ(s.getShinDaiKeitai(-1), 0);
  EXPECT_EQ(s.shinDaiKeitai,
            (std::array<uint8_t, kMachineTypeCount>{0, 0, 0, 0, 0, 0, 0, 0, 0, 3}));
}

}  // namespace
}  // namespace gm

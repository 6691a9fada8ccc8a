// The store's costs worked out by hand from the price and factor tables: maintenance with its
// fifteen values, the running costs, and the promotions with their choices.
#include <gtest/gtest.h>

#include "store/maintenance_cost.h"
#include "store/operating_cost.h"
#include "store/promotions.h"
#include "store/store.h"

namespace gm {
namespace {

constexpr int kHours = 390;  // 30 days of 13 hours

Tddai island(int type, int bought, int customers) {
  Tddai d;
  d.used = true;
  d.kishu = static_cast<uint8_t>(type);
  d.kounyuuMonth = bought;
  d.kadou = customers;
  return d;
}

// A "２フロア" hall opened in month 1 and costed in month 7: a pachinko island bought in month 1
// (half its customers' hours taken), a slot island bought this month (a fifth), staff skill 40.
Ttempo twoFloorHall() {
  Ttempo s;
  s.used = true;
  s.kibo = 1;
  s.shuttenMonth = 1;
  s.setDansei(4);
  s.setSkill(Money::fromInt(40));
  s.dai[0][0] = island(0, 1, 1950);
  s.dai[1][0] = island(8, 7, 780);
  return s;
}

TEST(MaintenanceCost, FifteenValuesOfAHandWorkedHall) {
  Ttempo s = twoFloorHall();
  s.addEquipment(0);  // "独立島", general
  s.addEquipment(6);  // "託児所", special
  MaintenanceCosts c = maintenanceCost(s, kHours, 7, 50);

  // Pachinko: 903/40300 x 1.25 (six months) x 390 x 1.25 (skill 40) x 10000 = 136541.9...;
  // slot: 1103/40300 x 1 x 390 x 1.25 x 10000 = 133427.4...
  EXPECT_EQ(c[kMachineUpkeep].raw(), 136542 + 133427);
  // 2 floors x 200 x 1.01 (35 % attendance) x 1.00 (leadership 50) x 1 (six months old).
  EXPECT_EQ(c[kBuildingUpkeep].raw(), 4040000);
  // 0.5 / 3 x 390 x 1.10 x 2 floors; 1.10 x 390 x 10 / 4.
  EXPECT_EQ(c[kFirstEquipmentUpkeep + 0].raw(), 1430000);
  EXPECT_EQ(c[kFirstEquipmentUpkeep + 6].raw(), 10725000);
  for (int n : {1, 2, 3, 4, 5, 7, 8, 9, 10, 11})
    EXPECT_EQ(c[kFirstEquipmentUpkeep + n], Money()) << "equipment " << n << " is not installed";
  EXPECT_EQ(c[kMaintenanceTotal].raw(), 269969 + 4040000 + 1430000 + 10725000);

  // The manipulations are paid with the building: shills 2 x 500 x 1.00, altered ROMs on 20
  // machines x 1.01, jackpot control 2 x 100 x 1.01.
  s.kousaku = kShills | kIllegalRom | kJackpotControl;
  c = maintenanceCost(s, kHours, 7, 50);
  EXPECT_EQ(c[kBuildingUpkeep].raw(), 4040000 + 10000000 + 202000 + 2020000);
}

TEST(MaintenanceCost, BuildingLineFollowsAttendanceLeadershipAndAge) {
  // A "２フロア" hall at 50 % attendance (1.07), leadership 50, six months old: 428 thousand yen.
  Ttempo s;
  s.kibo = 1;
  s.shuttenMonth = 1;
  s.dai[0][0] = island(0, 1, 1950);
  EXPECT_EQ(maintenanceCost(s, kHours, 7, 50)[kBuildingUpkeep].raw(), 4280000);

  // Without machines the attendance is 0 (factor 0.92); leadership 95 gives 0.80.
  Ttempo empty;
  empty.kibo = 0;
  empty.shuttenMonth = 10;
  EXPECT_EQ(maintenanceCost(empty, kHours, 22, 95)[kBuildingUpkeep].raw(), 1472000)
      << "1 x 200 x 0.92 x 0.80, twelve months old: no age factor yet";
  EXPECT_EQ(maintenanceCost(empty, kHours, 23, 95)[kBuildingUpkeep].raw(), 1486720)
      << "thirteen months: 1.01";
  EXPECT_EQ(maintenanceCost(empty, kHours, 82, 95)[kBuildingUpkeep].raw(), 2355200)
      << "72 months: the cap of 1.6";
  EXPECT_EQ(maintenanceCost(empty, kHours, 300, 95)[kBuildingUpkeep].raw(), 2355200);
  EXPECT_EQ(maintenanceCost(empty, kHours, 22, 95)[kMachineUpkeep], Money());
}

TEST(MaintenanceCost, MachineAgeAndEquipmentFloors) {
  Ttempo s;
  s.kibo = 0;
  s.setDansei(1);
  s.setSkill(Money::fromInt(100));  // factor 1.00
  s.dai[0][0] = island(0, 1, 0);
  // 903/40300 x A x 390 x 10000 with A = 1 + age / 24, at most 3.
  EXPECT_EQ(maintenanceCost(s, kHours, 25, 50)[kMachineUpkeep].raw(), 174774) << "24 months: 2";
  EXPECT_EQ(maintenanceCost(s, kHours, 6, 50)[kMachineUpkeep].raw(), 105590)
      << "5 months: 1.2083 (five twenty-fourths rounded to four decimals)";
  EXPECT_EQ(maintenanceCost(s, kHours, 49, 50)[kMachineUpkeep].raw(), 262161) << "48 months: 3";
  EXPECT_EQ(maintenanceCost(s, kHours, 101, 50)[kMachineUpkeep].raw(), 262161) << "capped";

  // General equipment is kept up on every floor, a special item once (leadership 100: 0.96).
  s.addEquipment(0);
  s.addEquipment(5);
  EXPECT_EQ(maintenanceCost(s, kHours, 1, 100)[kFirstEquipmentUpkeep].raw(), 624000);
  EXPECT_EQ(maintenanceCost(s, kHours, 1, 100)[kFirstEquipmentUpkeep + 5].raw(), 46800);
  s.kibo = 4;
  EXPECT_EQ(maintenanceCost(s, kHours, 1, 100)[kFirstEquipmentUpkeep].raw(), 5 * 624000);
  EXPECT_EQ(maintenanceCost(s, kHours, 1, 100)[kFirstEquipmentUpkeep + 5].raw(), 46800);
  s.addEquipment(11);  // 0.96 x 390 x 25 / 4
  EXPECT_EQ(maintenanceCost(s, kHours, 1, 100)[kFirstEquipmentUpkeep + 11].raw(), 23400000);
}

TEST(MaintenanceCost, ProductsAreFormedInExtendedPrecisionAndRoundedOnce) {
  // "休憩所" (0.05): Le x h x 0.05 / 4 is a tie on paper in both cases below, but 1.03 and 0.05
  // are not binary fractions: the extended product falls a hair below 50212.5 in the first and
  // a hair above 55412.5 in the second, and rounds accordingly.
  Ttempo s;
  s.kibo = 2;
  s.addEquipment(5);
  EXPECT_EQ(maintenanceCost(s, 390, 1, 75)[kFirstEquipmentUpkeep + 5].raw(), 50212);  // 1.03
  EXPECT_EQ(maintenanceCost(s, 403, 1, 50)[kFirstEquipmentUpkeep + 5].raw(), 55413);  // 1.10
}

TEST(MaintenanceCost, AMonthWithoutHoursCostsOnlyTheFixedParts) {
  Ttempo s = twoFloorHall();
  s.addEquipment(0);
  MaintenanceCosts c = maintenanceCost(s, 0, 7, 50);
  EXPECT_EQ(c[kMachineUpkeep], Money());
  EXPECT_EQ(c[kFirstEquipmentUpkeep], Money());
  EXPECT_EQ(c[kBuildingUpkeep].raw(), 2 * 200 * 9200) << "no hours, no attendance: 0.92";
  EXPECT_EQ(c[kMaintenanceTotal], c[kBuildingUpkeep]);
}

TEST(OperatingCost, RunningCostFollowsKindAndMorale) {
  Ttempo s;
  s.kibo = 1;
  s.dai[0][0] = island(0, 1, 0);
  s.dai[1][0] = island(9, 1, 0);
  // No staff, morale 0: factor 1.35. 390 x 40/403 x 1.35 and 390 x 60/403 x 1.35.
  OperatingCosts c = operatingCost(s, kHours, 50, 50);
  EXPECT_EQ(c.running.raw(), 522581 + 783871);
  EXPECT_EQ(c.promotion, 0);
  EXPECT_EQ(c.total, c.running);

  s.setZyosei(10);
  s.setMoral(Money::fromRaw(759999));  // 75.9999: band 7, factor 1.00
  s.hansoku.www = 1;                   // 300 x 1.00
  c = operatingCost(s, kHours, 50, 50);
  EXPECT_EQ(c.running.raw(), 387097 + 580645);
  EXPECT_EQ(c.promotion, 300);
  EXPECT_EQ(c.total.raw(), 387097 + 580645 + 3000000);

  Ttempo empty;
  EXPECT_EQ(operatingCost(empty, kHours, 50, 50).running, Money()) << "no islands, no running";
}

TEST(Promotions, CostsOfAHandWorkedRecord) {
  Ttempo s;
  s.kibo = 2;                   // three floors
  s.hansoku.event = 4;          // "一ヶ月" 220
  s.hansoku.tissue = 3;         // 235
  s.hansoku.mail = 7;           // 35
  s.hansoku.tvAgency = 2;       // "電詩広告社" 150
  s.hansoku.tvSpot = 1;         // "25秒": x 2.5
  s.hansoku.www = 3;            // "50メガバイト" 1200
  s.hansoku.newspaperSize = 4;  // "1/2ページ"
  s.hansoku.newspaperTerm = 0;  // "１日": 10500

  // Intelligence 5 (1.05) for the event and the web; charisma 95 (0.91) for TV and newspaper.
  PromotionCosts c = promotionCost(s, 5, 95);
  EXPECT_EQ(c.event, 693);  // 220 x 3 x 1.05
  EXPECT_EQ(c.tissue, 235);
  EXPECT_EQ(c.mail, 35);
  EXPECT_EQ(c.tv, 341);    // trunc(150 x 2.5 x 0.91 = 341.25)
  EXPECT_EQ(c.www, 1260);  // 1200 x 1.05
  EXPECT_EQ(c.newspaper, 9555);
  EXPECT_EQ(c.total, 693 + 235 + 35 + 341 + 1260 + 9555);

  s.hansoku.newspaperTerm = 1;  // a longer run: the other list, 14000
  EXPECT_EQ(promotionCost(s, 5, 95).newspaper, 12740);

  // Truncation: 50 x 1 floor x 1.05 = 52.5; 90 x 2.5 x 0.95 = 213.75.
  Thansoku h;
  h.event = 1;
  h.tvAgency = 1;
  h.tvSpot = 1;
  PromotionCosts t = promotionCost(h, 0, 0, 70);
  EXPECT_EQ(t.event, 52);
  EXPECT_EQ(t.tv, 213);
  h.tvSpot = 0;  // "15秒": x 1; charisma 45 gives 1.00, 50 already 0.99
  EXPECT_EQ(promotionCost(h, 0, 50, 45).tv, 90);
  EXPECT_EQ(promotionCost(h, 0, 50, 50).tv, 89);
}

TEST(Promotions, NoPromotionCostsNothingAndStrayChoicesReadAsNone) {
  Ttempo s;
  s.kibo = 4;
  for (int q : {0, 1, 50, 99, 100}) EXPECT_EQ(promotionCost(s, q, q).total, 0) << "quality " << q;

  // A record from a damaged file: choices past the end of their lists are no promotion.
  Thansoku h;
  h.event = 5;
  h.tissue = 11;
  h.mail = 26;
  h.tvAgency = 200;
  h.www = 6;
  h.newspaperSize = 6;
  EXPECT_EQ(promotionCost(h, 4, 50, 50).total, 0);
  h.tvAgency = 5;  // "電痛" 600, with a spot length past the list: read as "15秒"
  h.tvSpot = 9;
  EXPECT_EQ(promotionCost(h, 4, 50, 45).tv, 600);
}

TEST(Promotions, ChoiceListsForTheDialog) {
  EXPECT_EQ(promotionChoices(Promotion::Event).size(), 5u);
  EXPECT_EQ(promotionChoices(Promotion::Tissue).size(), 11u) << "none and 1..10 (x 10,000)";
  EXPECT_EQ(promotionChoices(Promotion::Mail).size(), 26u) << "none and 1..25 (x 1,000)";
  EXPECT_EQ(promotionChoices(Promotion::TvAgency).size(), 6u);
  EXPECT_EQ(promotionChoices(Promotion::TvSpot).size(), 2u);
  EXPECT_EQ(promotionChoices(Promotion::Www).size(), 6u);
  EXPECT_EQ(promotionChoices(Promotion::NewspaperSize).size(), 6u);
  EXPECT_EQ(promotionChoice(Promotion::Tissue, 10).name, "10万個");
  EXPECT_EQ(promotionChoice(Promotion::Mail, 25).name, "25000枚");
  EXPECT_EQ(promotionChoice(Promotion::Mail, 25).price, 125);
  EXPECT_EQ(promotionChoice(Promotion::Mail, 0).name, "発送しない");
  EXPECT_EQ(promotionChoice(Promotion::TvAgency, 3).name, "GAPTAIN");
  EXPECT_EQ(promotionChoice(Promotion::NewspaperTerm, 0).name, "１日");
  EXPECT_EQ(promotionChoice(Promotion::Www, -1).name, "設置しない");
  EXPECT_EQ(tvSpotMultiplier(1).raw(), 25000);
  EXPECT_EQ(newspaperBasePrice(1, 0), 6000);
  EXPECT_EQ(newspaperBasePrice(1, 2), 12000) << "a longer run of a small notice";
  EXPECT_EQ(newspaperBasePrice(0, 2), 0);
}

}  // namespace
}  // namespace gm

// City-wide figures on small hand-made maps, the business calendar under the laws, disposal and
// the makers' relations.
#include <gtest/gtest.h>

#include "support/scripted_frontend.h"
#include "test_city.h"
#include "world/world.h"

namespace gm {
namespace {

using test::makeWorld;
using test::place;

// 3 x 3:   vacant  housing  road
//          station  --      school
//          store    police  --        and an office district beyond the map's width.
std::unique_ptr<tworld> smallCity() {
  auto w = makeWorld(3, 3);
  place(*w, 0, 0, 1, 0, 30, 100000);
  place(*w, 0, 1, 21, 100, 50, 150000, 20, 10);
  place(*w, 0, 2, 4, 0, 40, 140000);
  place(*w, 1, 0, 15, 375, 60, 700000, 40, 20);
  place(*w, 1, 2, 22, 50, 55, 180000, 30, 5);
  place(*w, 2, 0, 19, 0, 25, 180000, 90);  // a store's unrest is not the citizens' feeling
  place(*w, 2, 1, 26, 75, 75, 250000, 10, 10);
  place(*w, 0, 5, 25, 400, 100, 1000000, 100, 50);
  return w;
}

TEST(WorldQueries, FiguresOfASmallCity) {
  auto w = smallCity();
  EXPECT_EQ(w->CountOccupiedBlocks(), 7);
  EXPECT_EQ(w->TotalCapacity(), 200 + 750 + 100 + 150);
  EXPECT_EQ(w->TotalPopulation(), 600);
  EXPECT_EQ(w->Density(), 50);
  EXPECT_EQ(w->AverageLandPrice(), 1700000 / 7);
  EXPECT_EQ(w->AverageSecurity(), 335 / 7);
  EXPECT_EQ(w->AverageUnrest(), 25);
  // Each block's fans are truncated before the sum: 10 + 75 + 2 + 7, not 94.5.
  EXPECT_EQ(w->TotalFans(), 94);
  EXPECT_EQ(w->FanRatio(), 15);
  w->UpdateMaxLandPrice();
  EXPECT_EQ(w->maxLandPrice, 700000);

  // The kind table of the district screen counts the whole grid.
  KindCounts k = w->CountKinds();
  EXPECT_EQ(k.total, 8);
  EXPECT_EQ(k.vacantCitizens, 1);
  EXPECT_EQ(k.roads, 1);
  EXPECT_EQ(k.stations, 1);
  EXPECT_EQ(k.railways, 0);
  EXPECT_EQ(k.buildings, (std::array<int, 10>{1, 0, 1, 1, 0, 0, 1, 1, 0, 0}));
  EXPECT_EQ(w->DevelopmentDegree(), 87);  // 7 of 8 blocks are not citizens' vacant land
  EXPECT_EQ(w->DisposalFee(0), 58);       // 2 x 2.9 x 10
  EXPECT_EQ(w->DisposalFee(9), 290);
  EXPECT_EQ(w->DisposalFee(10), 0);
}

TEST(WorldQueries, AnEmptyCityGivesZerosAndTheDefaultHighestPrice) {
  auto w = makeWorld(4, 4);
  w->maxLandPrice = 1;
  w->UpdateMaxLandPrice();
  EXPECT_EQ(w->maxLandPrice, 600000);
  EXPECT_EQ(w->CountOccupiedBlocks(), 0);
  EXPECT_EQ(w->AverageLandPrice(), 0);
  EXPECT_EQ(w->AverageSecurity(), 0);
  EXPECT_EQ(w->AverageUnrest(), 0);
  EXPECT_EQ(w->DevelopmentDegree(), 0);
  EXPECT_EQ(w->FanRatio(), 0);
  EXPECT_EQ(w->Density(), 0);
  EXPECT_EQ(w->DisposalFee(0), 20) << "the fee never falls below its base";
}

TEST(WorldQueries, BusinessCalendarUnderTheLaws) {
  auto w = makeWorld(1, 1);
  w->month = 14;  // February of year 2
  w->SetUnionDayCut(8);
  w->SetUnionHourCut(2);
  EXPECT_EQ(w->BusinessDays(), 20);
  EXPECT_EQ(w->DailyHours(), 11);
  EXPECT_EQ(w->MonthlyHours(), 220);
  w->laws = kLawClosedDays;
  EXPECT_EQ(w->ClosedDays(), 16);
  EXPECT_EQ(w->BusinessDays(), 12);
  w->laws |= kLawLongHours;
  EXPECT_EQ(w->DailyHours(), 22);
  w->month = 13;
  EXPECT_EQ(w->BusinessDays(), 15);

  w->SetUnionDayCut(9);
  w->SetUnionHourCut(-1);
  w->SetTaxRate(4);
  EXPECT_EQ(w->unionDayCut, 8);
  EXPECT_EQ(w->unionHourCut, 0);
  EXPECT_EQ(w->taxRate, 5);
}

TEST(WorldQueries, DisposalStopsOnUnrestBeforeTheSecondDraw) {
  auto w = makeWorld(1, 1);
  place(*w, 0, 0, 21, 100, 50, 100000, 100);
  int stoppedByUnrest = 0;
  for (int i = 0; i < 200; ++i) {
    Random probe = w->rng();
    int r = probe.randInt(120);
    bool accepted = true;
    if (r + 1 < 100) {
      accepted = false;
      ++stoppedByUnrest;
    } else if (probe.randInt(5) == 3) {
      accepted = false;
    }
    EXPECT_EQ(w->UpdateDisposalAcceptance(), accepted);
    EXPECT_EQ(w->disposalAccepted, accepted);
    EXPECT_EQ(w->rng().seed(), probe.seed());
  }
  EXPECT_GT(stoppedByUnrest, 0);
}

// The first seed from `start` whose first of eleven RandInt(30) draws is 1.
uint32_t seedRestoringMakerZero(uint32_t start) {
  for (uint32_t s = start;; ++s) {
    Random r(s);
    if (r.randInt(30) == 1) return s;
  }
}

TEST(WorldQueries, MakerRelationsMendSixFullMonthsAfterTheBreak) {
  uint32_t seed = seedRestoringMakerZero(1);
  for (int month : {9, 10}) {
    auto w = makeWorld(1, 1, seed);
    test::ScriptedFrontend port;
    w->setFrontend(&port);
    w->month = month;
    Tmaker& m = w->makers[0];
    m.torihiki = false;
    m.shijou = true;
    m.chuushiMonth = 3;
    w->RestoreMakerRelations();
    EXPECT_EQ(w->rng().draws(), 11u) << "every maker draws, in trade or not";
    if (month == 9) {
      EXPECT_FALSE(m.torihiki);
      EXPECT_TRUE(port.messages.empty());
      continue;
    }
    EXPECT_TRUE(m.torihiki);
    ASSERT_EQ(port.messages.size(), 1u);
    EXPECT_EQ(port.messages[0].title, "取引再開");
    EXPECT_EQ(port.messages[0].text, "1年3月より取引を中止していた、" + std::string(m.name()) +
                                         "との関係が修復されました！今月からは取引を再開できるよう"
                                         "になります。");
    EXPECT_EQ(port.messages[0].face, kFaceLaugh);
    EXPECT_FALSE(port.messages[0].showCash);
    EXPECT_EQ(port.cues, (std::vector<int>{kCueUp, kCueMain}));
  }

  // A maker out of the market stays out of trade.
  auto w = makeWorld(1, 1, seed);
  w->month = 40;
  w->makers[0].torihiki = false;
  w->makers[0].shijou = false;
  w->RestoreMakerRelations();
  EXPECT_FALSE(w->makers[0].torihiki);
}

}  // namespace
}  // namespace gm

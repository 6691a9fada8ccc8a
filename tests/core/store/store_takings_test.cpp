// The store's takings and the forecasts for the month in progress: customers, attendance,
// sales, gross profit and customer shares summed over the islands, the zero cases, and the
// forecast figures of a small hall worked out by hand.
#include <gtest/gtest.h>

#include "store/forecasts.h"
#include "store/store.h"
#include "store/store_takings.h"

namespace gm {
namespace {

constexpr int kHours = 390;

Tddai island(int type, int customers, int64_t spendRaw, int ratePercent) {
  Tddai d;
  d.used = true;
  d.kishu = static_cast<uint8_t>(type);
  d.kounyuuMonth = 4;
  d.kadou = customers;
  d.kyakutan = Money::fromRaw(spendRaw);
  d.nissuu = 30;
  d.riritu = Money::fromInt(ratePercent);
  return d;
}

// A "１フロア" hall opened in month 1 with one pachinko island (1,950 customers spending 8,250 yen
// at 15 %) and one slot island (780 customers, 7,250 yen, 10 %), five staff.
Ttempo smallHall() {
  Ttempo s;
  s.used = true;
  s.joutai = kOpen;
  s.kibo = 0;
  s.shuttenMonth = 1;
  s.setDansei(3);
  s.setZyosei(2);
  s.setMoral(Money::fromInt(75));
  s.setSkill(Money::fromInt(100));
  s.kyuyo = 150;
  s.kyouiku = 10;
  s.fukuri = 5;
  s.dai[0][0] = island(0, 1950, 82500, 15);
  s.dai[0][1] = island(8, 780, 72500, 10);
  return s;
}

TEST(StoreTakings, CustomersAttendanceAndSales) {
  Ttempo s = smallHall();
  s.dai[0][0].ririJisseki = Money::fromInt(20);
  s.dai[0][1].ririJisseki = Money::fromInt(-4);
  s.dai[4][0] = island(0, 3000, 90000, 15);  // a floor the hall does not have

  EXPECT_EQ(customers(s), (ByKind<int32_t>{1950, 780, 2730}));
  Attendance a = attendance(s, kHours);
  EXPECT_EQ(a.percent, (ByKind<int32_t>{50, 20, 35})) << "customers / (machines x hours)";
  EXPECT_EQ(a.customers, (ByKind<int32_t>{1950, 780, 2730}));

  // 1950 x 8.25 and 780 x 7.25 thousand yen.
  EXPECT_EQ(sales(s), (ByKind<Money>{Money::fromRaw(160875000), Money::fromRaw(56550000),
                                     Money::fromRaw(217425000)}));
  EXPECT_EQ(grossProfit(s), (ByKind<Money>{Money::fromRaw(32175000), Money::fromRaw(-2262000),
                                           Money::fromRaw(29913000)}))
      << "at the realised rates, a negative one included";
  EXPECT_EQ(expectedGrossProfit(s)[kTotal].raw(), 24131250 + 5655000);

  // Attendance is capped at 100 % and truncated.
  s.dai[0][0].kadou = 5000;
  s.dai[0][1].kadou = 1;
  EXPECT_EQ(attendance(s, kHours).percent, (ByKind<int32_t>{100, 0, 64}));
}

TEST(StoreTakings, NothingToCountGivesZeros) {
  Ttempo empty;
  EXPECT_EQ(attendance(empty, kHours).percent, (ByKind<int32_t>{0, 0, 0}));
  EXPECT_EQ(sales(empty)[kTotal], Money());
  EXPECT_EQ(forecastProfitRates(empty), (ByKind<Money>{}));
  EXPECT_EQ(customerShares(empty).men, 0);

  Ttempo s = smallHall();
  EXPECT_EQ(attendance(s, 0).percent, (ByKind<int32_t>{0, 0, 0})) << "a month without hours";
  EXPECT_EQ(attendance(s, 0).customers[kTotal], 2730);
  // No business days yet: no sales, so no rate, whatever the customers.
  s.dai[0][0].nissuu = 0;
  s.dai[0][1].nissuu = 0;
  EXPECT_EQ(sales(s)[kTotal], Money());
  EXPECT_EQ(forecastProfitRates(s)[kTotal], Money());
}

TEST(StoreTakings, CustomerSharesWeighTheIslandsByTheirCustomers) {
  Ttempo s = smallHall();
  s.dai[0][0].kyakuDansei = 70;
  s.dai[0][0].kyakuZyosei = 30;
  s.dai[0][1].kyakuDansei = 45;
  s.dai[0][1].kyakuZyosei = 55;
  // Men: (1950 x 70 + 780 x 45) / 2730 = 62.86; women: (1950 x 30 + 780 x 55) / 2730 = 37.14.
  CustomerShares c = customerShares(s);
  EXPECT_EQ(c.men, 62);
  EXPECT_EQ(c.women, 37);
  s.dai[0][0].kadou = 0;
  s.dai[0][1].kadou = 0;
  EXPECT_EQ(customerShares(s).women, 0) << "no customers";
}

TEST(StoreForecasts, FiguresOfASmallHall) {
  Ttempo s = smallHall();
  s.hansoku.event = 1;  // 50
  s.hansoku.www = 1;    // 300
  const ForecastTerms t{kHours, 4, 50, 50, 50};

  StoreForecast f = storeForecast(s, t);
  EXPECT_EQ(f.grossProfit, (ByKind<Money>{Money::fromRaw(24131250), Money::fromRaw(5655000),
                                          Money::fromRaw(29786250)}));
  // 15 %, 10 %, and 29,786,250 / 217,425,000 x 100 = 13.69955...
  EXPECT_EQ(f.profitRate, (ByKind<Money>{Money::fromRaw(150000), Money::fromRaw(100000),
                                         Money::fromRaw(136996)}));
  EXPECT_EQ(forecastProfitRates(s), f.profitRate);

  // Machines bought this month, skill 100: 903/40300 x 390 and 1103/40300 x 390; the building
  // at 35 % attendance: 200 x 1.01. Running at morale 75: 390 x 40/403 and 390 x 60/403.
  EXPECT_EQ(f.maintenance[kMaintenanceTotal].raw(), 87387 + 106742 + 2020000);
  EXPECT_EQ(f.operating.total.raw(), 387097 + 580645 + 350 * 10000);
  EXPECT_EQ(f.personnel.total, 5 * (150 + 10 + 5));
  const int64_t cost = 825 * 10000 + 2214129 + 4467742;
  EXPECT_EQ(forecastCost(s, t).raw(), cost);
  EXPECT_EQ(forecastNetProfit(s, t).raw(), 29786250 - cost);
  EXPECT_EQ(f.netProfit.raw(), 14854379);
}

}  // namespace
}  // namespace gm

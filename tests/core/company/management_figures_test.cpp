// The figures of the management screens: a store's budget (forecast beside last month) with the
// splits its grids show, the company's budget as sums whose rates come from the sums, and the
// machine tables by type and kind with their averages, worked out by hand.
#include <gtest/gtest.h>

#include "company/company.h"
#include "company/company_figures.h"
#include "store/budget_figures.h"
#include "store/machine_figures.h"
#include "world/world.h"

namespace gm {
namespace {

constexpr int kHours = 390;
const ForecastTerms kTerms{kHours, 4, 50, 50, 50};

Tddai island(int type, int customers, int64_t spendRaw, int ratePercent) {
  Tddai d;
  d.used = true;
  d.kishu = static_cast<uint8_t>(type);
  d.kounyuuMonth = 4;
  d.kadou = customers;
  d.kyakutan = Money::fromRaw(spendRaw);
  d.nissuu = 30;
  d.jikan = kHours;
  d.riritu = Money::fromInt(ratePercent);
  return d;
}

// A "１フロア" hall with a pachinko island (1,950 customers spending 8,250 yen at 15 %) and a slot
// island (780 customers, 7,250 yen, 10 %), five staff: its forecast is worked out in the store's
// own tests (sales 21,742.5, gross profit 2,978.625 and costs 1,493.1871 thousand yen).
Ttempo smallHall() {
  Ttempo s;
  s.used = true;
  s.joutai = kOpen;
  s.shuttenMonth = 1;
  s.setDansei(3);
  s.setZyosei(2);
  s.setMoral(Money::fromInt(75));
  s.setSkill(Money::fromInt(100));
  s.kyouiku = 10;
  s.fukuri = 5;
  s.hansoku.event = 1;
  s.hansoku.www = 1;
  s.dai[0][0] = island(0, 1950, 82500, 15);
  s.dai[0][1] = island(8, 780, 72500, 10);
  return s;
}

TEST(StoreBudget, ForecastSplitsAndLastMonthAsRecorded) {
  Ttempo s = smallHall();
  s.addEquipment(2);  // "テレビモニター": 0.1 / 3 x 390 hours x 1.10 at leadership 50
  const Budget b = storeBudget(s, kTerms);
  const BudgetColumn& f = b.forecast;
  EXPECT_EQ(f.equipmentUpkeep.raw(), 143000);
  EXPECT_EQ(f.maintenance[kMaintenanceTotal].raw(), 87387 + 106742 + 2020000 + 143000);
  EXPECT_EQ(f.personnel.total, 825);
  EXPECT_EQ(f.operating.promotion, 350);
  EXPECT_EQ(f.cost.raw(), 8250000 + 4467742 + 2357129);
  EXPECT_EQ(f.netProfit.raw(), 29786250 - f.cost.raw());
  EXPECT_EQ(f.profitRate[kTotal].raw(), 136996);

  // Last month: what the close wrote into the store, whatever the islands say now.
  s.uriage = {Money::fromInt(1000), Money::fromInt(500), Money::fromInt(1500)};
  s.arari = {Money::fromInt(150), Money::fromInt(-20), Money::fromInt(130)};
  s.jinkenResults = {750, 50, 25, 825};
  s.eigyouResults = {Money::fromRaw(967742), 350, Money::fromRaw(4467742)};
  s.hoshuResults = {};
  s.hoshuResults[kMachineUpkeep] = Money::fromRaw(194129);
  s.hoshuResults[kBuildingUpkeep] = Money::fromRaw(2020000);
  s.hoshuResults[kFirstEquipmentUpkeep + 2] = Money::fromRaw(143000);
  s.hoshuResults[kFirstEquipmentUpkeep + 11] = Money::fromRaw(1000);
  s.hoshuResults[kMaintenanceTotal] = Money::fromRaw(2358129);
  const BudgetColumn& l = storeBudget(s, kTerms).lastMonth;
  EXPECT_EQ(l.equipmentUpkeep.raw(), 144000);
  EXPECT_EQ(l.cost.raw(), 8250000 + 4467742 + 2358129);
  EXPECT_EQ(l.netProfit.raw(), 1300000 - l.cost.raw()) << "a loss stays negative";
  EXPECT_EQ(l.profitRate,
            (ByKind<Money>{Money::fromInt(15), Money::fromInt(-4), Money::fromRaw(86667)}));
  EXPECT_EQ(l.netProfit, s.netProfit()) << "the status page's net profit is the same figure";

  const Budget none = storeBudget(Ttempo(), kTerms);
  EXPECT_EQ(none.forecast.profitRate, (ByKind<Money>{})) << "no sales, no rate";
  EXPECT_EQ(none.lastMonth.cost, Money());
}

TEST(CompanyBudget, SumsTheStoresInUseAndTakesTheRatesFromTheSums) {
  tworld w;
  tkaichou& k = w.kaichou;
  k.slot(1) = smallHall();
  k.slot(3) = smallHall();
  k.slot(3).dai[0][0].riritu = Money::fromInt(5);
  k.slot(3).dai[0][1].riritu = Money::fromInt(5);
  k.slot(4) = smallHall();
  k.slot(4).used = false;  // a free slot's leftovers count for nothing
  k.slot(4).uriage[kTotal] = Money::fromInt(99999);

  k.slot(1).uriage = {Money::fromInt(1000), Money(), Money::fromInt(1000)};
  k.slot(1).arari = {Money::fromInt(150), Money(), Money::fromInt(150)};
  k.slot(3).uriage = {Money::fromInt(3000), Money(), Money::fromInt(3000)};
  k.slot(3).arari = {Money::fromInt(150), Money(), Money::fromInt(150)};
  k.slot(3).jinkenResults = {100, 0, 0, 100};

  const Budget b = companyBudget(k, kTerms);
  // Gross profit 2,978.625 + 5 % of 21,742.5 over sales of 43,485: 9.34977... per cent.
  EXPECT_EQ(b.forecast.grossProfit[kTotal].raw(), 29786250 + 10871250);
  EXPECT_EQ(b.forecast.profitRate[kTotal].raw(), 93498);
  EXPECT_EQ(b.forecast.personnel.total, 2 * 825);
  EXPECT_EQ(b.forecast.netProfit.raw(), 40657500 - 2 * (8250000 + 4467742 + 2214129));
  // 300 over 4,000 is 7.5 %, not the average of 15 % and 5 %.
  EXPECT_EQ(b.lastMonth.profitRate[kPachinko], Money::fromRaw(75000));
  EXPECT_EQ(b.lastMonth.sales[kTotal], Money::fromInt(4000));
  EXPECT_EQ(b.lastMonth.netProfit, Money::fromInt(300 - 100));
  EXPECT_EQ(b.lastMonth.profitRate[kSlot], Money()) << "no slot sales";

  const ForecastTerms t = forecastTerms(w);
  EXPECT_EQ(t.month, w.month);
  EXPECT_EQ(t.hours, w.MonthlyHours());
}

TEST(MachineTable, RowsByTypeAndKindWithTheirAverages) {
  Ttempo s;
  s.used = true;
  s.kibo = 1;
  Tddai a = island(0, 1950, 82500, 15);
  a.ririJisseki = Money::fromInt(20);
  a.riritu = Money::fromRaw(150001);
  Tddai b = island(0, 975, 60000, 15);
  b.keitai = 2;
  b.morning = 4;  // morning service counts on slot islands only
  b.riritu = Money::fromRaw(150000);
  Tddai c = island(8, 780, 72500, 10);
  c.morning = 3;
  c.keitai = 3;
  s.dai[0][0] = a;
  s.dai[1][4] = b;
  s.dai[0][1] = c;
  s.dai[2][0] = island(1, 100, 10000, 10);  // a floor the store does not have
  s.dai[0][2] = island(1, 100, 10000, 10);
  s.dai[0][2].used = false;

  const MachineTable t = machineTable(s);
  const MachineRow& general = t.types[0];
  EXPECT_EQ(general.islands, 2);
  EXPECT_EQ(general.machines, 20);
  EXPECT_EQ(general.forms, (std::array<int, 4>{10, 0, 10, 0}));
  EXPECT_EQ(general.morning, 0);
  EXPECT_EQ(t.types[1].islands, 0) << "neither the missing floor nor a free record counts";
  // (150001 + 150000) / 2 = 150000.5, to even.
  EXPECT_EQ(general.averageRiritu.raw(), 150000);
  // Sales 1950 x 8.25 + 975 x 6.0 = 21,937.5; realised 20 % and 0 %: 3,217.5.
  EXPECT_EQ(general.sales, Money::fromRaw(219375000));
  EXPECT_EQ(general.grossProfit, Money::fromRaw(32175000));
  EXPECT_EQ(general.profitRate.raw(), 146667);
  EXPECT_EQ(general.averageRealisedRate, Money::fromInt(10));
  // 1950 / 3900 and 975 / 3900 of the machine hours: 50 % and 25 %.
  EXPECT_EQ(general.averageAttendance, 37);
  EXPECT_EQ(general.averageSpendPerCustomer.raw(), 71250);
  // 16,087.5 / 10 machines / 30 days = 53.625, and 5,850 / 300 = 19.5: 36.5625 on average.
  EXPECT_EQ(general.averageSalesPerMachineDay.raw(), 365625);

  EXPECT_EQ(t.kinds[kSlot].morning, 3);
  EXPECT_EQ(t.kinds[kSlot].forms, (std::array<int, 4>{0, 0, 0, 10}));
  EXPECT_EQ(t.kinds[kPachinko].islands, 2);
  EXPECT_EQ(t.kinds[kTotal].machines, 30);
  EXPECT_EQ(t.kinds[kTotal].sales, general.sales + t.types[8].sales);
  EXPECT_EQ(t.types[8].expectedProfitRate, Money::fromInt(10));

  const MachineTable empty = machineTable(Ttempo());
  EXPECT_EQ(empty.kinds[kTotal].averageRiritu, Money()) << "no islands, no average";
}

TEST(MachineTable, TheCompanyAddsItsStoresAndKeepsTheWarehouseApart) {
  tworld w;
  tkaichou& k = w.kaichou;
  k.slot(1).used = true;
  k.slot(1).dai[0][0] = island(0, 1000, 80000, 10);
  k.slot(2).used = true;
  k.slot(2).dai[0][0] = island(0, 2000, 80000, 20);
  k.slot(5).dai[0][0] = island(0, 2000, 80000, 20);  // slot not in use
  k.record(7) = island(9, 0, 0, 15);
  k.record(8) = island(3, 0, 0, 15);

  const MachineTable stores = companyMachineTable(k);
  EXPECT_EQ(stores.types[0].islands, 2);
  EXPECT_EQ(stores.types[0].averageRiritu, Money::fromInt(15));
  // 800 + 3,200 kept of 24,000 sold at the set rates.
  EXPECT_EQ(stores.kinds[kTotal].expectedProfitRate.raw(), 166667);
  const MachineTable stock = warehouseMachineTable(k);
  EXPECT_EQ(stock.kinds[kSlot].machines, 10);
  EXPECT_EQ(stock.kinds[kPachinko].machines, 10);
  EXPECT_EQ(stock.types[0].islands, 0);
}

}  // namespace
}  // namespace gm

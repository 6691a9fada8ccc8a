// The store window's pages over a hall with islands: the forecast column of the budget worked
// out by hand, the machine grids of the bulk-settings page, the company's installed machines
// beside its warehouse, and pages that empty themselves when the store they show is gone.
#include <gtest/gtest.h>

#include <QPushButton>

#include "shell/main_window.h"
#include "shell_test_support.h"
#include "ui/budget_page.h"
#include "ui/company_window.h"
#include "ui/figure_grid.h"
#include "ui/machine_grids.h"
#include "ui/machine_pages.h"
#include "ui/stats_page.h"
#include "ui/store_window.h"
#include "world/world.h"

namespace gm {
namespace {

Tddai island(int type, int customers, int64_t spendRaw, int ratePercent) {
  Tddai d;
  d.used = true;
  d.kishu = static_cast<uint8_t>(type);
  d.kounyuuMonth = 4;
  d.kadou = customers;
  d.kyakutan = Money::fromRaw(spendRaw);
  d.nissuu = 30;
  d.jikan = 390;
  d.riritu = Money::fromInt(ratePercent);
  return d;
}

class MachinePages : public ::testing::Test {
 protected:
  void SetUp() override {
    main = std::make_unique<TMain>();
    SubWindowMakers makers;
    makers.kaishaform = [](TMain& m) { return new CompanyWindow(m); };
    makers.tempoform = [](TMain& m) { return new StoreWindow(m); };
    main->createSubWindows(makers);
    auto w = test::smallWorld(4, 4);
    w->month = 4;
    tkaichou& k = w->kaichou;
    k.tousotu = k.chisei = k.karisuma = 50;
    // The hall of the forecasts' own test: 3 men and 2 women, morale 75, skill 100, an event
    // and a WWW server, a pachinko island at 15 % and a slot island at 10 %.
    Ttempo& s = k.slot(1);
    s.used = true;
    s.name = "一号店";
    s.joutai = kOpen;
    s.shuttenMonth = 1;
    s.blockX = 1;
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
    s.dai[0][1].morning = 3;
    s.dai[0][1].keitai = 2;
    hours = w->MonthlyHours();
    main->replaceWorld(std::move(w));
  }
  void TearDown() override { main.reset(); }
  StoreWindow& store() { return *static_cast<StoreWindow*>(main->subWindows().tempoform); }

  std::unique_ptr<TMain> main;
  int hours = 0;
};

TEST_F(MachinePages, TheBudgetForecastsTheMonthInProgress) {
  ASSERT_EQ(hours, 390) << "the figures below are worked out for 390 hours";
  store().showStore(1);
  const BudgetPage* page = store().budgetPage();
  const FigureGrid* estimate = page->grid(BudgetPage::kEstimate);
  // 1950 x 8.25 + 780 x 7.25 = 21,742.5; at the set rates 2,413.125 + 565.5 = 2,978.625.
  EXPECT_EQ(estimate->figure(BudgetPage::kSalesForecast, 2), QStringLiteral("21,743"));
  EXPECT_EQ(estimate->figure(BudgetPage::kGrossForecast, 0), QStringLiteral("2,413"));
  EXPECT_EQ(estimate->figure(BudgetPage::kRateForecast, 1), QStringLiteral("10.0%"));
  EXPECT_EQ(estimate->figure(BudgetPage::kRateForecast, 2), QStringLiteral("13.6%"));
  const FigureGrid* profit = page->grid(BudgetPage::kProfit);
  // Personnel 825, operating 446.7742, maintenance 221.4129: 1,485.4379 left.
  EXPECT_EQ(profit->figure(1, BudgetPage::kForecast), QStringLiteral("825"));
  EXPECT_EQ(profit->figure(4, BudgetPage::kForecast), QStringLiteral("1,493"));
  EXPECT_EQ(profit->figure(5, BudgetPage::kForecast), QStringLiteral("1,485"));
  EXPECT_EQ(page->grid(BudgetPage::kOperating)->figure(1, BudgetPage::kForecast),
            QStringLiteral("350"))
      << "the event (50) and the server (300)";
  EXPECT_EQ(page->grid(BudgetPage::kMaintenance)->figure(1, BudgetPage::kForecast),
            QStringLiteral("202"))
      << "a one-floor building at 35 % attendance";
}

TEST_F(MachinePages, BulkPageGridsByTypeAndKind) {
  store().showStore(1);
  const FigureGrid* installed = store().machineGrids()->installedGrid();
  const int slotType = 8, slotRow = kKindRow + 1, allRow = kKindRow + 2;
  EXPECT_EQ(installed->verticalHeaderItem(slotType)->text(), QStringLiteral("パチスロ"));
  EXPECT_EQ(installed->figure(0, 1), QStringLiteral("10"));
  EXPECT_EQ(installed->figure(0, 2), QStringLiteral("10")) << "無制限";
  EXPECT_EQ(installed->figure(slotType, 4), QStringLiteral("10")) << "定量制";
  EXPECT_EQ(installed->figure(slotType, 6), QStringLiteral("3")) << "morning machines";
  EXPECT_EQ(installed->figure(allRow, 0), QStringLiteral("2"));
  EXPECT_EQ(installed->figure(allRow, 1), QStringLiteral("20"));

  const FigureGrid* results = store().machineGrids()->resultsGrid();
  EXPECT_EQ(results->figure(0, 1), QStringLiteral("15.0%"));
  // 16,087.5 thousand yen over ten machines and thirty days: 53,625 yen; 1,950 of 3,900 hours.
  EXPECT_EQ(results->figure(0, 3), QStringLiteral("53,625"));
  EXPECT_EQ(results->figure(0, 5), QStringLiteral("8,250"));
  EXPECT_EQ(results->figure(0, 6), QStringLiteral("50%"));
  EXPECT_EQ(results->figure(slotRow, 1), QStringLiteral("10.0%"));
  EXPECT_EQ(results->figure(allRow, 1), QStringLiteral("12.5%"));
  EXPECT_EQ(results->figure(1, 0), QStringLiteral("0")) << "a type the hall has none of";
}

TEST_F(MachinePages, TheCompanyCountsItsStoresAndItsWarehouseApart) {
  tkaichou& k = main->world().kaichou;
  k.slot(3).used = true;
  k.slot(3).dai[0][0] = island(0, 0, 0, 15);
  k.record(1) = island(9, 0, 0, 15);
  k.record(2) = island(0, 0, 0, 15);
  auto& company = *static_cast<CompanyWindow*>(main->subWindows().kaishaform);
  company.refresh();
  const FigureGrid* counts = company.machinesPage()->countsGrid();
  EXPECT_EQ(counts->figure(0, 0), QStringLiteral("2")) << "the islands of both stores";
  EXPECT_EQ(counts->figure(0, 1), QStringLiteral("20"));
  EXPECT_EQ(counts->figure(0, 3), QStringLiteral("10")) << "the warehouse's record";
  EXPECT_EQ(counts->figure(9, 2), QStringLiteral("1"));
  EXPECT_EQ(counts->figure(kKindRow + 2, 3), QStringLiteral("20"));
  EXPECT_EQ(company.machinesPage()->resultsGrid()->figure(0, 1), QStringLiteral("15.0%"));
}

TEST_F(MachinePages, PagesEmptyThemselvesWhenTheStoreIsGone) {
  store().showStore(1);
  ASSERT_FALSE(store().budgetPage()->grid(BudgetPage::kEstimate)->figure(0, 2).isEmpty());
  main->world().kaichou.slot(1).init();
  store().refresh();
  EXPECT_TRUE(store().budgetPage()->grid(BudgetPage::kEstimate)->figure(0, 2).isEmpty());
  EXPECT_TRUE(store().machineGrids()->installedGrid()->figure(0, 1).isEmpty());
  EXPECT_EQ(store().statsPage()->grid()->columnCount(), 1);
  EXPECT_FALSE(store().budgetPage()->button(BudgetPage::kTakings)->isEnabled());
  EXPECT_TRUE(store().budgetPage()->button(BudgetPage::kResults)->isEnabled())
      << "the company's report needs no store";
}

}  // namespace
}  // namespace gm

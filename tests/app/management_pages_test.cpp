// The pages of the store window and the company manager: the budget grids with last month as
// the close recorded it, the statistics grid and charts over the history the store has, the
// budget commands' dialogs, the company's store list (sorting, opening a store, the personnel
// costs of the selected stores), the icon options, and the pop-up menus that repeat the
// commands of the page shown.
#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QMap>
#include <QMenu>
#include <QPushButton>
#include <QSettings>
#include <QSpinBox>
#include <QTabWidget>
#include <QTreeWidget>

#include "shell/main_window.h"
#include "shell/options_store.h"
#include "shell_test_support.h"
#include "support/scripted_frontend.h"
#include "ui/budget_page.h"
#include "ui/company_store_list_page.h"
#include "ui/company_window.h"
#include "ui/company_window_warehouse.h"
#include "ui/detail_dialogs.h"
#include "ui/figure_grid.h"
#include "ui/history_graph.h"
#include "ui/personnel_cost_window.h"
#include "ui/personnel_window.h"
#include "ui/stats_page.h"
#include "ui/store_window.h"
#include "ui/store_window_islands.h"
#include "world/world.h"

namespace gm {
namespace {

class ManagementPages : public ::testing::Test {
 protected:
  void SetUp() override {
    // The lists start as their windows design them, whatever an earlier test left.
    openSettings()->clear();
    main = std::make_unique<TMain>();
    SubWindowMakers makers;
    makers.kaishaform = [](TMain& m) { return new CompanyWindow(m); };
    makers.tempoform = [](TMain& m) { return new StoreWindow(m); };
    makers.idouform = [](TMain& m) { return new PersonnelWindow(m); };
    main->createSubWindows(makers);
    main->options().tellmsg = false;
    auto w = test::smallWorld(6, 6);
    w->month = 8;
    w->kaichou.kaishaname = "銀玉興業";
    main->replaceWorld(std::move(w));
    main->world().setFrontend(&port);
  }
  void TearDown() override {
    main->world().setFrontend(nullptr);
    main.reset();
  }

  tworld& world() { return main->world(); }
  // A store in `slot` on block (slot, 1), with last month's figures as a close writes them.
  Ttempo& openStore(int slot, const char* name, int takings, int gross) {
    Ttempo& s = world().kaichou.slot(slot);
    s.used = true;
    s.name = name;
    s.joutai = kOpen;
    s.blockX = slot;
    s.blockY = 1;
    world().block(1, slot).kind = 19;
    s.uriage = {Money::fromInt(takings), Money(), Money::fromInt(takings)};
    s.arari = {Money::fromInt(gross), Money(), Money::fromInt(gross)};
    s.jinkenResults = {750, 50, 25, 825};
    s.eigyouResults = {Money::fromRaw(967742), 350, Money::fromRaw(4467742)};
    s.hoshuResults[kMachineUpkeep] = Money::fromRaw(194129);
    s.hoshuResults[kBuildingUpkeep] = Money::fromRaw(2020000);
    s.hoshuResults[kMaintenanceTotal] = Money::fromRaw(2214129);
    return s;
  }
  StoreWindow& store() { return *static_cast<StoreWindow*>(main->subWindows().tempoform); }
  CompanyWindow& company() { return *static_cast<CompanyWindow*>(main->subWindows().kaishaform); }
  QStringList menuTexts(QMenu* menu) {
    QStringList texts;
    for (QAction* a : menu->actions())
      if (!a->isSeparator()) texts << (a->menu() ? a->menu()->title() : a->text());
    return texts;
  }
  QAction* menuItem(QMenu* menu, const QString& text) {
    for (QAction* a : menu->actions())
      if (a->text() == text) return a;
    return nullptr;
  }

  test::ScriptedFrontend port;
  std::unique_ptr<TMain> main;
};

TEST_F(ManagementPages, BudgetGridsShowLastMonthAsClosedAndTheCompanyAddsItsStores) {
  openStore(1, "一号店", 1500, 130);
  store().showStore(1);
  BudgetPage* page = store().budgetPage();
  ASSERT_EQ(store().pages()->tabText(store().pages()->indexOf(page)), QStringLiteral("予算"));
  FigureGrid* estimate = page->grid(BudgetPage::kEstimate);
  EXPECT_EQ(estimate->figure(BudgetPage::kSalesLast, 2), QStringLiteral("1,500"));
  EXPECT_EQ(estimate->figure(BudgetPage::kRateLast, 0), QStringLiteral("8.6%"))
      << "130 of 1,500 is 8.666..., cut to one decimal";
  EXPECT_EQ(estimate->figure(BudgetPage::kRateLast, 1), QStringLiteral("0.0%")) << "no slots";
  FigureGrid* profit = page->grid(BudgetPage::kProfit);
  // Costs 825 + 446.7742 + 221.4129 = 1,493.1871 against a gross profit of 130.
  EXPECT_EQ(profit->figure(4, BudgetPage::kLastMonth), QStringLiteral("1,493"));
  EXPECT_EQ(profit->figure(5, BudgetPage::kLastMonth), QStringLiteral("-1,363"));
  EXPECT_EQ(profit->item(5, BudgetPage::kLastMonth)->foreground().color(), QColor(0xc0, 0, 0))
      << "a loss is red";
  EXPECT_EQ(page->grid(BudgetPage::kPersonnel)->figure(0, BudgetPage::kLastMonth),
            QStringLiteral("750"));
  EXPECT_EQ(page->grid(BudgetPage::kMaintenance)->figure(1, BudgetPage::kLastMonth),
            QStringLiteral("202"));
  EXPECT_EQ(page->grid(BudgetPage::kOperating)->figure(1, BudgetPage::kLastMonth),
            QStringLiteral("350"));

  openStore(4, "四号店", 3000, 450);
  company().refresh();
  BudgetPage* all = company().budgetPage();
  EXPECT_EQ(all->button(BudgetPage::kPersonnelCosts), nullptr)
      << "the company sets personnel costs store by store";
  EXPECT_EQ(all->grid(BudgetPage::kEstimate)->figure(BudgetPage::kSalesLast, 2),
            QStringLiteral("4,500"));
  EXPECT_EQ(all->grid(BudgetPage::kEstimate)->figure(BudgetPage::kRateLast, 2),
            QStringLiteral("12.8%"))
      << "580 of 4,500 (12.88...): the sums' rate, not the stores' average of 11.8";
}

TEST_F(ManagementPages, StatisticsShowTheMonthsTheStoreHasAndChartTheChosenSeries) {
  Ttempo& s = openStore(2, "二号店", 0, 0);
  // Three closed months: July (newest), June and May of year 1.
  for (int m : {3, 2, 1}) {
    s.backup.push(0, Money::fromInt(100000 + m));
    s.backup.push(1, Money::fromInt(1000 * m));
    s.backup.push(7, Money::fromInt(m == 2 ? -50 : 20));
    s.backup.push(9, Money::fromInt(40 + m));
  }
  store().showStore(2);
  StatsPage* page = store().statsPage();
  FigureGrid* grid = page->grid();
  ASSERT_EQ(grid->columnCount(), 4) << "three months and the average";
  EXPECT_EQ(grid->horizontalHeaderItem(0)->text(), QStringLiteral("1年7月"));
  EXPECT_EQ(grid->horizontalHeaderItem(2)->text(), QStringLiteral("1年5月"));
  EXPECT_EQ(grid->horizontalHeaderItem(3)->text(), QStringLiteral("平均"));
  EXPECT_EQ(grid->figure(1, 0), QStringLiteral("1,000"));
  EXPECT_EQ(grid->figure(1, 3), QStringLiteral("2,000"));
  EXPECT_EQ(grid->figure(7, 1), QStringLiteral("-50"));
  EXPECT_EQ(grid->figure(7, 3), QStringLiteral("-3")) << "(20 - 50 + 20) / 3, rounded";
  EXPECT_EQ(grid->figure(9, 0), QStringLiteral("41"));

  EXPECT_EQ(page->view(), StatsPage::kGrid);
  page->resultsButton()->click();
  HistoryGraph* graph = page->graph();
  EXPECT_EQ(graph->monthLabels(), (QStringList{"1年5月", "6月", "7月"})) << "oldest first";
  EXPECT_EQ(graph->seriesCount(), 6) << "the money series but the asset value";
  page->seriesBox(0)->setChecked(true);
  page->seriesBox(4)->setChecked(false);
  EXPECT_EQ(graph->seriesCount(), 6);
  EXPECT_EQ(graph->seriesName(0), QStringLiteral("資産価値"));
  page->abilityButton()->click();
  EXPECT_EQ(graph->seriesCount(), 5);
  EXPECT_FALSE(graph->drawsBars());
  page->averageButton()->click();
  EXPECT_TRUE(graph->drawsBars());
  EXPECT_EQ(graph->seriesCount(), 6);
  page->switchButton()->click();
  EXPECT_EQ(page->view(), StatsPage::kGrid);
  page->switchButton()->click();
  EXPECT_EQ(page->view(), StatsPage::kYearlyAverage) << "back to the last chart";

  // A store that has not closed a month yet has nothing to chart.
  openStore(3, "三号店", 0, 0);
  store().showStore(3);
  EXPECT_EQ(grid->columnCount(), 1);
  EXPECT_EQ(graph->seriesCount(), 0);

  company().refresh();
  EXPECT_EQ(company().statsPage()->grid()->verticalHeaderItem(0)->text(), QStringLiteral("総資産"));
  EXPECT_EQ(company().statsPage()->grid()->columnCount(), 8) << "seven months closed";
}

TEST_F(ManagementPages, BudgetCommandsOpenTheirDialogsForTheStoreOrTheCompany) {
  Ttempo& s = openStore(1, "一号店", 1500, 130);
  s.setDansei(4);
  s.dai[0][0].used = true;
  s.dai[0][0].kishu = 8;
  store().showStore(1);
  QString subject, total, upkeepRows, machines;
  test::whenModal([&](QWidget* modal) {
    auto* d = qobject_cast<Thoshushousai*>(modal);
    ASSERT_NE(d, nullptr);
    subject = d->findChild<QLabel*>(QStringLiteral("subjectlb"))->text();
    upkeepRows = QString::number(d->grid()->rowCount());
    total = d->grid()->figure(14, 1);
    d->accept();
  });
  store().budgetPage()->button(BudgetPage::kMaintenanceDetail)->click();
  EXPECT_EQ(subject, QStringLiteral("一号店"));
  EXPECT_EQ(upkeepRows, QStringLiteral("15"));
  EXPECT_EQ(total, QStringLiteral("221"));

  test::whenModal([&](QWidget* modal) {
    auto* d = qobject_cast<Turishousai*>(modal);
    ASSERT_NE(d, nullptr);
    EXPECT_EQ(d->windowTitle(), QStringLiteral("売上／利益  種別集計"));
    subject = d->findChild<QLabel*>(QStringLiteral("subjectlb"))->text();
    machines = d->grid()->figure(8, 0);
    d->accept();
  });
  company().refresh();
  company().budgetPage()->button(BudgetPage::kTakings)->click();
  EXPECT_EQ(subject, QStringLiteral("会社全体"));
  EXPECT_EQ(machines, QStringLiteral("10")) << "the slot island, under パチスロ";

  test::whenModal([&](QWidget* modal) {
    ASSERT_NE(qobject_cast<Tjinkenchousei*>(modal), nullptr);
    static_cast<QDialog*>(modal)->reject();
  });
  store().budgetPage()->button(BudgetPage::kPersonnelCosts)->click();
}

TEST_F(ManagementPages, StoreListSortsOpensAndSetsThePersonnelCostsOfTheSelection) {
  openStore(1, "一号店", 900, 90).setDansei(5);
  openStore(2, "二号店", 12000, 1500).setDansei(5);
  openStore(3, "三号店", 3000, -20).setDansei(5);
  company().refresh();
  CompanyStoreListPage* page = company().storeListPage();
  QTreeWidget* list = page->tempolist()->tree();
  ASSERT_EQ(list->topLevelItemCount(), 3);
  EXPECT_EQ(list->topLevelItem(0)->text(CompanyStoreListPage::kName), QStringLiteral("一号店"));
  list->sortItems(CompanyStoreListPage::kTakings, Qt::DescendingOrder);
  EXPECT_EQ(list->topLevelItem(0)->text(0), QStringLiteral("二号店")) << "12,000 above 3,000";
  EXPECT_EQ(list->topLevelItem(2)->text(0), QStringLiteral("一号店"));
  EXPECT_EQ(list->topLevelItem(1)->foreground(CompanyStoreListPage::kGrossProfit).color(),
            QColor(0xc0, 0, 0));

  page->button(CompanyStoreListPage::kStoreData)->click();
  EXPECT_FALSE(store().isVisible()) << "nothing selected, nothing opened";
  emit list->itemDoubleClicked(list->topLevelItem(1), 0);
  EXPECT_TRUE(store().isVisible());
  EXPECT_EQ(store().shownSlot(), 3);

  list->topLevelItem(0)->setSelected(true);
  list->topLevelItem(2)->setSelected(true);
  QString stores;
  test::whenModal([&](QWidget* modal) {
    auto* form = qobject_cast<Tjinkenchousei*>(modal);
    ASSERT_NE(form, nullptr);
    stores = form->storesLabel()->text();
    form->welfareEdit()->setValue(20);
    form->okButton()->click();
  });
  port.answers = {true};
  page->button(CompanyStoreListPage::kPersonnelCosts)->click();
  EXPECT_FALSE(stores.isEmpty());
  EXPECT_EQ(world().kaichou.slot(1).fukuri, 20);
  EXPECT_EQ(world().kaichou.slot(2).fukuri, 20);
  EXPECT_EQ(world().kaichou.slot(3).fukuri, 0) << "not selected";
  EXPECT_EQ(page->selection().count(), 2u) << "the refresh keeps the selection";
}

TEST_F(ManagementPages, ListsFollowTheIconOptions) {
  openStore(1, "一号店", 0, 0).setDansei(2);
  main->options().tempoiconview = true;
  company().refresh();
  QTreeWidget* list = company().storeListPage()->tempolist()->tree();
  EXPECT_FALSE(list->topLevelItem(0)->icon(0).isNull());
  main->options().tempoiconview = false;
  company().rebuildLists();
  EXPECT_TRUE(list->topLevelItem(0)->icon(0).isNull());

  // The machine lists follow the other option: the islands and the warehouse.
  Ttempo& hall = world().kaichou.slot(1);
  hall.dai[0][0].used = true;
  hall.dai[0][0].kishu = 8;
  world().kaichou.record(1).used = true;
  main->options().daiiconview = true;
  store().showStore(1);
  company().refresh();
  QTreeWidget* islands = store().islandsPage()->dailist();
  QTreeWidget* stock = company().warehousePage()->dailist();
  EXPECT_FALSE(islands->topLevelItem(0)->icon(StoreIslandsPage::kColName).isNull());
  EXPECT_FALSE(stock->topLevelItem(0)->icon(WarehousePage::kColName).isNull());
  main->options().daiiconview = false;
  store().rebuildLists();
  company().rebuildLists();
  EXPECT_TRUE(islands->topLevelItem(0)->icon(StoreIslandsPage::kColName).isNull());
  EXPECT_TRUE(stock->topLevelItem(0)->icon(WarehousePage::kColName).isNull());

  auto& personnel = *static_cast<PersonnelWindow*>(main->subWindows().idouform);
  personnel.session().begin();
  personnel.rebuildLists();
  EXPECT_TRUE(personnel.storeList()->topLevelItem(0)->icon(0).isNull());
  main->options().tempoiconview = true;
  personnel.rebuildLists();
  EXPECT_FALSE(personnel.storeList()->topLevelItem(0)->icon(0).isNull());
}

TEST_F(ManagementPages, PopUpMenusRepeatThePageAndWindowCommands) {
  openStore(1, "一号店", 0, 0);
  openStore(5, "五号店", 0, 0);
  store().showStore(1);
  store().pages()->setCurrentWidget(store().budgetPage());
  QMenu* menu = store().popupMenu();
  const QStringList texts = menuTexts(menu);
  for (const char* t :
       {"売上詳細(&E)", "保守費詳細(&T)", "人件費調整(&N)", "実績報告書(&J)", "リサーチ(&A)",
        "人事(&S)", "命令終了(&X)", "新台購入(&B)", "次店(&Q)", "ﾘｽﾄ(&L)", "倉庫(&G)", "電卓(&U)"})
    EXPECT_TRUE(texts.contains(QString::fromUtf8(t))) << t;
  EXPECT_FALSE(texts.contains(QStringLiteral("切替(&C)"))) << "another page's command";
  menuItem(menu, QStringLiteral("次店(&Q)"))->trigger();
  EXPECT_EQ(store().shownSlot(), 5) << "the item gives the button's order";

  store().pages()->setCurrentWidget(store().statsPage());
  EXPECT_TRUE(menuTexts(store().popupMenu()).contains(QStringLiteral("能力ｸﾞﾗﾌ(&P)")));

  company().refresh();
  company().pages()->setCurrentWidget(company().storeListPage());
  company().fillPopupMenu();
  const QStringList all = menuTexts(company().popupMenu());
  EXPECT_EQ(all.front(), QStringLiteral("特殊工作(&K)"));
  EXPECT_TRUE(all.contains(QStringLiteral("店舗ﾃﾞｰﾀ(&T)")));
  EXPECT_TRUE(all.contains(QStringLiteral("表示(&O)"))) << "the list's view styles";
  EXPECT_TRUE(all.contains(QStringLiteral("ﾘｽﾄ(&L)")));
}

// Alt and a letter in a pop-up menu picks one item only: no two items of a menu share a letter,
// whichever page the menu repeats.
TEST_F(ManagementPages, EveryPopUpItemHasALetterOfItsOwn) {
  // Three stores outgrow the first warehouse: its page shows "改築(&K)" too.
  for (int n = 1; n <= 3; ++n) openStore(n, "一号店", 0, 0);
  store().showStore(1);
  company().refresh();
  ASSERT_FALSE(company().warehousePage()->rebuildButton()->isHidden());
  const auto expectOwnLetters = [this](QMenu* menu, const QString& where) {
    QMap<QChar, QString> taken;
    for (const QString& text : menuTexts(menu)) {
      const int amp = text.indexOf(QLatin1Char('&'));
      if (amp < 0 || amp + 1 >= text.size()) continue;
      const QChar letter = text.at(amp + 1).toUpper();
      EXPECT_FALSE(taken.contains(letter)) << where.toStdString() << ": " << text.toStdString()
                                           << " and " << taken.value(letter).toStdString();
      taken.insert(letter, text);
    }
  };
  for (int p = 0; p < store().pages()->count(); ++p) {
    store().pages()->setCurrentIndex(p);
    expectOwnLetters(store().popupMenu(),
                     QStringLiteral("店舗データ ") + store().pages()->tabText(p));
  }
  for (int p = 0; p < company().pages()->count(); ++p) {
    company().pages()->setCurrentIndex(p);
    company().fillPopupMenu();
    expectOwnLetters(company().popupMenu(),
                     QStringLiteral("ﾕﾆｵﾝﾏﾈｰｼﾞｬ ") + company().pages()->tabText(p));
  }
}

}  // namespace
}  // namespace gm

// The store window's order pages and status commands, the job stream they start, the machine
// window and the company manager's warehouse page, on a real main window.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QTimer>
#include <QTreeWidget>

#include "order_windows.h"
#include "ui/company_store_list_page.h"
#include "ui/company_window_warehouse.h"
#include "ui/list_layout.h"
#include "ui/store_window_bulk.h"
#include "ui/store_window_equipment.h"
#include "ui/store_window_islands.h"
#include "ui/store_window_promotion.h"

namespace gm {
namespace {

using StoreWindowPages = test::OrderWindows;

// Cancels the next `count` modal dialogs as they come, recording their captions.
void cancelEach(std::shared_ptr<QStringList> seen, int count) {
  if (count == 0) return;
  test::whenModal([seen, count](QWidget* modal) {
    *seen << modal->windowTitle();
    cancelEach(seen, count - 1);
    if (auto* d = qobject_cast<QDialog*>(modal)) d->reject();
  });
}

TEST_F(StoreWindowPages, PagesStandInTheirOrder) {
  QStringList tabs;
  for (int i = 0; i < storeWindow().pages()->count(); ++i)
    tabs << storeWindow().pages()->tabText(i);
  EXPECT_EQ(tabs,
            (QStringList{"ｽﾃｰﾀｽ", "予算", "一括設定", "個別調整", "販促", "設備", "統計", "診断"}));
}

TEST_F(StoreWindowPages, TheIslandPageStepsTheSelectedIslands) {
  Ttempo& s = addStore(1, 2, 2, 1, kOpen, "銀玉会館");
  s.dai[0][0] = island(0, "一号");
  s.dai[0][3] = island(8, "スロ");
  s.dai[1][0] = island(4, "二階");
  storeWindow().showStore(1);
  StoreIslandsPage* page = storeWindow().islandsPage();
  QTreeWidget* list = page->dailist();
  ASSERT_EQ(list->topLevelItemCount(), 3);
  EXPECT_EQ(list->topLevelItem(1)->text(StoreIslandsPage::kColPlace), QStringLiteral("1F-4"));
  page->selectIslands({{0, 0}, {0, 3}});
  page->stepChoice()->setCurrentIndex(0);  // 10 %
  page->button(StoreIslandsPage::kRateUp)->click();
  EXPECT_EQ(s.dai[0][0].riritu, Money::fromInt(25));
  EXPECT_EQ(s.dai[0][3].riritu, Money::fromInt(25));
  EXPECT_EQ(s.dai[1][0].riritu, Money::fromInt(15));
  EXPECT_EQ(page->selectedIslands().size(), 2u) << "the selection survives the refresh";
  EXPECT_EQ(list->topLevelItem(0)->text(StoreIslandsPage::kColRate), QStringLiteral("25.0%"));
  page->button(StoreIslandsPage::kMorningUp)->click();
  EXPECT_EQ(s.dai[0][3].morning, 1);
  page->button(StoreIslandsPage::kFormUp)->click();
  EXPECT_EQ(s.dai[0][0].keitai, 1);

  page->button(StoreIslandsPage::kSwitchFloor)->click();
  EXPECT_EQ(page->floorLabel()->text(), QStringLiteral("1Fﾎｰﾙ"));
  EXPECT_EQ(list->topLevelItemCount(), 2);
  page->button(StoreIslandsPage::kSwitchFloor)->click();
  EXPECT_EQ(list->topLevelItemCount(), 1);
  page->button(StoreIslandsPage::kSwitchFloor)->click();
  EXPECT_EQ(page->floorLabel()->text(), QStringLiteral("全フロア"));

  // A double click opens the machine window on the island.
  emit list->itemDoubleClicked(list->topLevelItem(2), 0);
  EXPECT_TRUE(machineWindow().isVisible());
  EXPECT_EQ(machineWindow().row(MachineFacts::kName)->text(), QStringLiteral("二階"));
  EXPECT_EQ(machineWindow().row(MachineFacts::kPlace)->text(), QStringLiteral("銀玉会館  2Fﾎｰﾙ"));
}

TEST_F(StoreWindowPages, TheEquipmentPageOffersWhatTheStoreCanTakeAndInvests) {
  addStore(1, 2, 2, 1, kWaiting, "銀玉会館");
  storeWindow().showStore(1);
  StoreEquipmentPage* page = storeWindow().equipmentPage();
  EXPECT_EQ(page->offeredList(0)->count(), 5);
  EXPECT_EQ(page->offeredList(1)->count(), 2) << "a two-floor hall takes only the second floor's";
  EXPECT_EQ(page->offeredList(0)->item(0)->text(), QStringLiteral("独立島    10,500"));
  EXPECT_FALSE(page->investButton(1)->isEnabled());
  page->offeredList(1)->setCurrentRow(1);  // 託児所
  page->investButton(1)->click();
  EXPECT_TRUE(world().kaichou.slot(1).hasEquipment(6));
  EXPECT_EQ(page->installedList(1)->count(), 1);
  EXPECT_EQ(page->offeredList(1)->count(), 0) << "the rest room cannot stand beside it";
  EXPECT_EQ(port.messages.back().title, "設置完了");
}

TEST_F(StoreWindowPages, OpeningFromTheStatusPageRunsTheJobStreamInOrder) {
  Ttempo& s = addStore(1, 2, 2, 0, kWaiting, "銀玉会館");
  s.dai[0][0] = island(0);
  s.dai[0][1] = island(8);
  s.setDansei(5);
  storeWindow().showStore(1);
  port.answers.push_back(true);  // the job stream
  auto seen = std::make_shared<QStringList>();
  cancelEach(seen, 8);
  storeWindow().statusPage()->button(StoreStatusPage::kOpen)->click();
  EXPECT_EQ(s.joutai, kOpen);
  EXPECT_EQ(*seen,
            (QStringList{"交換率変更", "工作変更", "利益率一括修正", "営業形態一括調整",
                         "ﾓｰﾆﾝｸﾞ一括設定", "新台初期値設定", "人件費調整", "販売促進予算変更"}));
  EXPECT_EQ(storeWindow().statusPage()->text(StoreStatusPage::kState), QStringLiteral("営業中"));
  EXPECT_FALSE(storeWindow().statusPage()->button(StoreStatusPage::kOpen)->isEnabled());

  // A store under construction skips the manipulations; one without machines the island
  // dialogs; one without staff the personnel costs.
  s.setDansei(0);
  s.joutai = kUnderConstruction;
  s.dai[0][0].reset();
  s.dai[0][1].reset();
  storeWindow().refresh();
  seen->clear();
  cancelEach(seen, 3);
  storeWindow().statusPage()->button(StoreStatusPage::kJobStream)->click();
  EXPECT_EQ(*seen, (QStringList{"交換率変更", "新台初期値設定", "販売促進予算変更"}));
}

TEST_F(StoreWindowPages, ThePromotionPageShowsTheChoicesAndTheirCosts) {
  Ttempo& s = addStore(1, 2, 2, 0, kOpen, "銀玉会館");
  s.hansoku.www = 1;
  s.hansoku.tvAgency = 1;
  s.hansoku.tvSpot = 1;
  storeWindow().showStore(1);
  QTableWidget* grid = storeWindow().promotionPage()->grid();
  EXPECT_EQ(grid->item(3, 0)->text(), QStringLiteral("駒洒落エージェンシー  25秒"));
  // 90 x 2.5 x 1.00 (charisma 45) and 300 x 0.99 (intelligence 65).
  EXPECT_EQ(grid->item(3, 1)->text(), QStringLiteral("225"));
  EXPECT_EQ(grid->item(4, 1)->text(), QStringLiteral("297"));
  EXPECT_EQ(grid->item(6, 1)->text(), QStringLiteral("522"));
  auto seen = std::make_shared<QStringList>();
  cancelEach(seen, 1);
  storeWindow().promotionPage()->changeButton()->click();
  EXPECT_EQ(*seen, QStringList{"販売促進予算変更"});
}

TEST_F(StoreWindowPages, TheBulkPageOffersWhatTheStoreHas) {
  Ttempo& s = addStore(1, 2, 2, 0, kWaiting, "銀玉会館");
  storeWindow().showStore(1);
  StoreBulkPage* page = storeWindow().bulkPage();
  EXPECT_FALSE(page->button(StoreBulkPage::kProfitRates)->isEnabled());
  EXPECT_TRUE(page->button(StoreBulkPage::kNewDefaults)->isEnabled());
  s.dai[0][0] = island(0);
  storeWindow().refresh();
  EXPECT_TRUE(page->button(StoreBulkPage::kProfitRates)->isEnabled());
  EXPECT_FALSE(page->button(StoreBulkPage::kMorning)->isEnabled()) << "no slot island";
  auto seen = std::make_shared<QStringList>();
  cancelEach(seen, 1);
  page->button(StoreBulkPage::kBusinessForms)->click();
  EXPECT_EQ(*seen, QStringList{"営業形態一括調整"});
}

TEST_F(StoreWindowPages, TheWarehousePageListsCountsOpensAndDisposes) {
  tkaichou& k = world().kaichou;
  k.record(1) = island(0, "一号");
  k.record(2) = island(8, "スロ");
  k.record(3) = island(8, "スロ");
  world().disposalAccepted = true;
  companyWindow().refresh();
  WarehousePage* page = companyWindow().warehousePage();
  ASSERT_EQ(page->dailist()->topLevelItemCount(), 3);
  EXPECT_EQ(page->stockGrid()->item(8, 1)->text(), QStringLiteral("20"));
  EXPECT_EQ(page->stockGrid()->item(12, 0)->text(), QStringLiteral("3"));
  EXPECT_EQ(page->roomLabel()->text(), QStringLiteral("500台収容  空き 470台  廃棄の受付：受理中"));

  page->dailist()->setCurrentItem(page->dailist()->topLevelItem(1));
  page->machineButton()->click();
  EXPECT_EQ(machineWindow().row(MachineFacts::kPlace)->text(), QStringLiteral("本部の倉庫"));
  EXPECT_EQ(machineWindow().row(MachineFacts::kRatingsMark)->text(), QStringLiteral("初見"));
  // The window follows its island when the warehouse is sorted.
  k.record(1).reset();
  k.DaiSort();
  machineWindow().refresh();
  EXPECT_EQ(machineWindow().row(MachineFacts::kName)->text(), QStringLiteral("スロ"));
  EXPECT_TRUE(machineWindow().objectStillExists());

  companyWindow().refresh();
  page->selectAllButton()->click();
  page->disposeButton()->click();
  EXPECT_EQ(page->dailist()->topLevelItemCount(), 0);
  EXPECT_EQ(k.sikin, Money::fromInt(1000000 - 160));
  EXPECT_FALSE(machineWindow().objectStillExists());
  EXPECT_TRUE(machineWindow().row(MachineFacts::kName)->text().isEmpty());
}

}  // namespace
}  // namespace gm

namespace gm {
namespace {

// The company manager's store list: its bulk commands open their dialogs for the selected
// stores (and nothing without a selection), and its job stream runs the dialogs in order for
// them all, the manipulations only for the stores that can take them.
class StoreListCommands : public test::OrderWindows {
 protected:
  void SetUp() override {
    test::OrderWindows::SetUp();
    Ttempo& a = addStore(1, 1, 1, 0, kOpen, "一号店");
    a.dai[0][0] = island(0);
    a.setDansei(3);
    Ttempo& b = addStore(2, 1, 3, 0, kUnderConstruction, "二号店");
    b.dai[0][0] = island(8);
    addStore(3, 3, 1, 0, kWaiting, "三号店");
    companyWindow().refresh();
  }
  QTreeWidget& list() { return *companyWindow().storeListPage()->tempolist()->tree(); }
  void select(std::initializer_list<int> rows) {
    list().clearSelection();
    for (int r : rows) list().topLevelItem(r)->setSelected(true);
  }
  void click(CompanyStoreListPage::Command c) {
    companyWindow().storeListPage()->button(c)->click();
  }
};

TEST_F(StoreListCommands, BulkCommandsOpenTheirDialogsForTheSelection) {
  using P = CompanyStoreListPage;
  auto seen = std::make_shared<QStringList>();
  const std::vector<std::pair<P::Command, const char*>> dialogs = {
      {P::kProfitRates, "利益率一括修正"},  {P::kBusinessForms, "営業形態一括調整"},
      {P::kExchangeRates, "交換率変更"},    {P::kMorning, "ﾓｰﾆﾝｸﾞ一括設定"},
      {P::kPromotions, "販売促進予算変更"}, {P::kPersonnelCosts, "人件費調整"},
      {P::kManipulations, "工作変更"},      {P::kNewDefaults, "新台初期値設定"}};
  select({0, 2});
  for (const auto& [command, caption] : dialogs) {
    seen->clear();
    cancelEach(seen, 1);
    click(command);
    EXPECT_EQ(*seen, QStringList{QString::fromUtf8(caption)});
  }

  // Without a selection: a dialog would be found and closed by the timer; none is.
  list().clearSelection();
  bool opened = false;
  QTimer::singleShot(0, [&] {
    if (auto* d = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
      opened = true;
      d->reject();
    }
  });
  click(P::kExchangeRates);
  QApplication::processEvents();
  EXPECT_FALSE(opened) << "nothing selected, nothing opens";
}

TEST_F(StoreListCommands, TheJobStreamRunsForAllTheSelectedStores) {
  select({0, 1});
  auto seen = std::make_shared<QStringList>();
  cancelEach(seen, 8);
  click(CompanyStoreListPage::kJobStream);
  EXPECT_EQ(*seen,
            (QStringList{"交換率変更", "工作変更", "利益率一括修正", "営業形態一括調整",
                         "ﾓｰﾆﾝｸﾞ一括設定", "新台初期値設定", "人件費調整", "販売促進予算変更"}))
      << "the open store takes the manipulations, the other store brings the slot machines";

  select({1});
  seen->clear();
  cancelEach(seen, 7);
  click(CompanyStoreListPage::kJobStream);
  EXPECT_EQ(*seen,
            (QStringList{"交換率変更", "利益率一括修正", "営業形態一括調整", "ﾓｰﾆﾝｸﾞ一括設定",
                         "新台初期値設定", "人件費調整", "販売促進予算変更"}))
      << "a store under construction alone: no manipulations";
}

}  // namespace
}  // namespace gm

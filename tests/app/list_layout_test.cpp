// Remembered list layouts: the company manager's store list keeps its view style, column widths,
// hidden columns and sort column, and the statistics page its check boxes, from one run of the
// program to the next; missing or impossible entries leave the design's defaults; a list whose
// columns were never set up writes no widths; the column chooser and the icon view.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QHeaderView>
#include <QListView>
#include <QListWidget>
#include <QSettings>
#include <QTreeWidget>
#include <functional>

#include "shell/main_window.h"
#include "shell/options_store.h"
#include "shell_test_support.h"
#include "ui/column_chooser_dialog.h"
#include "ui/company_store_list_page.h"
#include "ui/company_window.h"
#include "ui/list_layout.h"
#include "ui/stats_page.h"
#include "ui/store_window.h"
#include "ui/store_window_islands.h"
#include "world/world.h"

namespace gm {
namespace {

using Col = CompanyStoreListPage::Column;

class ListLayouts : public ::testing::Test {
 protected:
  void SetUp() override { openSettings()->clear(); }
  void TearDown() override { openSettings()->clear(); }

  // One run of the program up to its company manager, with three stores.
  std::unique_ptr<TMain> start() {
    auto main = std::make_unique<TMain>();
    SubWindowMakers makers;
    makers.kaishaform = [](TMain& m) { return new CompanyWindow(m); };
    main->createSubWindows(makers);
    auto w = test::smallWorld(4, 4);
    for (int n = 1; n <= 3; ++n) {
      Ttempo& s = w->kaichou.slot(n);
      s.used = true;
      s.name = "店" + std::to_string(n);
      s.blockX = n;
      s.uriage[kTotal] = Money::fromInt(1000 * (n % 3));
    }
    main->replaceWorld(std::move(w));
    companyOf(*main).refresh();
    return main;
  }
  static CompanyWindow& companyOf(TMain& main) {
    return *static_cast<CompanyWindow*>(main.subWindows().kaishaform);
  }
  static ListPanel& listOf(TMain& main) { return *companyOf(main).storeListPage()->tempolist(); }
  static QVariant stored(const QString& key) { return openSettings()->value(key); }
};

TEST_F(ListLayouts, TheStoreListAndTheChecksSurviveARestart) {
  auto main = start();
  ListPanel& list = listOf(*main);
  EXPECT_EQ(list.viewStyle(), ViewStyle::Report);
  list.tree()->setColumnWidth(Col::kName, 173);
  list.setShownColumns({true, true, true, true, false});  // the block column goes
  list.tree()->sortItems(Col::kTakings, Qt::DescendingOrder);
  list.setViewStyle(ViewStyle::List);
  companyOf(*main).statsPage()->seriesBox(7)->setChecked(false);
  companyOf(*main).statsPage()->seriesBox(0)->setChecked(true);
  main.reset();

  EXPECT_EQ(stored(QStringLiteral("ViewStyle/kaishaform/tempolist")).toInt(), 2);
  EXPECT_EQ(stored(QStringLiteral("Columns/kscolumns/0")).toInt(), 173);
  EXPECT_EQ(stored(QStringLiteral("Columns/kscolumns/%1").arg(Col::kBlock)).toInt(), 0) << "hidden";
  EXPECT_EQ(stored(QStringLiteral("Appkeys/kaishaform/temposort")).toInt(), Col::kTakings);
  EXPECT_EQ(stored(QStringLiteral("Appkeys/kaishaform/temposortorder")).toInt(), 1);
  EXPECT_TRUE(stored(QStringLiteral("Checked/kaishaform/0")).isValid());

  main = start();
  ListPanel& again = listOf(*main);
  EXPECT_EQ(again.viewStyle(), ViewStyle::List);
  EXPECT_EQ(again.currentWidget(), again.iconView());
  EXPECT_EQ(again.tree()->columnWidth(Col::kName), 173);
  EXPECT_TRUE(again.tree()->isColumnHidden(Col::kBlock));
  EXPECT_FALSE(again.tree()->isColumnHidden(Col::kState));
  EXPECT_EQ(again.tree()->header()->sortIndicatorSection(), Col::kTakings);
  EXPECT_EQ(again.tree()->topLevelItem(0)->text(0), QStringLiteral("店2")) << "2,000 first";
  EXPECT_FALSE(companyOf(*main).statsPage()->seriesBox(7)->isChecked());
  EXPECT_TRUE(companyOf(*main).statsPage()->seriesBox(0)->isChecked());
}

TEST_F(ListLayouts, TheStoreWindowsIslandListKeepsItsColumnsUnderTmcolumns) {
  const auto run = [](const std::function<void(StoreIslandsPage&)>& act) {
    TMain main;
    SubWindowMakers makers;
    makers.tempoform = [](TMain& m) { return new StoreWindow(m); };
    main.createSubWindows(makers);
    auto w = test::smallWorld(3, 3);
    Ttempo& s = w->kaichou.slot(1);
    s.used = true;
    s.name = "一号店";
    for (int i = 0; i < 3; ++i) {
      s.dai[0][i].used = true;
      s.dai[0][i].name = "島";
      s.dai[0][i].riritu = Money::fromInt(20 - i);
    }
    main.replaceWorld(std::move(w));
    auto& window = *static_cast<StoreWindow*>(main.subWindows().tempoform);
    window.showStore(1);
    act(*window.islandsPage());
  };
  run([](StoreIslandsPage& page) {
    EXPECT_EQ(page.dailist()->header()->sortIndicatorSection(), StoreIslandsPage::kColPlace)
        << "by place, as the page was designed";
    page.dailist()->sortItems(StoreIslandsPage::kColRate, Qt::AscendingOrder);
    page.dailist()->setColumnWidth(StoreIslandsPage::kColName, 211);
    page.dailistPanel()->setViewStyle(ViewStyle::SmallIcons);
  });
  EXPECT_EQ(stored(QStringLiteral("Columns/tmcolumns/1")).toInt(), 211);
  EXPECT_EQ(stored(QStringLiteral("Appkeys/tempoform/daisort")).toInt(),
            StoreIslandsPage::kColRate);
  EXPECT_EQ(stored(QStringLiteral("ViewStyle/tempoform/dailist")).toInt(), 1);
  run([](StoreIslandsPage& page) {
    EXPECT_EQ(page.dailist()->columnWidth(StoreIslandsPage::kColName), 211);
    EXPECT_EQ(page.dailist()->topLevelItem(0)->text(StoreIslandsPage::kColPlace),
              QStringLiteral("1F-3"))
        << "18 % first";
    EXPECT_EQ(page.dailistPanel()->viewStyle(), ViewStyle::SmallIcons);
  });
}

TEST_F(ListLayouts, MissingOrImpossibleEntriesGiveTheDefaults) {
  {
    auto s = openSettings();
    s->setValue(QStringLiteral("ViewStyle/kaishaform/tempolist"), 9);
    s->setValue(QStringLiteral("Columns/kscolumns/0"), 0);  // the name column stays
    s->setValue(QStringLiteral("Columns/kscolumns/1"), -5);
    s->setValue(QStringLiteral("Columns/kscolumns/2"), 999999);
    s->setValue(QStringLiteral("Columns/kscolumns/4"), QStringLiteral("wide"));
    s->setValue(QStringLiteral("Appkeys/kaishaform/temposort"), 99);
    s->setValue(QStringLiteral("Checked/kaishaform/1"), 7);
  }
  auto main = start();
  ListPanel& list = listOf(*main);
  EXPECT_EQ(list.viewStyle(), ViewStyle::Report);
  for (int c = 0; c < list.tree()->columnCount(); ++c)
    EXPECT_FALSE(list.tree()->isColumnHidden(c)) << c;
  EXPECT_LT(list.tree()->columnWidth(2), 4000) << "fitted to its rows instead";
  EXPECT_EQ(list.tree()->header()->sortIndicatorSection(), -1);
  EXPECT_EQ(list.tree()->topLevelItem(0)->text(0), QStringLiteral("店1")) << "the slots' order";
  EXPECT_TRUE(companyOf(*main).statsPage()->seriesBox(3)->isChecked());
}

TEST_F(ListLayouts, ColumnWidthsWaitUntilTheColumnsAreSetUp) {
  ListPanel list(QStringLiteral("dailist"), QStringLiteral("tmcolumns"), QStringLiteral("daisort"),
                 {QStringLiteral("a"), QStringLiteral("b")});
  list.writeLayout(*openSettings(), QStringLiteral("tempoform"));
  EXPECT_FALSE(stored(QStringLiteral("Columns/tmcolumns/0")).isValid())
      << "no rows yet: the widths are not the list's";
  EXPECT_EQ(stored(QStringLiteral("Appkeys/tempoform/daisort")).toInt(), -1);
  list.beginFill();
  new QTreeWidgetItem(list.tree(), QStringList{QStringLiteral("ｶﾞﾝﾀﾞﾑ"), QStringLiteral("1")});
  list.endFill();
  list.writeLayout(*openSettings(), QStringLiteral("tempoform"));
  EXPECT_GT(stored(QStringLiteral("Columns/tmcolumns/0")).toInt(), 0);
}

TEST_F(ListLayouts, ChooserAndIconViewWorkOnTheSameRows) {
  Tlvkoumokuform chooser({QStringLiteral("店舗名"), QStringLiteral("状態"), QStringLiteral("売上")},
                         {true, false, true});
  QListWidget* choices = chooser.choices();
  EXPECT_FALSE(choices->item(0)->flags() & Qt::ItemIsUserCheckable) << "the name always shows";
  EXPECT_EQ(choices->item(1)->checkState(), Qt::Unchecked);
  choices->item(2)->setCheckState(Qt::Unchecked);
  choices->item(1)->setCheckState(Qt::Checked);
  EXPECT_EQ(chooser.shown(), (QList<bool>{true, true, false}));

  ListPanel list(QStringLiteral("tempolist"), QStringLiteral("x"), QStringLiteral("temposort"),
                 {QStringLiteral("店舗名"), QStringLiteral("状態")});
  list.tree()->setSelectionMode(QAbstractItemView::ExtendedSelection);
  for (int n = 1; n <= 3; ++n) {
    auto* row = new QTreeWidgetItem(list.tree(), QStringList{QString::number(n)});
    row->setData(0, Qt::UserRole, n);
  }
  list.setViewStyle(ViewStyle::LargeIcons);
  EXPECT_EQ(list.iconView()->viewMode(), QListView::IconMode);
  EXPECT_EQ(list.iconView()->selectionModel(), list.tree()->selectionModel());
  list.iconView()->selectionModel()->select(list.iconView()->model()->index(2, 0),
                                            QItemSelectionModel::Select);
  EXPECT_EQ(list.selectedKeys(), (QList<QVariant>{3}));
  QStringList opened;
  QObject::connect(list.tree(), &QTreeWidget::itemDoubleClicked,
                   [&](QTreeWidgetItem* item) { opened << item->text(0); });
  emit list.iconView()->doubleClicked(list.iconView()->model()->index(1, 0));
  EXPECT_EQ(opened, QStringList{QStringLiteral("2")}) << "the icon view opens the row as well";
  // The selection outlives a refill when its keys come back.
  list.beginFill();
  list.tree()->clear();
  for (int n = 3; n >= 1; --n) {
    auto* row = new QTreeWidgetItem(list.tree(), QStringList{QString::number(n)});
    row->setData(0, Qt::UserRole, n);
  }
  list.endFill();
  EXPECT_EQ(list.selectedKeys(), (QList<QVariant>{3}));
}

}  // namespace
}  // namespace gm

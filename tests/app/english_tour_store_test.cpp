// The store and machine windows in English: every page of the store window and its pop-up menu,
// the machine window, the maker visit and list, and every order and detail dialog they open, in a
// game of two open halls. Each must show no Japanese outside the game's names, and fit a
// laptop's screen with every button in view although English runs longer than Japanese.
// With GM_SCREENSHOT_DIR set, each is written as a picture to its en/ folder.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QListWidget>
#include <QMap>
#include <QMenu>
#include <QPushButton>
#include <QTabWidget>
#include <QTreeWidget>
#include <algorithm>
#include <memory>

#include "company/advice_text.h"
#include "company/company.h"
#include "company/company_figures.h"
#include "company/construction_order.h"
#include "company/exchange_rate_order.h"
#include "company/manipulation_order.h"
#include "company/replacement_plan.h"
#include "company/store_selection.h"
#include "english_tour.h"
#include "managed_game.h"
#include "shell/main_window.h"
#include "shell/qt_text.h"
#include "shell_test_support.h"
#include "store/budget_figures.h"
#include "store/catalogue.h"
#include "store/machine_figures.h"
#include "store/maker.h"
#include "store/promotions.h"
#include "store/store.h"
#include "ui/advice_page.h"
#include "ui/calculator_dialog.h"
#include "ui/construction_dialog.h"
#include "ui/detail_dialogs.h"
#include "ui/exchange_rate_dialog.h"
#include "ui/history_graph.h"
#include "ui/island_bulk_dialogs.h"
#include "ui/machine_window.h"
#include "ui/maker_list_window.h"
#include "ui/maker_window.h"
#include "ui/manipulation_dialog.h"
#include "ui/new_model_window.h"
#include "ui/profit_rate_dialog.h"
#include "ui/promotion_dialog.h"
#include "ui/purchase_dialog.h"
#include "ui/replacement_dialog.h"
#include "ui/stats_page.h"
#include "ui/store_window.h"
#include "ui/warehouse_dialog.h"
#include "world/world.h"

namespace gm {
namespace {

std::string listed(const QStringList& texts) {
  return QStringLiteral("\n  ").append(texts.join(QStringLiteral("\n  "))).toStdString();
}

template <typename Text>
QString shown(const Text& text) {
  return QString::fromStdString(std::string(text));
}

// Texts these windows take from other areas, which translate them on their own branches: the
// core's names of types, business forms, floors, states, sizes, rates, promotions, equipment,
// works, manipulations, warehouse levels, block kinds and maker standings, and the advisor's
// findings; the shell's window frame (captions and the orders every data window has) and the
// list panels' view menu.
class EnglishStoreTour : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(english.loaded()) << "the build has no English catalogue";
    main = std::make_unique<TMain>();
    SubWindowMakers makers;
    makers.tempoform = [](TMain& m) { return new StoreWindow(m); };
    makers.ddaidata = [](TMain& m) { return new MachineWindow(m); };
    main->createSubWindows(makers);
    main->options().defopen = false;
    main->replaceWorld(test::managedGame(4));
    main->beginPlay();
    skipped = test::namesOf(world());
    skipped.removeAll(QString());
    skipped.removeDuplicates();
    std::sort(skipped.begin(), skipped.end(),
              [](const QString& a, const QString& b) { return a.size() > b.size(); });
    folder = qEnvironmentVariable("GM_SCREENSHOT_DIR");
    if (!folder.isEmpty()) {
      QDir().mkpath(folder);
    }
  }
  void TearDown() override { main.reset(); }

  tworld& world() const { return main->world(); }
  StoreWindow& store() const { return *static_cast<StoreWindow*>(main->subWindows().tempoform); }

  void expectEnglish(QWidget* w, const QString& name) {
    const QStringList left = test::untranslatedTexts(w, skipped);
    EXPECT_TRUE(left.isEmpty()) << name.toStdString() << ": " << left.size()
                                << " texts in Japanese:" << listed(left);
  }
  void expectEnglish(const QStringList& painted, const QString& name) {
    QStringList left;
    for (QString text : painted) {
      for (const QString& s : skipped) text.remove(s);
      if (test::holdsJapanese(text)) left << text;
    }
    EXPECT_TRUE(left.isEmpty()) << name.toStdString() << " paints Japanese:" << listed(left);
  }

  void expectFit(QWidget* w, const QString& name) { test::expectFitsALaptop(w, name, folder); }

  // A line the core wrote for this window alone (a check's verdict, a sale's run).
  void skip(const std::string& coreLine) { skipped.prepend(QString::fromStdString(coreLine)); }

  // The buttons in view each underline a letter of their own, so that Alt and the letter
  // presses the one button.
  void expectOwnLetters(QWidget* w, const QString& name) {
    QMap<QChar, QString> taken;
    for (QAbstractButton* b : w->findChildren<QAbstractButton*>()) {
      if (!b->isVisibleTo(w)) continue;
      const QString text = b->text();
      const qsizetype at = text.indexOf(QLatin1Char('&'));
      if (at < 0 || at + 1 >= text.size() || text[at + 1] == QLatin1Char('&')) continue;
      const QChar letter = text[at + 1].toUpper();
      EXPECT_FALSE(taken.contains(letter))
          << name.toStdString() << ": " << text.toStdString() << " and "
          << taken.value(letter).toStdString() << " share their letter";
      taken.insert(letter, text);
    }
  }

  void tour(QWidget* w, const QString& name) {
    expectEnglish(w, name);
    expectFit(w, name);
    expectOwnLetters(w, name);
  }

  test::EnglishScope english;
  std::unique_ptr<TMain> main;
  QStringList skipped;
  QString folder;
};

TEST_F(EnglishStoreTour, EveryPageOfTheStoreWindowAndItsPopUpMenu) {
  StoreWindow& w = store();
  w.showStore(1);
  const std::array<const char*, 8> pictures = {
      "store_status",     "store_budget",    "store_bulk",  "store_islands",
      "store_promotions", "store_equipment", "store_stats", "store_advice"};
  ASSERT_EQ(w.pages()->count(), static_cast<int>(pictures.size()));
  for (int p = 0; p < w.pages()->count(); ++p) {
    w.pages()->setCurrentIndex(p);
    tour(&w, QLatin1String(pictures[p]));
    const QString page = QLatin1String(pictures[p]) + QStringLiteral(" menu");
    QMenu* popup = w.popupMenu();
    expectEnglish(popup, page);
  }

  // The statistics page's graphs paint their words.
  w.pages()->setCurrentWidget(w.statsPage());
  const std::array<std::pair<StatsPage::View, const char*>, 3> graphs = {
      {{StatsPage::kResultsGraph, "store_results_graph"},
       {StatsPage::kAbilityGraph, "store_ratings_graph"},
       {StatsPage::kYearlyAverage, "store_yearly"}}};
  for (const auto& [view, picture] : graphs) {
    w.statsPage()->setView(view);
    w.statsPage()->graph()->repaint();
    const QString name = QLatin1String(picture);
    expectEnglish(w.statsPage()->graph()->writtenTexts(), name);
    tour(&w, name);
  }
  // A hall with no month behind it says so in English.
  w.statsPage()->showHistory(HistoryView{});
  expectEnglish(w.statsPage()->graph()->writtenTexts(), QStringLiteral("empty graph"));
  EXPECT_FALSE(w.statsPage()->graph()->writtenTexts().join(QString()).isEmpty());
}

TEST_F(EnglishStoreTour, TheStoreOrderDialogs) {
  tworld& w = world();
  const Ttempo& hall = w.kaichou.slot(1);
  const StoreSelection one = selectSlot(1);
  Tkoujiform construction(w, hall.blockY, hall.blockX);
  if (const Check c = CheckConstruction(w, hall.blockY, hall.blockX, construction.chosenWork()))
    skip(c->text);
  tour(&construction, QStringLiteral("dialog_construction"));
  Tkankinform rates(w, one);
  tour(&rates, QStringLiteral("dialog_exchange_rates"));
  Ttempoinchiki manipulations(w, one);
  tour(&manipulations, QStringLiteral("dialog_manipulations"));
  Triritushuusei profitRates(w, one);
  tour(&profitRates, QStringLiteral("dialog_profit_rates"));
  TKeitaichousei forms(w, one);
  tour(&forms, QStringLiteral("dialog_business_forms"));
  TMorningchousei morning(w, one);
  tour(&morning, QStringLiteral("dialog_morning"));
  Tdefform defaults(w, one);
  tour(&defaults, QStringLiteral("dialog_new_island_defaults"));
  Thansokusettei promotions(w, one);
  tour(&promotions, QStringLiteral("dialog_promotions"));
  Turishousai takings(qs(hall.name.view()), machineTable(hall));
  tour(&takings, QStringLiteral("dialog_takings"));
  Thoshushousai upkeep(qs(hall.name.view()), storeBudget(hall, forecastTerms(w)));
  tour(&upkeep, QStringLiteral("dialog_maintenance"));
}

TEST_F(EnglishStoreTour, TheReplacementPlanWithAMoveOnItsWorkSheet) {
  Tirekaeform plan(world(), main->options(), 1, nullptr, &main->pictures());
  ASSERT_GT(plan.floorList()->topLevelItemCount(), 0);
  plan.floorList()->topLevelItem(0)->setSelected(true);
  plan.removeButton()->click();
  ASSERT_EQ(plan.sheet()->list()->count(), 1);
  tour(&plan, QStringLiteral("dialog_replacement"));
  tour(plan.sheet(), QStringLiteral("dialog_work_sheet"));
  plan.sheet()->hide();
}

TEST_F(EnglishStoreTour, TheMachineWindowTheMakersAndTheWarehouse) {
  auto& machine = *static_cast<MachineWindow*>(main->subWindows().ddaidata);
  machine.showStoreIsland(1, 0, 0);
  tour(&machine, QStringLiteral("machine_island"));
  for (int n = 1; n <= kWarehouseRecords; ++n)
    if (world().kaichou.record(n).used) {
      machine.showWarehouseRecord(n);
      expectEnglish(&machine, QStringLiteral("machine_warehouse"));
      break;
    }

  Tmakerform visit(world(), main->options(), &main->pictures());
  ASSERT_GT(visit.modelList()->topLevelItemCount(), 0);
  visit.modelList()->setCurrentItem(visit.modelList()->topLevelItem(0));
  tour(&visit, QStringLiteral("dialog_maker_visit"));
  Tmakerichiran makers(world(), &main->pictures());
  tour(&makers, QStringLiteral("dialog_maker_list"));
  Tdaibuyform purchase(world(), 0, 0);
  tour(&purchase, QStringLiteral("dialog_purchase"));
  skip(newModelRunLine(3000).text);
  NewModelWindow announcement(
      NewModelNotice{"ＣＲ星の海峡", shown(makerInfo(0).name).toStdString(), 4, 3000},
      main->pictures());
  tour(&announcement, QStringLiteral("dialog_new_model"));

  Tstockform stock(world(), &main->pictures());
  tour(&stock, QStringLiteral("dialog_warehouse"));
  TCalcForm calculator;
  tour(&calculator, QStringLiteral("dialog_calculator"));
}

}  // namespace
}  // namespace gm

// The management windows after a scripted game of a few months, each page and dialog taken as a
// picture. With GM_SCREENSHOT_DIR set the pictures are written there (docs/screens holds the
// ones the README shows); either way each must come out as a picture of its own size.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QPixmap>
#include <QPushButton>
#include <QTabWidget>
#include <QTimer>
#include <QTreeWidget>

#include "company/company_figures.h"
#include "english_tour.h"
#include "managed_game.h"
#include "shell/main_window.h"
#include "shell/qt_text.h"
#include "shell_test_support.h"
#include "ui/budget_page.h"
#include "ui/calculator_dialog.h"
#include "ui/column_chooser_dialog.h"
#include "ui/company_store_list_page.h"
#include "ui/company_window.h"
#include "ui/detail_dialogs.h"
#include "ui/management_commands.h"
#include "ui/personnel_window.h"
#include "ui/replacement_dialog.h"
#include "ui/stats_page.h"
#include "ui/store_window.h"
#include "ui/warehouse_dialog.h"

namespace gm {
namespace {

class Screenshots : public ::testing::Test {
 protected:
  void SetUp() override {
    main = std::make_unique<TMain>();
    SubWindowMakers makers;
    makers.kaishaform = [](TMain& m) { return new CompanyWindow(m); };
    makers.tempoform = [](TMain& m) { return new StoreWindow(m); };
    makers.idouform = [](TMain& m) { return new PersonnelWindow(m); };
    main->createSubWindows(makers);
    main->options().defopen = false;
    main->replaceWorld(test::managedGame(4));
    main->beginPlay();
    folder = qEnvironmentVariable("GM_SCREENSHOT_DIR");
    if (!folder.isEmpty()) QDir().mkpath(folder);
  }
  void TearDown() override { main.reset(); }

  void take(QWidget* w, const QString& name) {
    w->resize(w->sizeHint().expandedTo(QSize(640, 420)));
    QApplication::processEvents();
    const QPixmap picture = w->grab();
    EXPECT_FALSE(picture.isNull()) << name.toStdString();
    EXPECT_GE(picture.width(), 300) << name.toStdString();
    if (!folder.isEmpty()) {
      EXPECT_TRUE(picture.save(folder + QLatin1Char('/') + name + ".png"));
    }
  }

  std::unique_ptr<TMain> main;
  QString folder;
};

TEST_F(Screenshots, EveryManagementWindowAfterFourMonths) {
  tworld& w = main->world();
  auto* company = static_cast<CompanyWindow*>(main->subWindows().kaishaform);
  company->showWindow();
  company->refresh();
  const std::array<const char*, 6> companyPages = {"company_status",   "company_budget",
                                                   "company_stores",   "company_warehouse",
                                                   "company_machines", "company_stats"};
  ASSERT_EQ(company->pages()->count(), static_cast<int>(companyPages.size()));
  for (int p = 0; p < company->pages()->count(); ++p) {
    company->pages()->setCurrentIndex(p);
    if (p == company->pages()->indexOf(company->statsPage()))
      company->statsPage()->setView(StatsPage::kResultsGraph);
    take(company, QLatin1String(companyPages[p]));
  }

  auto* store = static_cast<StoreWindow*>(main->subWindows().tempoform);
  store->showStore(1);
  const std::array<const char*, 8> storePages = {
      "store_status",     "store_budget",    "store_bulk",  "store_islands",
      "store_promotions", "store_equipment", "store_stats", "store_advice"};
  ASSERT_EQ(store->pages()->count(), static_cast<int>(storePages.size()));
  for (int p = 0; p < store->pages()->count(); ++p) {
    store->pages()->setCurrentIndex(p);
    if (p == store->pages()->indexOf(store->statsPage()))
      store->statsPage()->setView(StatsPage::kAbilityGraph);
    take(store, QLatin1String(storePages[p]));
  }
  store->statsPage()->setView(StatsPage::kYearlyAverage);
  take(store, QStringLiteral("store_yearly"));

  Turishousai takings(QStringLiteral("会社全体"), companyMachineTable(w.kaichou));
  take(&takings, QStringLiteral("dialog_takings"));
  Thoshushousai upkeep(qs(w.kaichou.slot(1).name.view()),
                       storeBudget(w.kaichou.slot(1), forecastTerms(w)));
  take(&upkeep, QStringLiteral("dialog_maintenance"));
  Tstockform stock(w, &main->pictures());
  take(&stock, QStringLiteral("dialog_warehouse"));
  const QTreeWidgetItem* header = company->storeListPage()->tempolist()->tree()->headerItem();
  QStringList headers;
  QList<bool> shown;
  for (int c = 0; c < header->columnCount(); ++c) {
    headers << header->text(c);
    shown << (c % 4 != 3);
  }
  Tlvkoumokuform chooser(headers, shown);
  take(&chooser, QStringLiteral("dialog_columns"));
  TCalcForm calculator;
  for (const char* k : {"1", "2", "5", "0", "×", "8"})
    calculator.key(QString::fromUtf8(k))->click();
  take(&calculator, QStringLiteral("dialog_calculator"));
}

// A laptop's screen of 1366 x 768 less a title bar: each window fits it at its smallest, takes
// the size it would have there, and shows every button it has inside that size.
TEST_F(Screenshots, TheOrderWindowsFitALaptopScreenWithEveryButtonInView) {
  auto fitAndTake = [&](QWidget* w, const QString& name) {
    test::expectFitsALaptop(w, name, folder);
  };
  auto* store = static_cast<StoreWindow*>(main->subWindows().tempoform);
  store->showStore(1);
  store->pages()->setCurrentWidget(store->statusPage());
  fitAndTake(store, QStringLiteral("laptop_store"));
  for (int p = 0; p < store->pages()->count(); ++p) {
    store->pages()->setCurrentIndex(p);
    QApplication::processEvents();
    for (QPushButton* b : store->findChildren<QPushButton*>()) {
      if (!b->isVisibleTo(store)) continue;
      EXPECT_TRUE(store->rect().contains(QRect(b->mapTo(store, QPoint(0, 0)), b->size())))
          << store->pages()->tabText(p).toStdString() << ": " << b->text().toStdString();
    }
  }
  auto* company = static_cast<CompanyWindow*>(main->subWindows().kaishaform);
  company->refresh();
  company->pages()->setCurrentWidget(company->storeListPage());
  fitAndTake(company, QStringLiteral("laptop_company"));
  Tirekaeform plan(main->world(), main->options(), 1, nullptr, &main->pictures());
  fitAndTake(&plan, QStringLiteral("laptop_replacement"));
  plan.sheet()->hide();
}

}  // namespace
}  // namespace gm

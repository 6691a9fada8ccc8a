// Two years of play without windows, then the month's report and research as the program would
// show them: the store's closing figures, the company's taxes and the customers' share.
#include <gtest/gtest.h>

#include <QListWidget>
#include <QTableWidget>
#include <algorithm>
#include <string>

#include "company/research.h"
#include "shell/results_report.h"
#include "support/trading_store_game.h"

namespace gm {
namespace {

TEST(MonthCloseReport, TheReportShowsTheStoresClosingAndTheResearchItsCustomers) {
  test::TradingStoreGame game(1997);
  tworld& w = *game.world;
  for (int i = 0; i < 24; ++i) ASSERT_TRUE(PlayMonth(w).goesOn) << "month " << i + 1;
  const int closed = w.month - 1;
  EXPECT_NE(std::find(game.port.events.begin(), game.port.events.end(),
                      "results-report:" + std::to_string(closed)),
            game.port.events.end());

  ResultsReportView view;
  view.load(w, closed);
  ASSERT_EQ(view.list()->count(), 2);
  EXPECT_EQ(view.list()->item(1)->text(), QStringLiteral("試験会館"));
  view.list()->setCurrentRow(1);
  const Ttempo& s = game.store();
  QTableWidget* t = view.table();
  EXPECT_EQ(t->item(0, 1)->text(), reportFigure(s.uriage[kTotal]));
  EXPECT_EQ(t->item(0, 2)->text(), reportFigure(s.backup.at(1, 2)));
  EXPECT_EQ(t->item(1, 1)->text(), reportFigure(s.arari[kTotal]));
  EXPECT_EQ(t->item(3, 1)->text(), reportFigure(Money::fromInt(s.jinkenResults[3])));
  EXPECT_EQ(t->item(4, 1)->text(), reportFigure(s.hoshuResults[14]));
  EXPECT_EQ(t->item(5, 1)->text(), reportFigure(s.eigyouResults.total));
  EXPECT_EQ(t->item(6, 1)->text(), reportFigure(s.netProfit()));
  EXPECT_EQ(t->item(7, 1)->text(), QString::number(s.kadou[kTotal]));
  EXPECT_NE(t->item(0, 1)->text(), QStringLiteral("0"));

  // The company block: the taxes of the last closing, the result after tax and the cash.
  const tkaichou& k = w.kaichou;
  QTableWidget* c = view.companyTable();
  ASSERT_GE(c->rowCount(), 3);
  EXPECT_EQ(c->item(0, 0)->text(), QStringLiteral("課税"));
  EXPECT_EQ(c->item(0, 1)->text(), reportFigure(k.shotokuzei));
  EXPECT_EQ(c->item(c->rowCount() - 2, 1)->text(), reportFigure(k.zeibikirieki));
  EXPECT_EQ(c->item(c->rowCount() - 1, 1)->text(), reportFigure(k.sikin));

  // The research counts the store's customers a day against the city's fans.
  const ResearchFigures f = researchFigures(w);
  EXPECT_EQ(f.gauges[0].customersPerDay, s.kyaku[kTotal] / w.lastBusinessDays);
  EXPECT_GT(f.gauges[0].percent, 0);
}

}  // namespace
}  // namespace gm

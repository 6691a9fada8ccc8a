// Two years of play without windows: a store set up in the state earns money, pays its costs
// and closes every month, and each closing's figures stand in its history and the company's.
#include <gtest/gtest.h>

#include "support/trading_store_game.h"

namespace gm {
namespace {

TEST(MonthCloseGame, AStoreEarnsPaysAndRecordsTwoYears) {
  test::TradingStoreGame game(1997);
  tworld& w = *game.world;
  Ttempo& s = game.store();
  Money netProfits;
  for (int i = 1; i <= 24; ++i) {
    const GameEndResult end = PlayMonth(w);
    ASSERT_TRUE(end.goesOn) << "month " << i;
    ASSERT_TRUE(s.used && s.joutai == kOpen) << "month " << i;
    const Tbackup& h = s.backup;
    const Tbackup& c = w.kaichou.backup;
    SCOPED_TRACE(i);

    // The store took money and paid for its staff, its upkeep and its running.
    EXPECT_GT(s.kyaku[kTotal], 0);
    EXPECT_GT(s.uriage[kTotal], Money());
    EXPECT_GT(s.jinkenResults[3], 0);
    EXPECT_GT(s.hoshuResults[14], Money());
    EXPECT_GT(s.eigyouResults.total, Money());
    EXPECT_EQ(s.eigyouJikan, w.kaichou.eigyoujikan);

    // Its history holds this month's closing ...
    EXPECT_EQ(h.at(1, 1), s.uriage[kTotal]);
    EXPECT_EQ(h.at(3, 1), s.arari[kTotal]);
    EXPECT_EQ(h.at(4, 1), s.eigyouResults.total);
    EXPECT_EQ(h.at(5, 1), s.hoshuResults[14]);
    EXPECT_EQ(h.at(6, 1), Money::fromInt(s.jinkenResults[3]));
    EXPECT_EQ(h.at(7, 1), h.at(3, 1) - h.at(5, 1) - h.at(6, 1) - h.at(4, 1));
    EXPECT_EQ(h.at(8, 1), Money::fromInt(s.kadou[kTotal]));
    // ... and so does the company's, which has no other store.
    for (int series : {1, 2, 3, 4, 5, 6, 7, 8})
      EXPECT_EQ(c.at(series, 1), h.at(series, 1)) << "series " << series;
    EXPECT_GT(c.at(0, 1), h.at(0, 1) - Money::fromInt(1)) << "assets include the store";

    // The closing taxed the profit, or took the loss whole.
    const Money net = h.at(7, 1);
    if (net > Money()) {
      EXPECT_EQ(w.kaichou.zeibikirieki, net - w.kaichou.shotokuzei - w.kaichou.pachinkozei);
      EXPECT_GT(w.kaichou.shotokuzei, Money());
    } else {
      EXPECT_EQ(w.kaichou.zeibikirieki, net);
    }
    netProfits += net;
  }
  EXPECT_GT(netProfits, Money()) << "two years in profit";
  EXPECT_EQ(s.historySummary(1).months, 12);
  EXPECT_EQ(w.kaichou.backup.summary(6).months, 12);
}

}  // namespace
}  // namespace gm

// The block window's land orders: every refusal, the monthly marks, the questions and what a
// purchase or a sale changes.
#include <gtest/gtest.h>

#include "support/scripted_frontend.h"
#include "test_city.h"
#include "world/land_orders.h"
#include "world/world.h"

namespace gm {
namespace {

using test::makeWorld;
using test::place;
using test::ScriptedFrontend;

struct LandOrders : ::testing::Test {
  std::unique_ptr<tworld> w = makeWorld(3, 3);
  ScriptedFrontend port;
  void SetUp() override {
    w->setFrontend(&port);
    w->kaichou.sikin = Money::fromInt(1000);
    w->kaichou.karisuma = 50;
  }
  // The first seed from which the given block's purchase is (not) refused by its owner.
  uint32_t seedWherePurchase(bool refused, int row, int column) {
    for (uint32_t s = 1;; ++s) {
      Random probe(s);
      if (w->block(row, column).PurchasePrice(w->AverageUnrest(), probe).refused == refused)
        return s;
    }
  }
  uint32_t seedWhereSale(bool sold, int row, int column, int64_t price) {
    for (uint32_t s = 1;; ++s) {
      Random probe(s);
      if (w->block(row, column).SaleAccepted(price, 50, w->AverageUnrest(), probe).sold == sold)
        return s;
    }
  }
};

TEST_F(LandOrders, PurchaseRefusalsComeInTheGamesOrder) {
  const std::pair<int, const char*> byKind[] = {
      {2, "そこは我が社の土地です。"},        {4, "そこは買い取れません。"},
      {16, "そこは買い取れません。"},         {18, "そこは買い取れません。"},
      {19, "そこは我が社の店舗です。"},       {20, "他店舗は買い取れません。"},
      {22, "公共機関は買い取れません。"},     {23, "公共機関は買い取れません。"},
      {26, "公共機関は買い取れません。"},     {27, "そこは我が社の駐車場です。"},
      {28, "他社の駐車場は買い取れません。"},
  };
  for (auto [kind, text] : byKind) {
    place(*w, 1, 1, kind);
    Check c = CheckLandPurchase(*w, 1, 1);
    ASSERT_TRUE(c) << kind;
    EXPECT_EQ(c->title, "買収");
    EXPECT_EQ(c->text, text);
    EXPECT_EQ(c->face, kFaceCry);
  }
  for (int kind : {1, 3, 21, 24, 25}) {
    place(*w, 1, 1, kind, 10);
    EXPECT_FALSE(CheckLandPurchase(*w, 1, 1)) << kind;
  }

  // Cash is checked before the kind: 2 money units are enough, a hair less is not.
  place(*w, 1, 1, 2);
  w->kaichou.sikin = Money::fromRaw(19999);
  Check poor = CheckLandPurchase(*w, 1, 1);
  ASSERT_TRUE(poor);
  EXPECT_EQ(poor->title, "資金不足");
  EXPECT_EQ(poor->text, "資金が足りません。");
  EXPECT_TRUE(poor->showCash);
  w->kaichou.sikin = Money::fromInt(2);
  EXPECT_EQ(CheckLandPurchase(*w, 1, 1)->title, "買収");

  // The month's mark comes last.
  place(*w, 1, 1, 21, 100);
  w->kaichou.baishuuzumi[1][1] = 1;
  EXPECT_EQ(CheckLandPurchase(*w, 1, 1)->text,
            "以前のこの区画の買収交渉から、まだ日が浅いです。ほとぼりが冷めるまで待ちましょう。");

  // A refused order shows its refusal, draws nothing and sets no mark.
  place(*w, 0, 0, 26, 50);
  EXPECT_EQ(OpenLandPurchase(*w, 0, 0).step, PurchaseStep::Refused);
  EXPECT_EQ(w->kaichou.baishuuzumi[0][0], 0);
  EXPECT_EQ(w->rng().draws(), 0u);
  ASSERT_EQ(port.messages.size(), 1u);
  EXPECT_EQ(port.messages[0].text, "公共機関は買い取れません。");
}

TEST_F(LandOrders, AnOwnersRefusalStillUsesUpTheMonthsAttempt) {
  place(*w, 1, 1, 21, 100, 50, 150000, 20);
  w->rng().setSeed(seedWherePurchase(true, 1, 1));
  PurchaseOpening o = OpenLandPurchase(*w, 1, 1);
  EXPECT_EQ(o.step, PurchaseStep::Failed);
  EXPECT_FALSE(o.negotiate());
  EXPECT_EQ(w->kaichou.baishuuzumi[1][1], 1);
  ASSERT_EQ(port.messages.size(), 1u);
  EXPECT_EQ(port.messages[0].title, "買収失敗");
  EXPECT_EQ(port.messages[0].text,
            "先方は売る気は全く無いそうです。残念ながら、買収は失敗に終わりました。");
  EXPECT_EQ(port.messages[0].face, kFaceCry);
  EXPECT_EQ(OpenLandPurchase(*w, 1, 1).step, PurchaseStep::Refused);
  EXPECT_EQ(w->block(1, 1).kind, 21);
}

TEST_F(LandOrders, PurchaseAsksOnlyWithTellmsgThenOpensTheNegotiation) {
  place(*w, 0, 2, 1, 0, 35, 100000);  // 100000 x 0.95
  uint32_t seed = seedWherePurchase(false, 0, 2);

  w->rng().setSeed(seed);
  port.answers = {false};
  PurchaseOpening declined = OpenLandPurchase(*w, 0, 2);
  EXPECT_EQ(declined.step, PurchaseStep::Declined);
  ASSERT_EQ(port.messages.size(), 1u);
  EXPECT_EQ(port.messages[0].title, "買収交渉");
  EXPECT_EQ(port.messages[0].text, "買収交渉を行います。よろしいですか？");
  EXPECT_TRUE(port.messages[0].confirm);
  EXPECT_EQ(w->kaichou.baishuuzumi[0][2], 1);

  w->kaichou.baishuuzumi[0][2] = 0;
  w->rng().setSeed(seed);
  port.opts.tellmsg = false;
  PurchaseOpening go = OpenLandPurchase(*w, 0, 2);
  EXPECT_TRUE(go.negotiate());
  EXPECT_EQ(go.price, 95000);
  EXPECT_EQ(port.messages.size(), 1u) << "no question without tellmsg";
  EXPECT_EQ(w->block(0, 2).kind, 1) << "the land changes hands only after the negotiation";
}

TEST_F(LandOrders, ABoughtBlockBecomesTheCompanysEmptyLand) {
  place(*w, 2, 2, 24, 200, 40, 400000, 60, 30);
  ApplyLandPurchase(*w, 2, 2);
  const Tchip& b = w->block(2, 2);
  EXPECT_EQ(b.kind, 2);
  EXPECT_EQ(b.population, 0);
  EXPECT_EQ(b.fanRate, 0);
  EXPECT_EQ(b.unrest, 0);
  EXPECT_EQ(b.security, 40);
  EXPECT_EQ(port.events.back(), "city-changed");
}

TEST_F(LandOrders, SaleRefusalsAndACancelledPrice) {
  place(*w, 0, 0, 21, 10);
  EXPECT_EQ(CheckLandSale(*w, 0, 0)->text, "そこは我が社の土地ではありません。");
  for (int kind : {19, 27}) {
    place(*w, 0, 0, kind);
    EXPECT_EQ(CheckLandSale(*w, 0, 0)->text, "一度取り壊し、空き地にしないと売却できません。");
  }
  place(*w, 0, 0, 2);
  EXPECT_FALSE(CheckLandSale(*w, 0, 0));
  w->kaichou.baikyakuzumi[0][0] = 1;
  Check again = CheckLandSale(*w, 0, 0);
  ASSERT_TRUE(again);
  EXPECT_EQ(again->title, "売却");
  EXPECT_EQ(again->text, "そこは今月すでに売却を行っております。来月までお待ちください。");

  place(*w, 1, 0, 2);
  EXPECT_EQ(SellLand(*w, 1, 0), SaleOutcome::Cancelled);  // the port enters no price
  EXPECT_EQ(w->kaichou.baikyakuzumi[1][0], 0);
  EXPECT_TRUE(port.messages.empty());

  // Whatever a window passes, land is never sold for nothing or less.
  port.salePrices = {0, -70000};
  uint64_t draws = w->rng().draws();
  EXPECT_EQ(SellLand(*w, 1, 0), SaleOutcome::Refused);
  EXPECT_EQ(SellLand(*w, 1, 0), SaleOutcome::Refused);
  EXPECT_EQ(w->kaichou.baikyakuzumi[1][0], 0);
  EXPECT_EQ(w->block(1, 0).kind, 2);
  EXPECT_EQ(w->rng().draws(), draws);
  EXPECT_TRUE(port.messages.empty());
}

TEST_F(LandOrders, SellingToAWillingBuyer) {
  place(*w, 1, 1, 2, 0, 35, 100000);  // the buyer's value: 100000 x 0.95 x 0.75 = 71250
  w->rng().setSeed(seedWhereSale(true, 1, 1, 70000));
  port.salePrices = {70000};
  port.answers = {true};
  EXPECT_EQ(SellLand(*w, 1, 1), SaleOutcome::Sold);
  EXPECT_EQ(w->kaichou.sikin, Money::fromInt(71000));
  EXPECT_EQ(w->block(1, 1).kind, 1);
  EXPECT_EQ(w->kaichou.baikyakuzumi[1][1], 1);
  ASSERT_EQ(port.messages.size(), 2u);
  EXPECT_EQ(port.messages[0].title, "売却");
  EXPECT_EQ(port.messages[0].text,
            "喜んで下さい。買い手が現われました。70,000で売却してよろしいですか？");
  EXPECT_TRUE(port.messages[0].confirm);
  EXPECT_TRUE(port.messages[0].showCash);
  EXPECT_EQ(port.messages[1].title, "売却完了");
  EXPECT_EQ(port.messages[1].text, "売却いたしました。");
  EXPECT_EQ(port.messages[1].face, kFaceLaugh);
  EXPECT_GE(port.cashNotices, 1);
}

TEST_F(LandOrders, TurningTheBuyerAwayOrFindingNone) {
  place(*w, 1, 1, 2, 0, 35, 100000);
  uint32_t seed = seedWhereSale(true, 1, 1, 70000);
  w->rng().setSeed(seed);
  port.salePrices = {70000};
  port.answers = {false};
  EXPECT_EQ(SellLand(*w, 1, 1), SaleOutcome::SentAway);
  EXPECT_EQ(w->block(1, 1).kind, 2);
  EXPECT_EQ(w->kaichou.sikin, Money::fromInt(1000));
  EXPECT_EQ(port.messages.back().title, "売却中止");
  EXPECT_EQ(port.messages.back().text, "追い返しました...。");
  EXPECT_TRUE(w->kaichou.karisuma == 50 || w->kaichou.karisuma == 49);

  // Asking more than the buyer's value never sells and says why.
  port.messages.clear();
  w->kaichou.baikyakuzumi[1][1] = 0;
  port.salePrices = {71251};
  EXPECT_EQ(SellLand(*w, 1, 1), SaleOutcome::NoBuyer);
  ASSERT_EQ(port.messages.size(), 1u);
  EXPECT_EQ(port.messages[0].title, "売却");
  EXPECT_EQ(port.messages[0].text,
            "残念ながら、買い手は見つかりませんでした。少し価格が高いのではないでしょうか．．．？");
  EXPECT_EQ(w->kaichou.baikyakuzumi[1][1], 1);

  // At a fair price the buyer may still walk away, without the hint.
  port.messages.clear();
  w->kaichou.baikyakuzumi[1][1] = 0;
  w->rng().setSeed(seedWhereSale(false, 1, 1, 70000));
  port.salePrices = {70000};
  EXPECT_EQ(SellLand(*w, 1, 1), SaleOutcome::NoBuyer);
  EXPECT_EQ(port.messages[0].text, "残念ながら、買い手は見つかりませんでした。");
}

// A position off the map (a 3 x 3 city, so row 3 is already outside; -1 and 50 are outside
// every city) is refused like land outside the city, before any block is read or marked.
TEST_F(LandOrders, PositionsOffTheMapAreRefusedWithoutTouchingAnything) {
  w->kaichou.sikin = Money::fromInt(1000);
  const uint32_t seed = w->rng().seed();
  for (auto [row, column] : {std::pair{3, 0}, {0, 3}, {-1, 1}, {1, -1}, {50, 50}, {-7, 99}}) {
    Check buy = CheckLandPurchase(*w, row, column);
    ASSERT_TRUE(buy) << row << "," << column;
    EXPECT_EQ(buy->text, "そこは買い取れません。");
    EXPECT_EQ(OpenLandPurchase(*w, row, column).step, PurchaseStep::Refused);
    Check sell = CheckLandSale(*w, row, column);
    ASSERT_TRUE(sell);
    EXPECT_EQ(sell->text, "そこは我が社の土地ではありません。");
    port.salePrices.push_back(100);
    EXPECT_EQ(SellLand(*w, row, column), SaleOutcome::Refused);
  }
  EXPECT_EQ(w->rng().seed(), seed);
  EXPECT_EQ(w->kaichou.sikin, Money::fromInt(1000));
}

}  // namespace
}  // namespace gm

// The warehouse rebuild (offered by store count, its question, the payment at the boundary, each
// level's figures) and the special manoeuvre's switch with its questions.
#include <gtest/gtest.h>

#include <memory>

#include "company/company_orders.h"
#include "support/scripted_frontend.h"
#include "world/world.h"

namespace gm {
namespace {

class CompanyOrders : public ::testing::Test {
 protected:
  void SetUp() override {
    world = std::make_unique<tworld>();
    world->setFrontend(&port);
  }
  tkaichou& company() { return world->kaichou; }
  void storesInUse(int n) {
    for (int s = 1; s <= kStoreSlots; ++s) company().slot(s).used = s <= n;
  }

  std::unique_ptr<tworld> world;
  test::ScriptedFrontend port;
};

TEST_F(CompanyOrders, RebuildIsOfferedOnlyWhenTheStoresOutgrowTheWarehouse) {
  company().sikin = Money::fromInt(1000000);
  storesInUse(2);
  EXPECT_FALSE(NextWarehouseRebuild(company()));
  EXPECT_EQ(SoukoKaichiku(*world), WarehouseRebuildOutcome::NotOffered);
  EXPECT_TRUE(port.events.empty()) << "an order not offered says nothing";

  storesInUse(3);
  auto plan = NextWarehouseRebuild(company());
  ASSERT_TRUE(plan);
  EXPECT_EQ(plan->level, 1);
  EXPECT_EQ(plan->capacity, 2000);
  EXPECT_EQ(plan->cost, 50000);

  company().souko = 2;
  storesInUse(14);
  EXPECT_FALSE(NextWarehouseRebuild(company()));
  storesInUse(15);
  plan = NextWarehouseRebuild(company());
  ASSERT_TRUE(plan);
  EXPECT_EQ(plan->level, 3);
  EXPECT_EQ(plan->cost, 200000);

  company().souko = 3;
  storesInUse(50);
  EXPECT_EQ(SoukoKaichiku(*world), WarehouseRebuildOutcome::NotOffered);
  EXPECT_EQ(company().souko, 3);
}

TEST_F(CompanyOrders, RebuildAsksPaysAndReports) {
  storesInUse(3);
  company().sikin = Money::fromInt(80000);
  port.answers = {false};
  EXPECT_EQ(SoukoKaichiku(*world), WarehouseRebuildOutcome::Declined);
  ASSERT_EQ(port.messages.size(), 1u);
  EXPECT_EQ(port.messages[0].title, "倉庫改築");
  EXPECT_EQ(port.messages[0].text,
            "倉庫を2,000台収容できる規模に改築します。費用が50,000かかりますが、よろしいですか？");
  EXPECT_TRUE(port.messages[0].confirm);
  EXPECT_EQ(company().souko, 0);
  EXPECT_EQ(company().sikin, Money::fromInt(80000));

  port = test::ScriptedFrontend();
  world->setFrontend(&port);
  port.answers = {true};
  EXPECT_EQ(SoukoKaichiku(*world), WarehouseRebuildOutcome::Rebuilt);
  EXPECT_EQ(company().souko, 1);
  EXPECT_EQ(company().sikin, Money::fromInt(30000));
  EXPECT_EQ(company().SoukoYouryou(), 2000);
  const std::vector<std::string> events = {"message:倉庫改築", "company-changed", "cue:3",
                                           "message:倉庫改築", "cue:1"};
  EXPECT_EQ(port.events, events);
  EXPECT_EQ(port.messages[1].text,
            "倉庫を改築しました。これからは最大2,000台を収容できるようになります。");
  EXPECT_EQ(port.messages[1].face, kFaceLaugh);
  EXPECT_EQ(SoukoKaichiku(*world), WarehouseRebuildOutcome::NotOffered)
      << "three stores do not call for a second rebuild";
}

TEST_F(CompanyOrders, RebuildRefusedForLackOfCash) {
  storesInUse(7);
  company().souko = 1;
  company().sikin = Money::fromInt(100000);  // exactly the cost: not enough
  port.answers = {true};
  EXPECT_EQ(SoukoKaichiku(*world), WarehouseRebuildOutcome::NoMoney);
  ASSERT_EQ(port.messages.size(), 2u);
  EXPECT_EQ(port.messages[0].text,
            "倉庫を5,000台収容できる規模に改築します。費用が100,000かかりますが、よろしいですか？");
  EXPECT_EQ(port.messages[1].title, "資金不足");
  EXPECT_EQ(port.messages[1].text, "費用が足りません。");
  EXPECT_EQ(port.messages[1].face, kFaceCry);
  EXPECT_EQ(company().souko, 1);
  EXPECT_EQ(company().sikin, Money::fromInt(100000));
  EXPECT_TRUE(port.cues.empty());

  company().sikin = Money::fromRaw(1000000001);  // a ten-thousandth more is enough
  port.answers = {true};
  EXPECT_EQ(SoukoKaichiku(*world), WarehouseRebuildOutcome::Rebuilt);
  EXPECT_EQ(company().souko, 2);
  EXPECT_EQ(port.messages.back().text,
            "倉庫を改築しました。これからは最大5,000台を収容できるようになります。");
}

TEST_F(CompanyOrders, TheManoeuvreSwitchesOnlyOnAYes) {
  port.answers = {false};
  EXPECT_FALSE(TokushuKousaku(*world));
  EXPECT_FALSE(company().datuzei);
  ASSERT_EQ(port.messages.size(), 1u);
  EXPECT_EQ(port.messages[0].title, "特殊工作");
  EXPECT_EQ(port.messages[0].text, "アレを．．．実行するのですか？．．．本当に．．？");
  EXPECT_TRUE(port.messages[0].confirm);

  port.answers = {true};
  EXPECT_TRUE(TokushuKousaku(*world));
  EXPECT_TRUE(company().datuzei);
  ASSERT_EQ(port.messages.size(), 3u);
  EXPECT_EQ(port.messages[2].text, "わかりました．．．。今月より実行いたします。");
  EXPECT_FALSE(port.messages[2].confirm);

  port.answers = {false};
  EXPECT_FALSE(TokushuKousaku(*world));
  EXPECT_TRUE(company().datuzei);
  EXPECT_EQ(port.messages[3].text, "アレをやめるのですね？");

  company().datuzeiruikei = Money::fromInt(4321);
  port.answers = {true};
  EXPECT_TRUE(TokushuKousaku(*world));
  EXPECT_FALSE(company().datuzei);
  EXPECT_EQ(port.messages.size(), 5u) << "stopping says nothing more";
  EXPECT_EQ(company().datuzeiruikei, Money::fromInt(4321)) << "what was evaded stays on record";
  int refreshes = 0;
  for (const std::string& e : port.events) refreshes += e == "company-changed";
  EXPECT_EQ(refreshes, 4) << "the company manager follows every answer";
}

}  // namespace
}  // namespace gm

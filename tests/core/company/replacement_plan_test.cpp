// The replacement plan: installing with the store's defaults into free islands, an expired
// island skipped while the others go in, a full floor, removal and undo, the price, the early
// removal of model machines with the makers' draws, the waiting state and the model-store mark.
#include "company/replacement_plan.h"

#include <gtest/gtest.h>

#include "order_city.h"

namespace gm {
namespace {

struct Replacement : test::OrderCity {
  Ttempo* s = nullptr;
  void SetUp() override {
    OrderCity::SetUp();
    w->month = 5;
    s = &addStore(1, 2, 2, 1, kOpen);
    s->shinDaiRitu[8] = Money::fromInt(20);
    s->setShinDaiKeitai(8, 2);
    s->setShinDaiMorning8(3);
    company().record(1) = island(8, 7, "ヤメサ一号");
    company().record(2) = island(0, 0, "古い台");
    company().record(2).yuukouMonth = 4;  // could be installed until last month
    company().record(3) = island(4, 0, "セブン");
  }
};

TEST_F(Replacement, InstallingTakesTheDefaultsAndSkipsAnExpiredIsland) {
  ReplacementPlan plan(*w, 1);
  const int records[] = {0, 1, 2};
  EXPECT_EQ(plan.install(port, records, 0), 2);
  ASSERT_EQ(port.messages.size(), 1u);
  EXPECT_EQ(port.messages[0].title, "期限切れ");
  EXPECT_EQ(port.messages[0].text, "古い台は有効期限を過ぎており、新しく設置する事はできません。");

  const Tddai& slot = plan.store().dai[0][0];
  EXPECT_EQ(slot.name.view(), "ヤメサ一号");
  EXPECT_EQ(slot.riritu, Money::fromInt(20));
  EXPECT_EQ(slot.keitai, 2);
  EXPECT_EQ(slot.morning, 3);
  EXPECT_EQ(plan.store().dai[0][1].name.view(), "セブン");
  EXPECT_EQ(plan.store().dai[0][1].riritu, Money::fromInt(15)) << "the type's own default";
  EXPECT_FALSE(plan.warehouse()[0].used);
  EXPECT_TRUE(plan.warehouse()[1].used);
  EXPECT_EQ(plan.freeIslands(0), 8);
  EXPECT_FALSE(company().slot(1).dai[0][0].used) << "the plan works on copies";

  // Moves 300 + 150 and the hall's 500 at a leadership factor of 1.0 and then of 0.87.
  EXPECT_EQ(plan.cost(), 950);
  company().tousotu = 95;
  EXPECT_EQ(ReplacementPlan(*w, 1).cost(), 500 * 87 / 100) << "an empty plan still sets up";
}

TEST_F(Replacement, AFullFloorStopsTheInstallationAndUndoGivesTheRecordBack) {
  s->addEquipment(6);  // the crèche leaves room for 80 machines on the second floor
  for (int i = 0; i < 7; ++i) s->dai[1][i] = island(0);
  ReplacementPlan plan(*w, 1);
  EXPECT_EQ(plan.freeIslands(1), 1);
  const int records[] = {0, 2};
  EXPECT_EQ(plan.install(port, records, 1), 1);
  EXPECT_EQ(port.messages.back().title, "設置");
  EXPECT_EQ(port.messages.back().text, "2Fﾎｰﾙにはこれ以上台を設置できません。");
  EXPECT_EQ(plan.store().dai[1][7].name.view(), "ヤメサ一号");

  const IslandPosition taken[] = {{1, 0}, {1, 9}, {3, 0}};  // one island, one empty, one no floor
  EXPECT_EQ(plan.remove(port, taken), 1);
  EXPECT_EQ(plan.moveCount(), 2);
  EXPECT_TRUE(plan.undo());
  EXPECT_TRUE(plan.store().dai[1][0].used);
  EXPECT_TRUE(plan.undo());
  const Tddai& back = plan.warehouse()[0];
  EXPECT_TRUE(back.used);
  EXPECT_EQ(back.riritu, Money::fromInt(15)) << "the record comes back as it was bought";
  EXPECT_EQ(back.keitai, 0);
  EXPECT_EQ(back.morning, 0);
  EXPECT_FALSE(plan.undo());
  EXPECT_EQ(OrderReplacement(*w, plan), OrderOutcome::Unchanged);
}

TEST_F(Replacement, TheOrderAsksPaysMovesAndMarksTheModelStore) {
  company().record(1).modelMachine = true;
  company().record(1).kounyuuMonth = 5;
  ReplacementPlan plan(*w, 1);
  const int records[] = {0};
  plan.install(port, records, 0);
  answer({true});
  ASSERT_EQ(OrderReplacement(*w, plan), OrderOutcome::Done);
  EXPECT_EQ(port.messages[0].title, "入替");
  EXPECT_EQ(port.messages[0].text,
            "銀玉会館の入替作業を作業計画書の通り実行します。800かかりますが、よろしいですか？");
  EXPECT_EQ(company().sikin, Money::fromInt(1000000 - 800));
  EXPECT_TRUE(s->dai[0][0].used);
  EXPECT_FALSE(company().record(1).used);
  EXPECT_TRUE(s->irekaeDone);
  EXPECT_EQ(s->modelMakers, 1u << 7);
  EXPECT_EQ(port.messages[1].title, "モデル店舗");
  EXPECT_EQ(port.messages[1].text, "銀玉会館はヤメサのモデル店舗に選ばれました。");
  EXPECT_EQ(port.cues, (std::vector<int>{kCueYes, kCueMain}));
}

TEST_F(Replacement, RemovingEveryIslandOfAnOpenStoreLeavesItWaiting) {
  s->dai[0][3] = island(0);
  ReplacementPlan plan(*w, 1);
  const IslandPosition all[] = {{0, 3}};
  plan.remove(port, all);
  port.opts.tellmsg = false;
  ASSERT_EQ(OrderReplacement(*w, plan), OrderOutcome::Done);
  EXPECT_EQ(s->joutai, kWaiting);
  EXPECT_EQ(port.messages.back().title, "待機");
  EXPECT_EQ(port.messages.back().text,
            "銀玉会館の全ての台を取り外しました。この店舗は待機中となります。");
  EXPECT_TRUE(company().record(4).used) << "the island went to the first free record";
}

TEST_F(Replacement, EarlyRemovalOfModelMachinesCostsTheMakersFriendship) {
  // One model machine of 大位置 that its terms still hold on the floor, and an ordinary island.
  s->dai[0][0] = island(4, 3, "大位置一号");
  s->dai[0][0].modelMachine = true;
  s->dai[0][0].yuukouMonth = 5;  // still this month
  s->dai[0][1] = island(0);
  w->makers[3].SetYuukou(20);
  w->rng().setSeed(3);  // R(11) = 1, then R(2) = 1
  ReplacementPlan plan(*w, 1);
  const IslandPosition taken[] = {{0, 0}};
  plan.remove(port, taken);
  EXPECT_EQ(plan.earlyModelMachines(), 10);

  answer({false});
  EXPECT_EQ(OrderReplacement(*w, plan), OrderOutcome::Declined);
  EXPECT_EQ(port.messages[0].title, "規約違反");
  EXPECT_EQ(port.messages[0].text,
            "まだ有効期限の切れていないモデルマシンを10台撤去しようとしています。"
            "該当メーカーとの友好関係が悪化する恐れがありますが、よろしいですか？");
  EXPECT_TRUE(s->dai[0][0].used);

  answer({true, true});
  ASSERT_EQ(OrderReplacement(*w, plan), OrderOutcome::Done);
  EXPECT_EQ(w->makers[3].yuukou, 14) << "(1 + 5) x 1 island";
  EXPECT_FALSE(w->makers[3].torihiki);
  EXPECT_EQ(w->makers[3].chuushiMonth, 5);
  const auto titles = port.titles();
  EXPECT_EQ(titles,
            (std::vector<std::string>{"規約違反", "規約違反", "入替", "友好度悪化", "取引中止 "}));
  EXPECT_EQ(port.messages[3].text, "大位置との友好度が6低下しました。");
  EXPECT_EQ(
      port.messages[4].text.rfind("大位置より我が社に対して、今後一切の取引を中止させてもらう", 0),
      0u);
  EXPECT_EQ(port.cues, (std::vector<int>{kCueDown, kCueMain}));
  EXPECT_EQ(s->joutai, kOpen) << "an island still stands";
}

TEST_F(Replacement, ALargeEarlyRemovalDropsByASecondDrawAndAFriendlyMakerStays) {
  for (int i = 0; i < 6; ++i) {
    s->dai[0][i] = island(4, 3, "大位置一号");
    s->dai[0][i].modelMachine = true;
    s->dai[0][i].yuukouMonth = 40;
  }
  s->dai[0][6] = island(4, 3, "大位置二号");  // no model machine: no harm
  w->makers[3].SetYuukou(90);
  w->rng().setSeed(2992);  // R(11) = 9: (9 + 5) x 6 = 84 > 75, so R(11) = 4 gives 69; R(2) = 1
  ReplacementPlan plan(*w, 1);
  const IslandPosition taken[] = {{0, 0}, {0, 1}, {0, 2}, {0, 3}, {0, 4}, {0, 5}, {0, 6}};
  plan.remove(port, taken);
  EXPECT_EQ(plan.earlyModelMachines(), 60);
  port.opts.tellmsg = false;
  ASSERT_EQ(OrderReplacement(*w, plan), OrderOutcome::Done);
  EXPECT_EQ(w->makers[3].yuukou, 21);
  EXPECT_TRUE(w->makers[3].torihiki) << "a friendship of 16 or more survives the break draw";
}

}  // namespace
}  // namespace gm

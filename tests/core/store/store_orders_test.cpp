// Equipment, opening and closing: the refusals in the game's order, the prices, the questions
// and the reports.
#include <gtest/gtest.h>

#include "../company/order_city.h"
#include "store/equipment_order.h"
#include "store/opening_order.h"

namespace gm {
namespace {

struct StoreOrders : test::OrderCity {
  Ttempo* s = nullptr;
  void SetUp() override {
    OrderCity::SetUp();
    s = &addStore(1, 2, 2, 1);
  }
};

TEST_F(StoreOrders, EquipmentNeedsAFinishedHallAndRoomOnItsFloor) {
  s->joutai = kUnderConstruction;
  Check c = CheckEquipment(*w, *s, 0);
  ASSERT_TRUE(c);
  EXPECT_EQ(c->title, "設備投資");
  EXPECT_EQ(c->text, "工事中は設備を設置できません。");
  s->joutai = kWaiting;

  EXPECT_EQ(CheckEquipment(*w, *s, 7)->text, "その設備は導入できません。")
      << "a two-floor hall has no third floor for a restaurant";
  EXPECT_EQ(CheckEquipment(*w, *s, 12)->text, "その設備は導入できません。");

  // The crèche takes 20 machines' room on the second floor: 80 machines may stand there, 90 not.
  for (int i = 0; i < 8; ++i) s->dai[1][i] = island(0);
  EXPECT_FALSE(CheckEquipment(*w, *s, 6));
  s->dai[1][8] = island(0);
  c = CheckEquipment(*w, *s, 6);
  ASSERT_TRUE(c);
  EXPECT_EQ(c->title, "ｽﾍﾟｰｽ不足");
  EXPECT_EQ(c->text,
            "銀玉会館に 託児所 を導入する為には、2階ﾎｰﾙに 2島分（20台分）のスペースが必要です。");
  EXPECT_FALSE(CheckEquipment(*w, *s, 5)) << "the rest room needs only ten";
}

TEST_F(StoreOrders, EquipmentAsksItsPricePaysAndReports) {
  // General equipment on both floors: 5000 x 2 x 1.05.
  EXPECT_EQ(EquipmentPrice(*w, *s, 0), 10500);
  answer({true});
  ASSERT_EQ(OrderEquipment(*w, *s, 0), OrderOutcome::Done);
  EXPECT_EQ(port.messages[0].title, "設備投資");
  EXPECT_EQ(port.messages[0].text,
            "銀玉会館に 独立島を導入します。10,500の費用がかかりますが、よろしいですか？");
  EXPECT_EQ(port.messages[1].title, "設置完了");
  EXPECT_EQ(port.messages[1].text, "独立島の設置を完了しました。今月の実績報告が楽しみですね。");
  EXPECT_EQ(port.cues, (std::vector<int>{kCueUp, kCueMain}));
  EXPECT_TRUE(s->hasEquipment(0));
  EXPECT_EQ(company().sikin, Money::fromInt(989500));

  // A special item names its floor and its room; the charisma factor 1.4 of charm 15.
  company().karisuma = 15;
  EXPECT_EQ(EquipmentPrice(*w, *s, 6), 5600);
  answer({true});
  ASSERT_EQ(OrderEquipment(*w, *s, 6), OrderOutcome::Done);
  EXPECT_EQ(
      port.messages[2].text,
      "銀玉会館の 2階ホールに 託児所を設置します。2島分（20台分）のスペースを占有し、5,600の費用が"
      "かかりますが、よろしいですか？");
  EXPECT_FALSE(equipmentOffered(*s, 5)) << "the rest room cannot stand beside the crèche";

  answer({false});
  EXPECT_EQ(OrderEquipment(*w, *s, 1), OrderOutcome::Declined);
  EXPECT_FALSE(s->hasEquipment(1));
}

TEST_F(StoreOrders, OpeningShowsTheLastFailingCheck) {
  // No machine and no staff: only the staff are named (the need is at least one).
  Check c = CheckOpening(*w, *s);
  ASSERT_TRUE(c);
  EXPECT_EQ(c->text, "スタッフが1人必要です。人事でスタッフを補充してください。");
  s->setDansei(5);
  EXPECT_EQ(CheckOpening(*w, *s)->text, "台が一台もありません。台を搬入してください。");
  s->dai[0][0] = island(0);
  // Two floors at the charm factor 1.03 of band 4: 1000 x 1.03.
  EXPECT_EQ(OpeningPrice(*w, *s), 1030);
  company().sikin = Money::fromInt(1030);
  EXPECT_EQ(CheckOpening(*w, *s)->title, "資金不足");
  company().sikin = Money::fromInt(1000000);
  EXPECT_FALSE(CheckOpening(*w, *s));
  s->joutai = kSuspended;
  EXPECT_EQ(CheckOpening(*w, *s)->text, "店舗の状態が「待機中」でないと開店できません。");
}

TEST_F(StoreOrders, OpeningPaysOpensAndOffersTheJobStream) {
  s->setDansei(5);
  s->dai[0][0] = island(0);
  answer({true, true});
  const OpeningResult r = OrderOpening(*w, *s);
  EXPECT_EQ(r.outcome, OrderOutcome::Done);
  EXPECT_TRUE(r.jobStream);
  ASSERT_EQ(port.messages.size(), 3u);
  EXPECT_EQ(port.messages[0].text,
            "銀玉会館を開店します。開店費用が1,030かかりますが、よろしいですか？");
  EXPECT_EQ(port.messages[1].text,
            "銀玉会館を新装開店いたしました！店舗と銀玉商事の繁栄を祈りましょう。");
  EXPECT_EQ(port.messages[2].title, "ｼﾞｮﾌﾞｽﾄﾘｰﾑ");
  EXPECT_EQ(port.messages[2].text, "ジョブストリームを実行しますか？");
  EXPECT_EQ(s->joutai, kOpen);
  EXPECT_EQ(company().sikin, Money::fromInt(1000000 - 1030));

  // The job stream is asked for even without tellmsg; the opening question is not.
  EXPECT_EQ(OrderClosing(*w, *s), OrderOutcome::Declined);
  port.opts.tellmsg = false;
  s->hansoku.event = 3;
  EXPECT_EQ(OrderClosing(*w, *s), OrderOutcome::Done);
  EXPECT_EQ(s->joutai, kWaiting);
  EXPECT_EQ(s->hansoku.event, 0) << "closing stops the event";
  const size_t before = port.messages.size();
  EXPECT_FALSE(OrderOpening(*w, *s).jobStream);
  EXPECT_EQ(port.messages.size(), before + 2) << "the report and the job-stream question";
  EXPECT_EQ(port.messages.back().title, "ｼﾞｮﾌﾞｽﾄﾘｰﾑ");

  EXPECT_EQ(OrderClosing(*w, *s), OrderOutcome::Done);
  EXPECT_EQ(OrderClosing(*w, *s), OrderOutcome::Refused);
  EXPECT_EQ(port.messages.back().text, "営業中ではありません。");
}

}  // namespace
}  // namespace gm

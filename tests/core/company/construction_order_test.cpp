// The construction order: its refusals in order, the questions and names, the price, the draws
// of a new store, the completion month, and the withdrawal of a store.
#include "company/construction_order.h"
#include "company/replacement_plan.h"

#include <gtest/gtest.h>

#include "order_city.h"

namespace gm {
namespace {

using test::place;

struct Construction : test::OrderCity {
  // The refusal's title and text, or "" when the order may go ahead.
  std::string refusalOf(int row, int column, int workType) {
    Check c = CheckConstruction(*w, row, column, workType);
    return c ? c->title + "/" + c->text : "";
  }
};

TEST_F(Construction, RefusalsComeInTheGamesOrder) {
  EXPECT_EQ(refusalOf(0, 0, kWorkStore), "工事/そこは我が社の土地ではありません。");
  EXPECT_EQ(refusalOf(2, 2, kWorkClear), "工事内容/それでは意味がありません。");
  EXPECT_EQ(refusalOf(2, 2, 7), "工事/その工事はできません。");
  EXPECT_EQ(refusalOf(2, 2, kWorkParking), "");

  Ttempo& s = addStore(1, 2, 2, 1, kOpen);
  EXPECT_EQ(refusalOf(2, 2, kWorkStore + 1),
            "工事/店舗の状態が「待機中」でないと工事はできません。")
      << "the state speaks before the pointlessness";
  s.joutai = kWaiting;
  EXPECT_EQ(refusalOf(2, 2, kWorkStore + 1), "工事内容/それでは意味がありません。");
  EXPECT_EQ(refusalOf(2, 2, kWorkStore + 4), "");

  // Withdrawing the only store, or one with staff, is refused.
  s.setDansei(1);
  EXPECT_EQ(refusalOf(2, 2, kWorkClear),
            "撤退/店舗を取り壊す前に、店舗のスタッフ全員を他の店舗へ異動させてください。");
  s.setDansei(0);
  EXPECT_EQ(refusalOf(2, 2, kWorkParking),
            "撤退/銀玉市から銀玉商事の店舗が一軒も無くなってしまいます。お考え直しください。");
  addStore(2, 0, 0, 0, kOpen, "二号店");
  EXPECT_EQ(refusalOf(2, 2, kWorkParking), "");
}

TEST_F(Construction, NewStoresKeepAwayFromHospitalsAndSchoolsAndWithinTheLeadersReach) {
  place(*w, 4, 4, 23);  // two blocks away diagonally
  EXPECT_EQ(refusalOf(2, 2, kWorkStore),
            "工事内容/法令により、２区画以内の距離に病院がすでにある場合、店舗を開業する事はでき"
            "ません。お考え直しください。");
  place(*w, 0, 1, 22);
  EXPECT_NE(refusalOf(2, 2, kWorkStore).find("病院"), std::string::npos)
      << "the hospital is named before the school";
  place(*w, 4, 4, 1);
  EXPECT_EQ(refusalOf(2, 2, kWorkStore),
            "工事内容/法令により、２区画以内の距離に教育施設がすでにある場合、店舗を開業する事は"
            "できません。お考え直しください。");
  place(*w, 0, 1, 1);
  EXPECT_EQ(refusalOf(2, 2, kWorkStore), "");

  company().tousotu = 9;  // five stores
  for (int n = 1; n <= 5; ++n) addStore(n, 0, n - 1, 0, kWaiting, "店");
  EXPECT_EQ(refusalOf(2, 2, kWorkStore),
            "工事内容/残念ながら、これ以上店舗を増やすのは時期尚早と思われます。お考え直しください"
            "。");
  // A rebuild needs no free slot.
  EXPECT_EQ(refusalOf(0, 0, kWorkStore + 2), "");
}

TEST_F(Construction, ANewOneFloorStoreOrderedInJulyOpensItsDoorsInSeptember) {
  w->month = 7;
  port.storeNames.push_back("銀玉会館");
  answer({true});
  Random probe = w->rng();
  const int fame = probe.randInt(15) + 10;
  const int refinement = probe.randInt(15) + 10;

  // Charm 45 and an empty city's density 0: factors 1.0 and 0.84.
  EXPECT_EQ(ConstructionPrice(*w, 2, 2, kWorkStore), 84840);
  ASSERT_EQ(OrderConstruction(*w, 2, 2, kWorkStore), OrderOutcome::Done);

  ASSERT_EQ(port.messages.size(), 2u);
  EXPECT_EQ(port.messages[0].title, "工事実行");
  EXPECT_EQ(port.messages[0].text, "１フロア級の店舗 銀玉会館 を新築します。よろしいですか？");
  EXPECT_EQ(port.messages[1].title, "報告");
  EXPECT_EQ(port.messages[1].text, "工事を開始致します。銀玉会館の完成は1年9月の予定です。");
  EXPECT_EQ(port.cues, std::vector<int>{kCueYes});

  const Ttempo& s = company().slot(1);
  EXPECT_TRUE(s.used);
  EXPECT_EQ(s.joutai, kUnderConstruction);
  EXPECT_EQ(s.kanseiMonth, 9);
  EXPECT_EQ(s.shuttenMonth, 7);
  EXPECT_EQ(s.chimei, fame);
  EXPECT_EQ(s.senren, refinement);
  EXPECT_EQ(w->block(2, 2).kind, 19);
  EXPECT_EQ(company().koujizumi[2][2], 1);
  EXPECT_EQ(company().sikin, Money::fromInt(1000000 - 84840));
}

TEST_F(Construction, ARebuildKeepsTheStoreTakesAMonthLessAndStripsTheEquipment) {
  Ttempo& s = addStore(1, 2, 2, 1);
  s.chimei = 33;
  s.addEquipment(0);
  s.addEquipment(5);
  s.hansoku.event = 2;
  w->month = 4;
  port.storeNames.push_back("新銀玉会館");
  answer({true});
  const uint32_t seed = w->rng().seed();
  ASSERT_EQ(OrderConstruction(*w, 2, 2, kWorkStore + 4), OrderOutcome::Done);
  EXPECT_EQ(w->rng().seed(), seed) << "a rebuild draws nothing";
  EXPECT_EQ(port.messages[0].text, "タワー級の店舗 新銀玉会館 を新築します。よろしいですか？");
  EXPECT_EQ(s.kanseiMonth, 4 + 5) << "a tower rebuilt takes five months";
  EXPECT_EQ(s.kibo, 4);
  EXPECT_EQ(s.chimei, 33);
  EXPECT_EQ(s.setubi, 0);
  EXPECT_EQ(s.hansoku.event, 0);
  EXPECT_EQ(s.name.view(), "新銀玉会館");
}

TEST_F(Construction, AShrinkingRebuildWaitsUntilTheLostFloorsAreEmpty) {
  Ttempo& s = addStore(1, 2, 2, 2);
  s.dai[2][0] = island(0);
  EXPECT_EQ(refusalOf(2, 2, kWorkStore + 1),
            "工事内容/規模を縮小する前に、無くなるフロアの台を入替で撤去してください。");
  EXPECT_EQ(refusalOf(2, 2, kWorkStore + 3), "") << "growing keeps every island where it is";
  s.dai[2][0].reset();
  s.dai[1][0] = island(0);
  EXPECT_EQ(refusalOf(2, 2, kWorkStore + 1), "");
}

TEST_F(Construction, ClearingAStoreWithdrawsItAndSortsTheSlots) {
  addStore(1, 2, 2, 1, kWaiting, "一号店");
  addStore(2, 0, 0, 0, kOpen, "二号店");
  answer({true});
  // Clearing costs 1000 x 1.0 x 0.84 whatever stood there; a rebuild pays the clearing by
  // the size it rebuilds to: (4 + 1) x 1000 + 1,000,000 for a tower.
  EXPECT_EQ(ConstructionPrice(*w, 2, 2, kWorkClear), 840);
  EXPECT_EQ(ConstructionPrice(*w, 2, 2, kWorkStore + 4), 844200);
  ASSERT_EQ(OrderConstruction(*w, 2, 2, kWorkClear), OrderOutcome::Done);
  EXPECT_EQ(port.messages[0].text, "区画 (2, 2) を取り壊し、空き地にします。よろしいですか？");
  EXPECT_EQ(w->block(2, 2).kind, 2);
  EXPECT_EQ(company().slot(1).name.view(), "二号店");
  EXPECT_FALSE(company().slot(2).used);
  EXPECT_EQ(company().koujizumi[2][2], 1);

  answer({true});
  ASSERT_EQ(OrderConstruction(*w, 2, 2, kWorkParking), OrderOutcome::Done);
  EXPECT_EQ(port.messages[1].text, "区画 (2, 2) を駐車場にします。よろしいですか？");
  EXPECT_EQ(w->block(2, 2).kind, 27);
}

// Pulling a store down would lose the machines standing in it: like its staff, they must go
// first, and the staff are named first.
TEST_F(Construction, AStoreIsPulledDownOnlyOnceItsMachinesAreInTheWarehouse) {
  Ttempo& s = addStore(1, 2, 2, 1, kWaiting, "一号店");
  addStore(2, 0, 0, 0, kOpen, "二号店");
  s.dai[1][0] = island(3);
  s.setZyosei(2);
  EXPECT_EQ(refusalOf(2, 2, kWorkClear),
            "撤退/店舗を取り壊す前に、店舗のスタッフ全員を他の店舗へ異動させてください。");
  s.setZyosei(0);
  for (int work : {kWorkClear, kWorkParking}) {
    EXPECT_EQ(OrderConstruction(*w, 2, 2, work), OrderOutcome::Refused);
    EXPECT_EQ(lastMessage().title, "撤退");
    EXPECT_EQ(lastMessage().text, "店舗を取り壊す前に、店舗の台を全て入替で倉庫へ移してください。");
  }
  EXPECT_TRUE(company().slot(1).dai[1][0].used) << "refused: the island still stands";

  ReplacementPlan plan(*w, 1);
  const IslandPosition island[] = {{1, 0}};
  ASSERT_EQ(plan.remove(port, island), 1);
  answer({true});
  ASSERT_EQ(OrderReplacement(*w, plan), OrderOutcome::Done);
  EXPECT_EQ(refusalOf(2, 2, kWorkClear), "");
  answer({true});
  ASSERT_EQ(OrderConstruction(*w, 2, 2, kWorkClear), OrderOutcome::Done);
  EXPECT_EQ(w->block(2, 2).kind, 2);
  EXPECT_EQ(company().slot(1).name.view(), "二号店");
  EXPECT_EQ(company().record(1).kishu, 3) << "the island waits in the warehouse";
}

TEST_F(Construction, AThirdStoreBringsTheWarehouseRebuildUp) {
  addStore(1, 0, 0, 0, kOpen, "一号店");
  port.storeNames.push_back("二号店");
  answer({true});
  ASSERT_EQ(OrderConstruction(*w, 2, 2, kWorkStore), OrderOutcome::Done);
  EXPECT_EQ(port.messages.back().title, "報告") << "two stores do not fill the warehouse";

  place(*w, 4, 4, 2);
  port.storeNames.push_back("三号店");
  answer({true, true, true});
  ASSERT_EQ(OrderConstruction(*w, 4, 4, kWorkStore), OrderOutcome::Done);
  const auto titles = port.titles();
  ASSERT_GE(titles.size(), 6u);
  EXPECT_EQ(std::vector<std::string>(titles.end() - 4, titles.end()),
            (std::vector<std::string>{"報告", "倉庫の改築", "倉庫改築", "倉庫改築"}));
  EXPECT_EQ(port.messages[titles.size() - 3].text,
            "そろそろ本社の倉庫も手狭になってきました。台の収容能力を高める為に、倉庫の改築を"
            "したいと思うのですが、どうでしょう？");
  EXPECT_EQ(company().souko, 1);
}

TEST_F(Construction, NoNameNoAnswerOrNoCashLeavesEverythingAsItWas) {
  const Money cash = company().sikin;
  EXPECT_EQ(OrderConstruction(*w, 2, 2, kWorkStore), OrderOutcome::Declined);  // no name typed
  EXPECT_TRUE(port.messages.empty());
  port.storeNames.push_back("銀玉会館");
  answer({false});
  EXPECT_EQ(OrderConstruction(*w, 2, 2, kWorkStore), OrderOutcome::Declined);
  company().sikin = Money::fromInt(84840);  // not more than the price
  port.storeNames.push_back("銀玉会館");
  answer({true});
  EXPECT_EQ(OrderConstruction(*w, 2, 2, kWorkStore), OrderOutcome::Unpaid);
  EXPECT_EQ(lastMessage().title, "資金不足");
  EXPECT_EQ(lastMessage().text, "資金が足りません。");
  EXPECT_FALSE(company().slot(1).used);
  EXPECT_EQ(w->block(2, 2).kind, 2);
  EXPECT_EQ(company().koujizumi[2][2], 0);
  company().sikin = cash;

  // Without tellmsg the order goes ahead after the name alone.
  port.opts.tellmsg = false;
  port.storeNames.push_back("銀玉会館");
  EXPECT_EQ(OrderConstruction(*w, 2, 2, kWorkStore), OrderOutcome::Done);
}

}  // namespace
}  // namespace gm

// The month's end of construction and of suspension: the reports, the reopening question and
// its refusals, with the scripted port.
#include <gtest/gtest.h>

#include <memory>

#include "company/company.h"
#include "company/construction_end.h"
#include "store/store_costs.h"
#include "support/scripted_frontend.h"
#include "world/world.h"

namespace gm {
namespace {

class ConstructionEnd : public ::testing::Test {
 protected:
  void SetUp() override {
    world = std::make_unique<tworld>();
    world->setFrontend(&port);
    world->month = 20;
    world->kaichou.kaishaname = "銀玉興業";
    world->kaichou.SetKarisuma(50);
  }
  Ttempo& store(int n, const char* name, int state) {
    Ttempo& s = world->kaichou.slot(n);
    s.init();
    s.used = true;
    s.name = name;
    s.joutai = static_cast<uint8_t>(state);
    s.blockY = n;
    s.blockX = 1;
    return s;
  }
  void equip(Ttempo& s, int staff) {
    s.dai[0][0].used = true;
    s.setDansei(staff);
  }

  std::unique_ptr<tworld> world;
  test::ScriptedFrontend port;
};

TEST_F(ConstructionEnd, FinishedBuildingsAreReportedInSlotOrder) {
  Ttempo& done = store(2, "第二会館", kUnderConstruction);
  done.kibo = 3;
  done.kanseiMonth = 20;
  Ttempo& late = store(1, "第一会館", kUnderConstruction);
  late.kanseiMonth = 21;
  EndConstructionAndSuspension(*world);

  EXPECT_EQ(done.joutai, kWaiting);
  EXPECT_EQ(late.joutai, kUnderConstruction);
  ASSERT_EQ(port.messages.size(), 1u);
  EXPECT_EQ(port.messages[0].title, "工事完了");
  EXPECT_EQ(port.messages[0].text,
            "第二会館の工事が完了しました。新しく パーク規模のパーラーが 銀玉興業に加わります。");
  EXPECT_EQ(port.events,
            (std::vector<std::string>{"block:2,1", "cue:4", "message:工事完了", "cue:1"}));
}

TEST_F(ConstructionEnd, ReportsFollowTheOptions) {
  port.opts.koujiokhoukoku = false;
  port.opts.teisiokhoukoku = false;
  Ttempo& built = store(1, "甲", kUnderConstruction);
  built.kanseiMonth = 3;
  Ttempo& banned = store(2, "乙", kSuspended);
  banned.teishiMonth = 20;
  equip(banned, 100);
  world->kaichou.SetSikin(Money::fromInt(100000));
  EndConstructionAndSuspension(*world);
  EXPECT_EQ(built.joutai, kWaiting);
  EXPECT_EQ(banned.joutai, kWaiting) << "without the question the store just waits";
  EXPECT_TRUE(port.messages.empty());
  EXPECT_TRUE(port.cues.empty());
  EXPECT_EQ(world->kaichou.sikin, Money::fromInt(100000));
}

TEST_F(ConstructionEnd, ReopeningPaysAndOpens) {
  Ttempo& s = store(3, "丙", kSuspended);
  s.kibo = 1;
  s.teishiMonth = 19;
  equip(s, 100);
  int64_t cost = openingCost(s, 50);
  ASSERT_EQ(cost, 1000);
  world->kaichou.SetSikin(Money::fromInt(5000));
  port.answers = {true};
  EndConstructionAndSuspension(*world);

  ASSERT_EQ(port.messages.size(), 2u);
  EXPECT_EQ(port.messages[0].title, "営業再開");
  EXPECT_EQ(port.messages[0].text,
            "丙の営業停止処分の期間が終了しました。費用が 1,000かかりますが、"
            "すぐに営業を再開しますか？");
  EXPECT_TRUE(port.messages[0].confirm);
  EXPECT_EQ(port.messages[1].title, "開店");
  EXPECT_EQ(port.messages[1].text,
            "丙の営業を再開しました。心機一転、お客様に喜ばれるお店創りに頑張っていきましょう。");
  EXPECT_EQ(port.cues, (std::vector<int>{4, 1}));
  EXPECT_EQ(s.joutai, kOpen);
  EXPECT_EQ(world->kaichou.sikin, Money::fromInt(4000));
}

TEST_F(ConstructionEnd, ReopeningRefusals) {
  Ttempo& poor = store(1, "丁", kSuspended);
  poor.kibo = 4;  // reopening costs 2,500
  equip(poor, 100);
  Ttempo& bare = store(2, "戊", kSuspended);
  Ttempo& unstaffed = store(3, "己", kSuspended);
  equip(unstaffed, 0);
  Ttempo& declined = store(4, "庚", kSuspended);
  equip(declined, 100);
  world->kaichou.SetSikin(Money::fromInt(2500));  // exactly the tower's cost
  port.answers = {true, true, true, false};
  EndConstructionAndSuspension(*world);

  EXPECT_EQ(port.titles(), (std::vector<std::string>{"営業再開", "資金不足", "営業再開", "準備不足",
                                                     "営業再開", "準備不足", "営業再開"}));
  EXPECT_EQ(port.messages[1].text, "資金が足りません。");
  EXPECT_EQ(port.messages[3].text, "台が足りません。ｽﾀｯﾌが足りません。");
  EXPECT_EQ(port.messages[5].text, "ｽﾀｯﾌが足りません。");
  for (const Ttempo* s : {&poor, &bare, &unstaffed, &declined}) EXPECT_EQ(s->joutai, kWaiting);
  EXPECT_EQ(world->kaichou.sikin, Money::fromInt(2500));
  EXPECT_TRUE(port.cues.empty());
}

}  // namespace
}  // namespace gm

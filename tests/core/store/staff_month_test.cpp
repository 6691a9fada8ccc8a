// The monthly staff step: the salary demand, the thresholds and their draws, discontent, the
// walk-out, the drift, the manipulations and the departures, each checked against values worked
// out by hand from the rules for a fixed seed (the draws of each seed are listed where they are
// used).
#include "store/staff_month.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "store/store.h"
#include "support/scripted_frontend.h"
#include "world/world.h"

namespace gm {
namespace {

Money points(int64_t whole) { return Money::fromInt(whole); }

constexpr int kHours = 520;

class StaffMonth : public ::testing::Test {
 protected:
  void SetUp() override {
    world = std::make_unique<tworld>();
    world->setFrontend(&port);
    world->mapHeight = 6;
    world->mapWidth = 6;
  }

  // A store on block (column 2, row 3) with `islands` idle pachinko islands bought in `month`:
  // each needs 1/5200 x 520 hours x 21 = 2.1 people.
  Ttempo& store(int state, int islands, int month) {
    Ttempo& s = world->kaichou.slot(1);
    s.init();
    s.used = true;
    s.name = "本店";
    s.blockX = 2;
    s.blockY = 3;
    s.joutai = static_cast<uint8_t>(state);
    for (int i = 0; i < islands; ++i) {
      Tddai& d = s.dai[0][i];
      d.used = true;
      d.kishu = 0;
      d.kounyuuMonth = month;
    }
    return s;
  }
  void staff(Ttempo& s, int men, int women, int moral, int skill) {
    s.setDansei(men);
    s.setZyosei(women);
    s.setMoral(points(moral));
    s.setSkill(points(skill));
  }
  StaffStepResult run(Ttempo& s, int month, int karisuma, int tousotu, uint32_t seed,
                      uint16_t laws = 0) {
    world->rng().setSeed(seed);
    draws = world->rng().draws();
    StaffStepResult r = StaffMonthlyStep(s, kHours, month, laws, karisuma, tousotu, *world);
    draws = world->rng().draws() - draws;
    return r;
  }

  std::unique_ptr<tworld> world;
  test::ScriptedFrontend port;
  uint64_t draws = 0;
};

TEST_F(StaffMonth, TheSalaryDemandAddsUpItsTerms) {
  Ttempo& s = store(kOpen, 1, 1);
  staff(s, 10, 5, 85, 82);
  s.fukuri = 50;
  // 150 + 80 (skill band 8); women 33 %: + trunc(230 x 33 x 20 / 10000) = 15; leadership 75:
  // - 15; charisma 85: - 15; morale 85: - 15; welfare 50: - 10.
  EXPECT_EQ(SalaryDemand(s, 0, 85, 75), 190);
  // The long-hours law adds half of what has been reached before the president's terms:
  // 245 + 122 = 367, then - 15 - 15 - 15 - 10.
  EXPECT_EQ(SalaryDemand(s, kLawLongHours, 85, 75), 312);

  staff(s, 10, 0, 0, 0);
  s.fukuri = 0;
  s.kadou[kTotal] = 40;
  s.addEquipment(0);
  s.addEquipment(4);
  EXPECT_EQ(SalaryDemand(s, 0, 50, 50), 185) << "150 + 40 attendance - 10 + 5";
  s.fukuri = 1000;
  EXPECT_EQ(SalaryDemand(s, 0, 50, 50), 150) << "never below 150";
  s.fukuri = 0;
  s.kadou[kTotal] = 2000;
  EXPECT_EQ(SalaryDemand(s, 0, 50, 50), 1000) << "never above 1000";
}

TEST_F(StaffMonth, AStoreThatNeedsNobodyIsNeverShortOfStaff) {
  Ttempo& s = store(kOpen, 0, 1);
  staff(s, 1, 0, 50, 0);
  EXPECT_EQ(StaffingRatio(s, kHours, 1), points(100));
  s.kyuyo = 120;  // underpaid: 120 / 150, so the discontent threshold rises to 89
  StaffStepResult r = run(s, 1, 50, 50, 1);
  EXPECT_FALSE(r.discontent);
  // The one man leaves for his pay, which empties the store.
  EXPECT_EQ(r.departures, 1);
  EXPECT_TRUE(r.allGone);
  EXPECT_EQ(s.joutai, kWaiting) << "an open store without staff waits";
  EXPECT_EQ(port.titles(), (std::vector<std::string>{"スタッフの退職", "スタッフ不足"}));
  EXPECT_EQ(port.messages[0].text,
            "本店のスタッフが1人退職しました。"
            "もう少し給与を高くしてあげても良いのではないでしょうか．．．。");
  EXPECT_EQ(port.messages[1].text, "本店のスタッフが全て退職してしまいました。");
  EXPECT_EQ(port.cues, (std::vector<int>{kCueDown, kCueMain}));
}

// Seed 79 draws RandInt(2) eight times as 0 1 | 1 1 | 1 1 | 1 1, then RandInt(12) = 7,
// RandInt(24) = 6, RandInt(2) = 0, RandInt(4) = 2, RandInt(100) = 92, RandInt(10) = 1 and
// RandInt(8) = 4.
TEST_F(StaffMonth, DiscontentDrawsInTheirOrder) {
  Ttempo& s = store(kOpen, 10, 30);  // need 21
  staff(s, 10, 5, 85, 82);           // staffing ratio 15 / 21 = 71.4286 %
  s.kyuyo = 190;                     // exactly the demand: contentment 100 %
  s.fukuri = 50;
  s.kousaku = kIllegalRom | kShills;
  StaffStepResult r = run(s, 30, 85, 75, 79);

  // Thresholds: 85 - (0 + 1 + 1 + 1) = 82 and 65 - (1 + 1 + 1 + 1) = 61, nothing for the pay.
  EXPECT_TRUE(r.discontent);
  EXPECT_FALSE(r.threatened) << "71.43 is above 61";
  // c = trunc(82 - 71.4286) + 2 = 12: skill - (7 + 1), morale - (6 + 1); no drift; the ROMs
  // take 0 and the shills 2 more morale.
  EXPECT_EQ(s.skill, points(74));
  EXPECT_EQ(s.moral, points(76));
  // Paid as asked, nobody leaves for the pay; charisma 85 < 92 with 1 sends 4 + 2 = 6 %, at
  // least one of each sex.
  EXPECT_EQ(s.dansei, 9);
  EXPECT_EQ(s.zyosei, 4);
  EXPECT_EQ(r.departures, 2);
  EXPECT_EQ(draws, 15u);
  EXPECT_EQ(s.joutai, kOpen);

  EXPECT_EQ(port.events, (std::vector<std::string>{"point:3,2", "message:スタッフの不満",
                                                   "message:スタッフの退職"}));
  EXPECT_EQ(port.messages[0].text,
            "本店のスタッフが現在の就業環境に不満を抱き、待遇改善を求めているとの報告が"
            "入っています。ご検討ください。");
  EXPECT_EQ(port.messages[1].text, "本店のスタッフが2人退職しました。")
      << "no word about the pay when it is what they ask";
}

// Seed 9 draws RandInt(3) = 0, 1, 2, RandInt(8) = 6, RandInt(3) = 2, RandInt(27) = 13,
// RandInt(4) = 3, RandInt(100) = 5 and RandInt(10) = 8.
TEST_F(StaffMonth, AWaitingStoreDriftsMoreSlowlyAndLosesTheUnderpaid) {
  Ttempo& s = store(kWaiting, 1, 1);
  s.shuttenMonth = 10;  // 50 months old in month 60
  s.pkankin = 4;        // pachinko targets x 0.9
  staff(s, 20, 0, 40, 70);
  s.fukuri = 60;   // morale target 54, 14 away: step 11
  s.kyouiku = 30;  // skill target 27, 43 away: step 29
  s.addEquipment(0);
  s.kousaku = kJackpotControl;
  // Demand 150 + 70 - 10 - 12 = 198; contentment 150 / 198 = 75.7576 %.
  EXPECT_EQ(SalaryDemand(s, 0, 50, 50), 198);
  StaffStepResult r = run(s, 60, 50, 50, 9);

  EXPECT_FALSE(r.discontent) << "no thresholds while the doors are shut";
  // Morale: 11 - 0 (shut) - 1 (over two years) - 2 (over four years) = 8; + 1 + 6, then the
  // jackpot control takes 3.
  EXPECT_EQ(s.moral, points(44));
  // Skill falls: 29 - 2 (shut) = 27, no age terms when falling; - (1 + 13).
  EXPECT_EQ(s.skill, points(56));
  // b = trunc(100 - 75.7576) = 24: trunc(20 x 24 / 100) = 4 men go; 50 < 5 fails.
  EXPECT_EQ(r.departures, 4);
  EXPECT_EQ(s.dansei, 16);
  EXPECT_EQ(draws, 9u);
  EXPECT_EQ(port.titles(), (std::vector<std::string>{"スタッフの退職"}));
  EXPECT_EQ(port.messages[0].text,
            "本店のスタッフが4人退職しました。"
            "もう少し給与を高くしてあげても良いのではないでしょうか．．．。");

  port.messages.clear();
  staff(s, 20, 0, 40, 70);
  port.opts.taishokuhoukoku = false;
  r = run(s, 60, 50, 50, 9);
  EXPECT_EQ(r.departures, 4);
  EXPECT_TRUE(port.messages.empty()) << "the report option keeps the resignations quiet";
}

// Seed 1: RandInt(63) = 1, RandInt(126) = 108, RandInt(43) = 8, RandInt(86) = 23, RandInt(2) = 1.
// Seed 3: 5, 65, 38, 35, 0, then RandInt(100) = 61, RandInt(10) = 8, RandInt(8) = 6.
TEST_F(StaffMonth, FarTooFewStaffThreatenToLeaveAndSometimesDo) {
  Ttempo& s = store(kOpen, 10, 1);
  staff(s, 5, 0, 50, 50);  // 5 of 21: 23.8095 %
  s.kyuyo = 200;           // the demand
  StaffStepResult r = run(s, 1, 50, 50, 1);
  EXPECT_TRUE(r.discontent);
  EXPECT_TRUE(r.threatened);
  EXPECT_TRUE(r.walkedOut);
  EXPECT_EQ(draws, 5u) << "the walk-out ends the step";
  EXPECT_EQ(s.staffTotal(), 0);
  EXPECT_EQ(s.moral, Money());
  EXPECT_EQ(s.joutai, kWaiting);
  EXPECT_EQ(port.events,
            (std::vector<std::string>{"point:3,2", "message:スタッフの不満", "block:3,2",
                                      "point:3,2", "cue:5", "message:スタッフの退職", "cue:1"}));
  EXPECT_EQ(port.messages[1].text,
            "大変です。本店のスタッフが全員辞表を提出し、退職してしまいました！"
            "本店は営業が不可能な状態となっています。");

  port.events.clear();
  port.messages.clear();
  Ttempo& t = store(kOpen, 10, 1);
  staff(t, 5, 0, 50, 50);
  t.kyuyo = 200;
  r = run(t, 1, 50, 50, 3);
  EXPECT_TRUE(r.threatened);
  EXPECT_FALSE(r.walkedOut);
  // Skill 50 - 6 - 58 and morale 50 - 66 - 65 both stop at 0; morale 0 sends 6 + 2 = 8 %: one
  // man of five.
  EXPECT_EQ(t.moral, Money());
  EXPECT_EQ(t.skill, Money());
  EXPECT_EQ(t.dansei, 4);
  EXPECT_EQ(r.departures, 1);
  EXPECT_EQ(draws, 8u);
  EXPECT_EQ(t.joutai, kOpen);
  EXPECT_EQ(port.titles(), (std::vector<std::string>{"スタッフの不満", "スタッフの退職"}));
}

TEST_F(StaffMonth, AClosedStoreNeverWalksOut) {
  for (uint32_t seed = 1; seed <= 40; ++seed) {
    Ttempo& s = store(kWaiting, 10, 1);
    staff(s, 1, 0, 50, 50);  // 1 of 21
    s.kyuyo = 1000;
    StaffStepResult r = run(s, 1, 50, 50, seed);
    EXPECT_FALSE(r.discontent) << seed;
    EXPECT_FALSE(r.walkedOut) << seed;
  }
}

// Head counts run up to the int32 ceiling for each sex: the people who leave together need not
// fit in an int.
TEST_F(StaffMonth, TheLeaversOfTheLargestStaffAreCountedInFull) {
  Ttempo& s = store(kWaiting, 1, 1);
  staff(s, INT32_MAX, INT32_MAX, 40, 70);
  // trunc(2,147,483,647 x 60 / 100) = 1,288,490,188 of each sex.
  EXPECT_EQ(DeparturesAt(s, 60).total(), int64_t{2} * 1'288'490'188);
  EXPECT_EQ(DeparturesAt(s, 100).total(), int64_t{2} * INT32_MAX);

  // Under the long-hours law the demand is at least 150 x 1.1 (half of them women) x 1.5 = 247:
  // at 120 over half of each sex leaves.
  s.kyuyo = 120;
  const StaffStepResult r = run(s, 2, 50, 50, 9, kLawLongHours);
  EXPECT_GT(r.departures, int64_t{INT32_MAX});
  EXPECT_EQ(r.departures, int64_t{2} * INT32_MAX - s.staffTotal());
  ASSERT_EQ(port.messages.size(), 1u);
  EXPECT_NE(port.messages[0].text.find(std::to_string(r.departures) + "人退職しました"),
            std::string::npos);
}

TEST_F(StaffMonth, AStoreWithoutStaffOnlyLosesItsFigures) {
  Ttempo& s = store(kOpen, 10, 1);
  StaffStepResult r = run(s, 1, 50, 50, 1);
  EXPECT_EQ(draws, 0u);
  EXPECT_FALSE(r.allGone) << "nobody left this month";
  EXPECT_TRUE(port.events.empty());
}

}  // namespace
}  // namespace gm

// The new graduates: when they come, how many, how many of them women, the rare exceptional
// year, and what the entry screen is offered.
#include "world/new_graduates.h"

#include <gtest/gtest.h>

#include "support/seeded_draws.h"
#include "support/scripted_frontend.h"
#include "test_city.h"

namespace gm {
namespace {

using test::exactly;
using test::ScriptedFrontend;

// Three five-floor stores of fifty idle pachinko islands bought this month: each needs
// 50 x 390 x 21 / 5200 = 78.75, so 78 staff, 234 in all. Their staff's morale is 45 and skill
// 72; the stores' refinement 40, fame 80, satisfaction 100; the president's charm 55.
struct GraduateCity {
  ScriptedFrontend port;
  std::unique_ptr<tworld> world = test::makeWorld(1, 1);
  explicit GraduateCity(int month) {
    world->setFrontend(&port);
    world->month = month;
    world->kaichou.kaishaname = "銀玉興業";
    world->kaichou.sikin = Money::fromInt(20000);
    world->kaichou.karisuma = 55;
    for (int n = 1; n <= 3; ++n) {
      Ttempo& s = world->kaichou.slot(n);
      s.used = true;
      s.kibo = 4;
      for (auto& floor : s.dai)
        for (Tddai& d : floor) {
          d.used = true;
          d.kishu = 0;
          d.kounyuuMonth = month;
        }
      s.setDansei(10);
      s.setMoral(Money::fromInt(45));
      s.setSkill(Money::fromInt(72));
      s.setSenren(40);
      s.setChimei(80);
      s.setManzoku(100);
    }
  }
};

TEST(NewGraduates, TheStaffNeedScaledByTheFiveFactorsJitteredAndSplitByRefinement) {
  // 0.2 x 234 = 46.8, then x 1.02 (charm), 0.96 (morale), 1.07 (skill), 1.28 (fame) and 1.11
  // (satisfaction, 100 read as 99), to four decimals each: 69.6683, so 70 before the jitter.
  {
    GraduateCity c(16);  // April of the second year: 30 days of 13 hours
    // Jitter(70) moves by RandInt(2) = 1 upward; then an exceptional year: 80 + 9 and 80 + 0.
    c.world->rng().setSeed(test::seedWithDraws({exactly(2, 1),
                                                {100, 0, 48},
                                                exactly(11, 3),
                                                exactly(11, 7),
                                                exactly(20, 1),
                                                exactly(11, 9),
                                                exactly(11, 0)}));
    EXPECT_TRUE(NewGraduates(*c.world));
    ASSERT_EQ(c.port.messages.size(), 1u);
    EXPECT_EQ(c.port.messages[0].title, "新入社員");
    EXPECT_EQ(c.port.messages[0].text, "今年は71名の新卒者が銀玉興業への入社を希望しています。");
    EXPECT_EQ(c.port.messages[0].face, kFaceSmile);
    EXPECT_FALSE(c.port.messages[0].showCash);
    ASSERT_EQ(c.port.graduateOffers.size(), 1u);
    const GraduateOffer& o = c.port.graduateOffers[0];
    EXPECT_EQ(o.women, 32) << "71 x 0.46, truncated";
    EXPECT_EQ(o.men, 39);
    EXPECT_EQ(o.skill, 89);
    EXPECT_EQ(o.moral, 80);
    EXPECT_EQ(c.port.events.back(), "graduates:39,32") << "the offer follows the news";
  }
  {
    // Downward this time (the 0 of RandInt(2) moves nothing), in an ordinary year.
    GraduateCity c(28);
    c.world->rng().setSeed(test::seedWithDraws(
        {exactly(2, 0), {100, 49, 99}, exactly(11, 0), exactly(11, 10), {20, 2, 19}}));
    EXPECT_TRUE(NewGraduates(*c.world));
    ASSERT_EQ(c.port.graduateOffers.size(), 1u);
    const GraduateOffer& o = c.port.graduateOffers[0];
    EXPECT_EQ(o.men + o.women, 70);
    EXPECT_EQ(o.women, 32) << "70 x 0.46 = 32.2";
    EXPECT_EQ(o.skill, 5);
    EXPECT_EQ(o.moral, 15);
  }
}

TEST(NewGraduates, NobodyComesToAnIdleCompanyAndTheIntakeKeepsItsConditions) {
  {
    // One empty store: a need of 1 scaled down to nothing.
    GraduateCity c(16);
    for (int n = 2; n <= 3; ++n) c.world->kaichou.slot(n).used = false;
    for (auto& floor : c.world->kaichou.slot(1).dai)
      for (Tddai& d : floor) d.used = false;
    EXPECT_TRUE(NewGraduates(*c.world));
    ASSERT_EQ(c.port.messages.size(), 1u);
    EXPECT_EQ(c.port.messages[0].text, "今年は一人も新入社員はおりませんでした。");
    EXPECT_EQ(c.port.messages[0].face, kFaceCry);
    EXPECT_TRUE(c.port.graduateOffers.empty());
  }
  const auto noIntake = [](GraduateCity& c, const char* why) {
    c.world->rng().setSeed(3);
    EXPECT_FALSE(NewGraduates(*c.world)) << why;
    EXPECT_TRUE(c.port.messages.empty()) << why;
    EXPECT_EQ(c.world->rng().seed(), 3u) << why;
  };
  {
    GraduateCity c(4);
    noIntake(c, "the first April");
  }
  {
    GraduateCity c(17);
    noIntake(c, "May");
  }
  {
    GraduateCity c(16);
    c.port.opts.nyuushahoukoku = false;
    noIntake(c, "the report is off");
  }
  {
    GraduateCity c(16);
    c.world->kaichou.sikin = Money::fromInt(10000);
    noIntake(c, "cash of exactly 10,000");
  }
  {
    GraduateCity c(16);
    for (int n = 1; n <= 3; ++n) c.world->kaichou.slot(n).used = false;
    noIntake(c, "no store");
  }
}

}  // namespace
}  // namespace gm

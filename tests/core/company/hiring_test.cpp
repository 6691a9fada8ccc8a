// Hiring (its cost with every factor, the monthly limit, payment, the recruits' draws and sexes)
// and the new graduates' entry into the surplus pool.
#include "company/hiring.h"

#include <gtest/gtest.h>

#include "company/personnel_orders.h"
#include "personnel_test_support.h"

namespace gm {
namespace {

Money points(int64_t whole) { return Money::fromInt(whole); }

class Hiring : public ::testing::Test, public test::PersonnelWorld {
 protected:
  tkaichou& company() { return world->kaichou; }
  Ttempo& pool() { return session.pool(); }
};

TEST_F(Hiring, TheCostMultipliesEveryFactorInTurn) {
  world->month = 3;              // March: 2.0
  company().SetChisei(55);       // 1.05
  company().SetKarisuma(35);     // 1.1
  store(1, 0, 0).setChimei(72);  // average fame 72: 0.87; the city's unrest 45: 1.0
  // 30 x 2.0 x 1.05 x 1.1 x 1.2 (women) x 1.0 x 0.87 x 25 = 1808.73
  EXPECT_EQ(HiringCost(*world, 25, HireSex::Women), 1808);
  // 30 x 2.0 x 1.05 x 1.1 x 0.9 (men) x 1.0 x 0.87 x 25 = 1356.5475
  EXPECT_EQ(HiringCost(*world, 25, HireSex::Men), 1356);
  world->month = 22;  // October: 0.8
  EXPECT_EQ(HiringCost(*world, 25, HireSex::Any), 602) << "30 x 0.8 x 1.05 x 1.1 x 0.87 x 25";
  EXPECT_EQ(HiringCost(*world, 0, HireSex::Any), 0);
}

// The product is formed whole and truncated once: rounded to four decimals at every step it
// would come to 67.0000 and cost a thousand yen more.
TEST_F(Hiring, ACostJustBelowAWholeNumberIsTruncated) {
  world->month = 1;             // January: 1.6
  company().SetChisei(75);      // 0.9
  company().SetKarisuma(5);     // 1.25
  store(1, 0, 0).setChimei(5);  // average fame 5: 1.22
  for (int r = 0; r < 6; ++r)
    for (int c = 0; c < 6; ++c) world->block(r, c).SetUnrest(65);  // 1.13
  // 30 x 1.6 x 0.9 x 1.25 x 0.9 (men) x 1.13 x 1.22 = 66.99996
  EXPECT_EQ(HiringCost(*world, 1, HireSex::Men), 66);
  // The same terms for two: 133.99992.
  EXPECT_EQ(HiringCost(*world, 2, HireSex::Men), 133);
}

TEST_F(Hiring, RecruitsDrawTheirMoraleSkillAndSexInOrder) {
  store(1, 4, 0, 45, 72);  // the company's staff: morale band 4 (+8), skill band 7 (+17)
  session.begin();
  session.addRecruits(0, 0, Money(), Money());
  world->rng().setSeed(2);  // RandInt(20) = 1, 13, 10
  port.answers = {true};
  const Money cash = company().sikin;
  const int64_t cost = HiringCost(*world, 50, HireSex::Any);
  ASSERT_TRUE(Hire(session, 50, HireSex::Any));
  EXPECT_EQ(pool().moral, points(10)) << "1 + 1 + 8";
  EXPECT_EQ(pool().skill, points(31)) << "13 + 1 + 17";
  // Women: 50 x (0.41 + 0.10) = 25.5, which rounds to the even 26.
  EXPECT_EQ(pool().zyosei, 26);
  EXPECT_EQ(pool().dansei, 24);
  EXPECT_EQ(company().sikin, cash - points(cost));
  EXPECT_EQ(port.messages[0].title, "雇用");
  EXPECT_EQ(port.messages[0].text, "スタッフを50人募集します。費用が" + formatGrouped(cost) +
                                       "かかりますが、よろしいですか？");
  EXPECT_TRUE(session.CheckLeave()) << "paid-for people cannot be thrown away";

  // Once a month.
  Check refusal = CheckHiring(*world);
  ASSERT_TRUE(refusal);
  EXPECT_EQ(refusal->text, "今月はすでに雇用を行っております。来月までお待ちください。");
  EXPECT_FALSE(Hire(session, 5, HireSex::Men));
  EXPECT_EQ(pool().staffTotal(), 50);
  company().GetsumatsuGo();
  EXPECT_FALSE(CheckHiring(*world));
}

TEST_F(Hiring, AnySexGivesFortyOneToSixtyPerCentWomen) {
  store(1, 0, 0);
  port.opts.tellmsg = false;
  int fewest = 100, most = 0;
  for (uint32_t seed = 1; seed <= 300; ++seed) {
    session.begin();
    company().koyouzumi = false;
    company().SetSikin(points(100000));
    world->rng().setSeed(seed);
    ASSERT_TRUE(Hire(session, 100, HireSex::Any));
    fewest = std::min(fewest, pool().zyosei);
    most = std::max(most, pool().zyosei);
    ASSERT_EQ(pool().staffTotal(), 100);
  }
  EXPECT_EQ(fewest, 41);
  EXPECT_EQ(most, 60);

  session.begin();
  company().koyouzumi = false;
  ASSERT_TRUE(Hire(session, 7, HireSex::Men));
  EXPECT_EQ(pool().dansei, 7);
  EXPECT_EQ(pool().zyosei, 0);
}

TEST_F(Hiring, RefusedOrEmptyHiresChangeNothing) {
  store(1, 0, 0);
  session.begin();
  const uint64_t draws = world->rng().draws();
  EXPECT_FALSE(Hire(session, 0, HireSex::Any)) << "hiring nobody does nothing";
  EXPECT_FALSE(company().koyouzumi);
  EXPECT_TRUE(port.messages.empty());

  EXPECT_FALSE(Hire(session, 10001, HireSex::Any));
  EXPECT_EQ(port.messages.back().text, "募集できる人数は0人から10,000人までです。");
  EXPECT_FALSE(Hire(session, -3, HireSex::Any));
  EXPECT_TRUE(CheckHireCount(10000) == std::nullopt);

  port.answers = {false};
  EXPECT_FALSE(Hire(session, 10, HireSex::Any)) << "declined";
  EXPECT_FALSE(company().koyouzumi);

  company().SetSikin(points(HiringCost(*world, 10, HireSex::Any)));
  port.answers = {true};
  EXPECT_FALSE(Hire(session, 10, HireSex::Any));
  EXPECT_EQ(port.messages.back().title, "資金不足");
  EXPECT_FALSE(company().koyouzumi) << "an unpaid hire leaves the month's chance";
  EXPECT_EQ(pool().staffTotal(), 0);
  EXPECT_EQ(world->rng().draws(), draws);
}

TEST_F(Hiring, GraduatesJoinThePoolWithTheirOfferedFigures) {
  store(1, 0, 0);
  session.begin();
  session.addRecruits(2, 0, points(40), points(40));
  const GraduateOffer offer{5, 4, 85, 82};
  EXPECT_TRUE(CheckGraduateIntake(offer, 6, 0)) << "more men than offered";
  EXPECT_TRUE(CheckGraduateIntake(offer, 0, -1));
  EXPECT_FALSE(CheckGraduateIntake(offer, 5, 4));
  EXPECT_FALSE(TakeInGraduates(session, offer, 0, 0)) << "taking nobody does nothing";
  EXPECT_TRUE(port.messages.empty());

  port.answers = {false};
  EXPECT_FALSE(TakeInGraduates(session, offer, 3, 4));
  EXPECT_EQ(port.messages[0].title, "採用");
  EXPECT_EQ(port.messages[0].text, "合わせて7人を採用します。よろしいですか？");
  EXPECT_EQ(pool().staffTotal(), 2);

  port.answers = {true};
  EXPECT_TRUE(TakeInGraduates(session, offer, 3, 4));
  EXPECT_EQ(pool().dansei, 5);
  EXPECT_EQ(pool().zyosei, 4);
  // Men first: (2 x 40 + 3 x 85) / 5 = 67; then women: (5 x 67 + 4 x 85) / 9 = 75.
  EXPECT_EQ(pool().moral, points(75));
  EXPECT_EQ(pool().skill, points(73)) << "(2 x 40 + 3 x 82) / 5 = 65.2 -> 65; (325 + 328) / 9";
}

}  // namespace
}  // namespace gm

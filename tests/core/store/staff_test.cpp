// The store's staff operations: shares, personnel cost, transfers with their weighted morale and
// skill, and the shortage as the screens write it.
#include "store/staff.h"

#include <gtest/gtest.h>

#include "store/store.h"

namespace gm {
namespace {

Money points(int64_t whole) { return Money::fromInt(whole); }

Ttempo staffed(int men, int women, Money moral, Money skill) {
  Ttempo s;
  s.setDansei(men);
  s.setZyosei(women);
  s.setMoral(moral);
  s.setSkill(skill);
  return s;
}

TEST(StoreStaffFigures, SharesTruncateAndCostsFollowTheHeads) {
  Ttempo s;
  EXPECT_EQ(s.staffSummary().total, 0);
  EXPECT_EQ(s.staffSummary().men, 0) << "no staff: both shares 0";
  EXPECT_EQ(s.staffSummary().women, 0);

  s.setDansei(2);
  s.setZyosei(1);
  StaffShares shares = s.staffSummary();
  EXPECT_EQ(shares.total, 3);
  EXPECT_EQ(shares.men, 66) << "2/3 = 66.67 % truncates";
  EXPECT_EQ(shares.women, 33);

  s.kyuyo = 200;
  s.kyouiku = 15;
  s.fukuri = 7;
  PersonnelCost c = s.personnelCost();
  EXPECT_EQ(c.salaries, 600);
  EXPECT_EQ(c.education, 45);
  EXPECT_EQ(c.welfare, 21);
  EXPECT_EQ(c.total, 666);

  s.setDansei(-4);
  EXPECT_EQ(s.dansei, 0) << "head counts are never negative";
  s.setZyosei(int64_t{1} << 40);
  EXPECT_EQ(s.zyosei, 2147483647) << "a huge count stops at the field's limit, not wrapped";
}

TEST(StoreStaffTransfer, NewcomersBlendIntoTheStaffByHeadCount) {
  Ttempo here = staffed(3, 0, points(50), points(40));
  Ttempo there = staffed(0, 5, points(71), points(20));
  ASSERT_TRUE(here.transferStaff(there, kFemale, 2));
  EXPECT_EQ(here.zyosei, 2);
  EXPECT_EQ(there.zyosei, 3);
  EXPECT_EQ(here.moral, points(58)) << "(3 x 50 + 2 x 71) / 5 = 58.4";
  EXPECT_EQ(here.skill, points(32)) << "(3 x 40 + 2 x 20) / 5 = 32";
  EXPECT_EQ(there.moral, points(71)) << "the source keeps its figures";
  EXPECT_EQ(there.skill, points(20));

  // A half rounds to the even point.
  Ttempo a = staffed(1, 0, points(50), points(51));
  Ttempo b = staffed(1, 0, points(51), points(52));
  ASSERT_TRUE(a.transferStaff(b, kMale, 1));
  EXPECT_EQ(a.moral, points(50)) << "50.5 -> 50";
  EXPECT_EQ(a.skill, points(52)) << "51.5 -> 52";
}

TEST(StoreStaffTransfer, AnEmptyStoreTakesTheSourcesFiguresExactly) {
  Ttempo empty;
  Ttempo source = staffed(4, 0, Money::fromRaw(635000), Money::fromRaw(271234));
  // Everybody leaves the source, which then has no morale of its own any more; the newcomers
  // still bring theirs.
  ASSERT_TRUE(empty.transferStaff(source, kMale, 4));
  EXPECT_EQ(empty.dansei, 4);
  EXPECT_EQ(empty.moral.raw(), 635000);
  EXPECT_EQ(empty.skill.raw(), 271234);
  EXPECT_EQ(source.staffTotal(), 0);
  EXPECT_EQ(source.moral, Money());
}

TEST(StoreStaffTransfer, ImpossibleMovesChangeNothing) {
  Ttempo here = staffed(2, 2, points(60), points(60));
  Ttempo there = staffed(3, 1, points(10), points(10));
  EXPECT_FALSE(here.transferStaff(there, kFemale, 2)) << "only one woman there";
  EXPECT_FALSE(here.transferStaff(there, kMale, -1)) << "a negative move would reverse it";
  EXPECT_FALSE(here.transferStaff(here, kMale, 1));
  EXPECT_TRUE(here.transferStaff(there, kMale, 0)) << "moving nobody is allowed";
  EXPECT_EQ(here.dansei, 2);
  EXPECT_EQ(here.zyosei, 2);
  EXPECT_EQ(there.dansei, 3);
  EXPECT_EQ(there.zyosei, 1);
  EXPECT_EQ(here.moral, points(60));
}

TEST(StoreStaffTransfer, LosingStaffLowersThePromotionsTheyCanRun) {
  Ttempo here;
  Ttempo source = staffed(50, 0, points(30), points(30));
  source.hansoku.mail = 10;
  source.hansoku.tissue = 5;
  ASSERT_TRUE(here.transferStaff(source, kMale, 26));
  EXPECT_EQ(source.hansoku.mail, 4) << "24 left: 24 / 5";
  EXPECT_EQ(source.hansoku.tissue, 2);
}

TEST(StoreStaffShortage, SignsOfTheShortage) {
  EXPECT_EQ(shortageText(3), "+3");
  EXPECT_EQ(shortageText(0), "±0");
  EXPECT_EQ(shortageText(-12), "-12");
  // Both sexes at the int32 ceiling with nobody needed, and the other way round.
  EXPECT_EQ(shortageText(int64_t{2} * INT32_MAX), "+4294967294");
  EXPECT_EQ(shortageText(-int64_t{2} * INT32_MAX), "-4294967294");
  EXPECT_TRUE(shortageIsRed(-1));
  EXPECT_FALSE(shortageIsRed(0));
}

}  // namespace
}  // namespace gm

// The personnel screen's orders over working copies: the guard, assignment and transfer by count
// and for everybody, "leave it to me", dismissal, confirmation and leaving; and the personnel
// spending of one store or several.
#include "company/personnel_orders.h"

#include <gtest/gtest.h>

#include "company/personnel_spending.h"
#include "personnel_test_support.h"

namespace gm {
namespace {

using test::listed;
using test::slots;

Money points(int64_t whole) { return Money::fromInt(whole); }

class Personnel : public ::testing::Test, public test::PersonnelWorld {
 protected:
  tkaichou& company() { return world->kaichou; }
  Ttempo& pool() { return session.pool(); }
};

TEST_F(Personnel, TheGuardWantsAStoreAndOnePersonnelOrderAMonth) {
  Check refusal = CheckPersonnelScreen(company());
  ASSERT_TRUE(refusal);
  EXPECT_EQ(refusal->title, "人事");
  EXPECT_EQ(refusal->text, "店舗が一軒もありません。");
  store(1, 0, 0);
  EXPECT_FALSE(CheckPersonnelScreen(company()));
  company().jinjizumi = true;
  refusal = CheckPersonnelScreen(company());
  ASSERT_TRUE(refusal);
  EXPECT_EQ(refusal->text, "今月はすでに人事を行っております。来月までお待ちください。");
  company().GetsumatsuGo();
  EXPECT_FALSE(CheckPersonnelScreen(company())) << "the month's reset lifts the mark";
}

TEST_F(Personnel, AssigningByCountStopsAtTheFirstStoreThatGetsNobody) {
  for (int n = 1; n <= 4; ++n) store(n, 0, 0);
  session.begin();
  session.addRecruits(25, 12, points(40), points(30));
  EXPECT_EQ(session.assign(listed({1, 2, 3, 4}), StaffChoice::Both, 10), 30);
  EXPECT_EQ(session.store(1).dansei, 10);
  EXPECT_EQ(session.store(1).zyosei, 10);
  EXPECT_EQ(session.store(2).dansei, 10);
  EXPECT_EQ(session.store(2).zyosei, 0) << "two women cannot make ten";
  EXPECT_EQ(session.store(3).staffTotal(), 0);
  EXPECT_EQ(session.store(1).moral, points(40)) << "an empty store takes the newcomers' morale";
  EXPECT_EQ(session.store(1).skill, points(30));

  EXPECT_EQ(session.assign(listed({4, 3}), StaffChoice::Men, 1), 2);
  EXPECT_EQ(session.store(3).dansei, 1);
  EXPECT_EQ(session.store(4).dansei, 1);
  EXPECT_EQ(pool().dansei, 3);
  EXPECT_EQ(pool().zyosei, 2);

  EXPECT_EQ(session.assign(listed({1}), StaffChoice::Both, 0), 0) << "a count of 0 is refused";
  EXPECT_EQ(session.assign(listed({1}), StaffChoice::Both, -5), 0);
  EXPECT_TRUE(PersonnelSession::CheckAmount(-5));
  EXPECT_EQ(pool().staffTotal(), 5);
  EXPECT_EQ(company().slot(1).staffTotal(), 0) << "only the copies change";
}

TEST_F(Personnel, AssigningEverybodySharesThePoolInTurn) {
  for (int n = 1; n <= 3; ++n) store(n, 0, 0);
  store(5, 0, 0);
  session.begin();
  session.addRecruits(10, 2, points(20), points(20));
  EXPECT_EQ(session.assign(listed({1, 2, 3}), StaffChoice::Both, kMoveAll), 12);
  // Men: a share of 3 each, and the one left over goes to the first store.
  EXPECT_EQ(session.store(1).dansei, 4);
  EXPECT_EQ(session.store(2).dansei, 3);
  EXPECT_EQ(session.store(3).dansei, 3);
  // Women: 2 / 3 gives a share of at least one.
  EXPECT_EQ(session.store(1).zyosei, 1);
  EXPECT_EQ(session.store(2).zyosei, 1);
  EXPECT_EQ(session.store(3).zyosei, 0);
  EXPECT_EQ(pool().staffTotal(), 0);
  EXPECT_EQ(session.store(5).staffTotal(), 0) << "not selected";
}

// The player sorts the list by any column; the stores are served from the top of the list down.
TEST_F(Personnel, MovesServeTheStoresInTheOrderTheListShowsThem) {
  for (int n = 1; n <= 3; ++n) store(n, 0, 0);
  session.begin();
  session.addRecruits(15, 0, points(40), points(30));
  EXPECT_EQ(session.assign(listed({3, 1, 2}), StaffChoice::Men, 10), 10);
  EXPECT_EQ(session.store(3).dansei, 10) << "first in the list";
  EXPECT_EQ(session.store(1).dansei, 0) << "five cannot make ten: the walk stops here";
  EXPECT_EQ(session.store(2).dansei, 0);

  // Five men, a share of one each, in turn down the list: 2, 3, 1, 2, 3.
  EXPECT_EQ(session.assign(listed({2, 3, 1}), StaffChoice::Men, kMoveAll), 5);
  EXPECT_EQ(session.store(2).dansei, 2);
  EXPECT_EQ(session.store(3).dansei, 12);
  EXPECT_EQ(session.store(1).dansei, 1);

  // "任せる" fills the short stores in the same order. Ten idle islands need 16 people each.
  store(4, 0, 0, 50, 50, kOpen, 10);
  store(5, 0, 0, 50, 50, kOpen, 10);
  session.begin();
  session.addRecruits(20, 0, points(40), points(30));
  port.answers = {false};
  session.leaveItToMe(listed({5, 4}));
  EXPECT_EQ(session.store(5).staffTotal(), 16);
  EXPECT_EQ(session.store(4).staffTotal(), 4);
  EXPECT_EQ(port.messages.back().text, "12人人員が足りません。");
}

// Each person "任せる" moves has a sex drawn for him: RandInt(100) <= 50 asks for a woman. With
// seed 1 the draws are 3 (a woman: the pool has none, so nobody moves) and then 86 (a man).
TEST_F(Personnel, LeaveItToMeDrawsAgainWhenTheDrawnSexIsNotThere) {
  store(1, 0, 0);  // needs one
  session.begin();
  session.addRecruits(1, 0, points(40), points(30));
  world->rng().setSeed(1);
  const uint64_t before = world->rng().draws();
  session.leaveItToMe(listed({1}));
  EXPECT_EQ(world->rng().draws() - before, 2u);
  EXPECT_EQ(session.store(1).dansei, 1);
  EXPECT_EQ(pool().staffTotal(), 0);
  EXPECT_TRUE(port.messages.empty()) << "no shortage left";
}

TEST_F(Personnel, TransfersOutWeighTheNewcomersIntoThePool) {
  store(1, 12, 4, 60, 60);
  store(2, 5, 20, 30, 30);
  session.begin();
  EXPECT_EQ(session.transferOut(listed({1, 2}), StaffChoice::Both, 10), 20);
  EXPECT_EQ(session.store(1).dansei, 2);
  EXPECT_EQ(session.store(1).zyosei, 4) << "four women cannot give ten";
  EXPECT_EQ(session.store(2).dansei, 5);
  EXPECT_EQ(session.store(2).zyosei, 10);
  EXPECT_EQ(pool().moral, points(45)) << "(10 x 60 + 10 x 30) / 20";

  EXPECT_EQ(session.transferOut(listed({1}), StaffChoice::Women, kMoveAll), 4);
  EXPECT_EQ(pool().moral, points(48)) << "(20 x 45 + 4 x 60) / 24 = 47.5, to the even point";
  EXPECT_EQ(session.store(1).zyosei, 0);
  EXPECT_EQ(session.store(1).moral, points(60)) << "those who stay keep their morale";
}

TEST_F(Personnel, LeaveItToMeFillsTheShortStoresAndAsksBeforeTakingFromOthers) {
  // 10 idle islands for 403 hours in January: 10 x 1.6275 = 16.275, so 16 people.
  Ttempo& busy = store(1, 5, 0, 50, 50, kOpen, 10);
  ASSERT_EQ(busy.staffNeed(world->MonthlyHours(), world->month), 16);
  store(2, 30, 0);  // needs one
  store(3, 0, 0);   // not selected
  session.begin();
  session.addRecruits(3, 3, points(50), points(50));
  port.answers = {true};
  session.leaveItToMe(listed({1, 2}));
  EXPECT_EQ(session.store(1).staffTotal(), 16);
  EXPECT_EQ(session.store(2).staffTotal(), 25) << "gave the five still missing";
  EXPECT_EQ(pool().staffTotal(), 0);
  EXPECT_EQ(port.titles(), (std::vector<std::string>{"任せる"}));
  EXPECT_EQ(port.messages[0].text,
            "さらに人員が不足している店舗があります。選択中の店舗のうち人員が余っている店舗"
            "から、不足している店舗へ人員を異動させますか？");

  // Saying no leaves the shortage, which is reported.
  port.messages.clear();
  session.begin();
  session.addRecruits(6, 0, points(50), points(50));
  session.leaveItToMe(listed({1, 2}));
  EXPECT_EQ(session.store(1).staffTotal(), 11);
  EXPECT_EQ(session.store(2).staffTotal(), 30);
  EXPECT_EQ(port.titles(), (std::vector<std::string>{"任せる", "人員不足"}));
  EXPECT_EQ(port.messages[1].text, "5人人員が足りません。");
}

TEST_F(Personnel, DismissalPaysTheSeveranceAndEmptiesThePool) {
  store(1, 0, 0);
  company().SetChisei(65);  // band 6: 1.0
  session.begin();
  session.addRecruits(10, 5, points(55), points(30));
  // 300 x 1.15 (morale band 5) x 1.17 (skill band 3) x 1.0 x (10 + 1.2 x 5) = 6458.4.
  EXPECT_EQ(session.severance(), 6458);
  const std::string question =
      "15人の余剰スタッフを解雇します。退職金として6,458を支払います。取り消しはできませんが、"
      "よろしいですか？";

  port.opts.tellmsg = false;  // the question is asked all the same: it cannot be undone
  EXPECT_FALSE(session.dismiss());
  ASSERT_EQ(port.messages.size(), 1u);
  EXPECT_EQ(port.messages[0].text, question);
  EXPECT_EQ(pool().staffTotal(), 15);

  company().SetSikin(Money::fromInt(6458));
  port.answers = {true};
  EXPECT_FALSE(session.dismiss());
  EXPECT_EQ(port.messages.back().title, "資金不足");
  EXPECT_EQ(port.messages.back().text, "資金が足りません。");
  EXPECT_EQ(pool().staffTotal(), 15);

  company().SetSikin(Money::fromInt(10000));
  port.answers = {true};
  EXPECT_TRUE(session.dismiss());
  EXPECT_EQ(company().sikin, Money::fromInt(3542));
  EXPECT_EQ(pool().staffTotal(), 0);
  EXPECT_EQ(pool().moral, Money());
  EXPECT_FALSE(session.dismiss()) << "nobody left to dismiss";

  // Formed whole and truncated once: 300 x 1.01 (morale band 3) x 1.02 (skill band 1) x 0.81
  // (intelligence band 9) x (1 + 1.2 x 73) = 250.3386 x 88.6 = 22179.99996.
  company().SetChisei(95);
  session.addRecruits(1, 73, points(35), points(15));
  EXPECT_EQ(session.severance(), 22179);
}

TEST_F(Personnel, ConfirmationWritesTheCopiesBackAndSetsTheMonthsMark) {
  store(1, 5, 0, 60, 40);
  store(2, 3, 0, 20, 20);
  store(4, 0, 0, 0, 0, kWaiting);
  session.begin();
  session.transferOut(listed({2}), StaffChoice::Both, kMoveAll);
  Check refusal = session.CheckConfirm();
  ASSERT_TRUE(refusal);
  EXPECT_FALSE(session.confirm());
  EXPECT_EQ(port.messages.back().title, "人事");
  EXPECT_EQ(port.messages.back().text,
            "スタッフが全て配属されていません。余剰スタッフを全て配属するか、解雇してください。");

  session.assign(listed({1}), StaffChoice::Men, kMoveAll);
  EXPECT_FALSE(session.CheckLeave()) << "nobody came in or went: the screen may be left";
  port.messages.clear();
  port.answers = {false};
  EXPECT_FALSE(session.confirm());
  EXPECT_EQ(port.messages[0].text, "辞令を発効します。よろしいですか？");
  EXPECT_EQ(company().slot(1).dansei, 5) << "declined: nothing written";
  EXPECT_FALSE(company().jinjizumi);

  port.messages.clear();
  port.answers = {true};
  EXPECT_TRUE(session.confirm());
  EXPECT_EQ(company().slot(1).dansei, 8);
  EXPECT_EQ(company().slot(1).moral, points(45)) << "(5 x 60 + 3 x 20) / 8";
  EXPECT_EQ(company().slot(2).staffTotal(), 0);
  EXPECT_EQ(company().slot(2).joutai, kWaiting) << "an open store without staff waits";
  EXPECT_EQ(company().slot(4).joutai, kWaiting);
  EXPECT_TRUE(company().jinjizumi);
  EXPECT_EQ(port.titles(), (std::vector<std::string>{"人事", "人員不足"}));
  EXPECT_EQ(port.messages[1].text, "店2人員が不足している為、待機中となります。");
  EXPECT_FALSE(company().slot(3).used) << "free slots stay free";
}

TEST_F(Personnel, PeopleWhoCameInOrWentAwayCannotBeThrownAway) {
  store(1, 2, 0);
  session.begin();
  EXPECT_FALSE(session.CheckLeave());
  session.addRecruits(0, 0, points(10), points(10));
  EXPECT_FALSE(session.CheckLeave()) << "nobody came";
  session.addRecruits(1, 0, points(10), points(10));
  Check refusal = session.CheckLeave();
  ASSERT_TRUE(refusal);
  EXPECT_EQ(refusal->title, "人事");
  EXPECT_EQ(refusal->text,
            "雇用・採用・解雇を行った人事は取り消せません。余剰スタッフを全て配属するか解雇して、"
            "決定してください。");
  session.begin();
  EXPECT_FALSE(session.CheckLeave()) << "a new screen starts afresh";
}

TEST_F(Personnel, SpendingStartsFromTheAveragesAndKeepsItsRanges) {
  Ttempo& a = store(1, 1, 0);
  Ttempo& b = store(2, 1, 0);
  store(3, 1, 0);
  a.kyuyo = 200;
  a.kyouiku = 11;
  b.kyuyo = 155;
  b.fukuri = 9;
  const PersonnelSpending start = AverageSpending(company(), slots({1, 2, 7}));
  EXPECT_EQ(start, (PersonnelSpending{177, 5, 4})) << "truncated averages of slots 1 and 2";
  EXPECT_EQ(AverageSpending(company(), StoreSelection{}), PersonnelSpending{});

  EXPECT_EQ(RaiseToSalaryFloor({100, 0, 0}).kyuyo, 120);
  EXPECT_TRUE(CheckPersonnelSpending({1001, 0, 0}));
  EXPECT_TRUE(CheckPersonnelSpending({500, -1, 0}));
  EXPECT_TRUE(CheckPersonnelSpending({500, 0, 1001}));
  EXPECT_FALSE(CheckPersonnelSpending({1000, 1000, 0}));

  EXPECT_FALSE(ChangePersonnelSpending(*world, slots({1, 2}), {1200, 0, 0}));
  EXPECT_EQ(port.messages.back().title, "人件費調整");
  EXPECT_EQ(a.kyuyo, 200) << "refused: nothing written";

  port.answers = {false};
  EXPECT_FALSE(ChangePersonnelSpending(*world, slots({1, 2}), {300, 20, 30}));
  EXPECT_EQ(port.messages.back().text, "人件費を変更します。よろしいですか？");
  EXPECT_EQ(a.kyuyo, 200);

  port.answers = {true};
  EXPECT_TRUE(ChangePersonnelSpending(*world, slots({1, 2}), {90, 20, 30}));
  for (const Ttempo* s : {&a, &b}) {
    EXPECT_EQ(s->kyuyo, 120) << "a salary below the floor is raised to it";
    EXPECT_EQ(s->kyouiku, 20);
    EXPECT_EQ(s->fukuri, 30);
  }
  EXPECT_EQ(company().slot(3).kyuyo, 150) << "not selected";
}

}  // namespace
}  // namespace gm

// The player's books: which changes of cash they take as accounted for and which they report.
#include "cash_ledger.h"

#include <gtest/gtest.h>

namespace gm {
namespace {

Money k(int64_t thousands) { return Money::fromInt(thousands); }

struct Books : ::testing::Test {
  CashLedger ledger;
  Money cash = k(100000);
  void SetUp() override { ledger.start(cash); }
  void change(int64_t thousands) {
    cash += k(thousands);
    ledger.cashChanged(cash);
  }
  std::string all() const {
    std::string s;
    for (const std::string& v : ledger.violations()) s += v + "\n";
    return s;
  }
};

TEST_F(Books, AnOrderMayChargeItsPriceOnceAndOnlyWhenItIsCarriedOut) {
  ledger.beginOrder("設備投資", -5250);
  change(-5250);
  ledger.endOrder(true);
  ledger.beginOrder("売却", 0);
  ledger.setExpected(12000);  // the asking price, typed while the order runs
  change(12000);
  ledger.endOrder(true);
  ledger.beginOrder("開店", -515);  // refused: nothing charged, nothing owed
  ledger.endOrder(false);
  ledger.endOrders();
  EXPECT_TRUE(ledger.violations().empty()) << all();

  // A price other than the one shown, a charge for an order that was not carried out, and an
  // order said to be done that charged nothing.
  ledger.beginOrder("購入", -17000);
  change(-17001);
  ledger.endOrder(true);
  ledger.beginOrder("工事", -100000);
  change(-100000);
  ledger.endOrder(false);
  ledger.beginOrder("雇用", -600);
  ledger.endOrder(true);
  ASSERT_EQ(ledger.violations().size(), 4u) << all();
  EXPECT_NE(ledger.violations()[0].find("購入: carried out, but its price -17,000"),
            std::string::npos);
  EXPECT_NE(ledger.violations()[1].find("購入: cash changed by -17,001"), std::string::npos);
  EXPECT_NE(ledger.violations()[2].find("工事: charged -100,000 but not carried out"),
            std::string::npos);
  EXPECT_NE(ledger.violations()[3].find("雇用: carried out"), std::string::npos);
}

TEST_F(Books, QuestionsAccountForWhatTheyNameAndTheDonationForWhatWasGiven) {
  // The union's fine, agreed to: the question names it.
  ledger.messageShown();
  ledger.questionAnswered("追徴金12,000を支払いますか？", true);
  change(-12000);
  ledger.donationGiven(30000);
  change(-30000);
  ledger.endStepB();
  EXPECT_TRUE(ledger.violations().empty()) << all();

  // Declined, yet charged; and a charge the agreed question never named.
  ledger.messageShown();
  ledger.questionAnswered("講習料金は500ですが、参加しますか？", false);
  change(-500);
  ledger.messageShown();
  ledger.questionAnswered("講習料金は500ですが、参加しますか？", true);
  change(-501);
  ledger.endStepB();
  ASSERT_EQ(ledger.violations().size(), 2u) << all();
  EXPECT_NE(ledger.violations()[0].find("after the player said no"), std::string::npos);
  EXPECT_NE(ledger.violations()[1].find("month step B: cash changed by -501"), std::string::npos);
}

TEST_F(Books, AChangeMustBeToldAndTheClosingIsItsOwnChange) {
  // A fire's damage, told in the message that follows; then the closing, after which the
  // rivals' closing shows a message of its own.
  change(-3000);
  ledger.messageShown();
  change(-4321);
  ledger.messageShown();
  ledger.endStepA(k(-4321));
  EXPECT_TRUE(ledger.violations().empty()) << all();

  // Money that moved without a word, and a closing that never reached the cash.
  change(250);
  ledger.endStepA(Money());
  ledger.endStepA(k(800));
  change(-7);
  ledger.endOrders();
  ASSERT_EQ(ledger.violations().size(), 3u) << all();
  EXPECT_NE(ledger.violations()[0].find("month step A: cash changed by 250 in 1 step"),
            std::string::npos);
  EXPECT_NE(ledger.violations()[1].find("the closing left 800 but the cash never changed"),
            std::string::npos);
  EXPECT_NE(ledger.violations()[2].find("the month's orders"), std::string::npos);
}

}  // namespace
}  // namespace gm

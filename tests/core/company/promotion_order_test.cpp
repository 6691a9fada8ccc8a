// Promotions: the staff's limits on a single store's tissues and mail with their messages, the
// costs summed over several stores, and the order with its question.
#include "company/promotion_order.h"

#include <gtest/gtest.h>

#include "order_city.h"

namespace gm {
namespace {

struct PromotionOrder : test::OrderCity {
  Ttempo* a = nullptr;
  Ttempo* b = nullptr;
  void SetUp() override {
    OrderCity::SetUp();
    a = &addStore(1, 2, 2, 1, kOpen, "銀玉会館");
    a->setDansei(15);
    a->setZyosei(10);
    b = &addStore(2, 0, 0, 0, kOpen, "二号店");
  }
};

TEST_F(PromotionOrder, ASingleStoresStaffLimitTheTissuesAndTheMail) {
  EXPECT_EQ(promotionLimits(*a).tissue, 2);  // 25 people: two lots of tissues, five of letters
  EXPECT_EQ(promotionLimits(*a).mail, 5);
  Thansoku h;
  h.tissue = 4;
  h.mail = 7;
  h.www = 3;
  EXPECT_TRUE(limitToStaff(*w, *a, h));
  EXPECT_EQ(h.tissue, 2);
  EXPECT_EQ(h.mail, 5);
  EXPECT_EQ(h.www, 3);
  ASSERT_EQ(port.messages.size(), 2u);
  EXPECT_EQ(port.messages[0].title, "人員不足");
  EXPECT_EQ(port.messages[0].text,
            "現在の 銀玉会館 の人員数では、ティッシュの配布量は 「2万個」 が限界です。");
  EXPECT_EQ(port.messages[1].text,
            "現在の 銀玉会館 の人員数では、ＤＭの配布量は 「5000枚」 が限界です。");
  EXPECT_FALSE(limitToStaff(*w, *a, h));

  // Without staff the limit is the first choice, which the order also refuses to pass.
  h.tissue = 1;
  Check c = CheckPromotions(*w, selectSlot(2), h);
  ASSERT_TRUE(c);
  EXPECT_EQ(c->text,
            "現在の 二号店 の人員数では、ティッシュの配布量は 「配布しない」 が限界です。");
}

TEST_F(PromotionOrder, SeveralStoresArePricedEachByItsFloorsAndAreNotLimited) {
  Thansoku h;
  h.event = 1;   // a week: 50 a floor at the intelligence factor 0.99 of 65
  h.tissue = 1;  // 80 each
  const StoreSelection both = selectSlot(1) | selectSlot(2);
  const PromotionCosts c = promotionCost(*w, both, h);
  EXPECT_EQ(c.event, 99 + 49);
  EXPECT_EQ(c.tissue, 160);
  EXPECT_EQ(c.total, 99 + 49 + 160);

  answer({true});
  ASSERT_EQ(OrderPromotions(*w, both, h), OrderOutcome::Done);
  EXPECT_EQ(port.messages[0].title, "販促費変更");
  EXPECT_EQ(port.messages[0].text, "販売促進業務の予算を変更します。よろしいですか？");
  EXPECT_EQ(b->hansoku.tissue, 1) << "a bulk change is not limited by the staff here";
  b->setDansei(0);
  EXPECT_EQ(b->hansoku.tissue, 0) << "the store's own staff setter lowers it";
  EXPECT_EQ(a->hansoku.event, 1);
  EXPECT_EQ(OrderPromotions(*w, selectSlot(1), a->hansoku), OrderOutcome::Unchanged);

  h.tvSpot = 2;
  EXPECT_EQ(OrderPromotions(*w, both, h), OrderOutcome::Refused);
  EXPECT_EQ(port.messages.back().text, "その販売促進は選べません。");
}

}  // namespace
}  // namespace gm

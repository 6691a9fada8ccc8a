// The machine purchase: the discounted unit price and the total with their rounding, the three
// refusals in order, the cash boundary, the warehouse fill and the maker's side of the deal.
#include "company/machine_purchase.h"

#include <gtest/gtest.h>

#include "order_city.h"

namespace gm {
namespace {

struct MachinePurchase : test::OrderCity {
  Tmaker* maker = nullptr;
  tdai* model = nullptr;
  void SetUp() override {
    OrderCity::SetUp();
    maker = &w->makers[0];
    maker->shijou = true;
    maker->SetYuukou(57);  // 57 / 7: a discount of 8.1429 %
    model = &maker->models[2];
    model->name = "ピッグシューター";
    model->kishu = 4;
    model->maker = 0;
    model->price = 123;
    model->releaseMonth = 1;
    model->shukka = 10000;
    model->zaiko = 5000;
    model->onSale = true;
    company().karisuma = 20;  // too little charm for the purchase's bonus draw
  }
};

TEST_F(MachinePurchase, UnitPriceAndTotalKeepFourDecimalsAndThenTruncate) {
  // 123,000 yen x (1 - 0.081429) = 112,984.233 yen a machine.
  MachinePrice p = MachinePurchasePrice(*maker, *model, 7);
  EXPECT_EQ(p.unitYen, Money::fromRaw(1129842330));
  EXPECT_EQ(p.recordYen, 112984);
  EXPECT_EQ(p.machines, 70);
  EXPECT_EQ(p.total, 7908) << "7,908.8963 thousand yen is truncated, not rounded";
  EXPECT_EQ(MachinePurchasePrice(*maker, *model, 3).total, 3389);  // 3,389.527

  maker->SetYuukou(50);  // no discount
  EXPECT_EQ(MachinePurchasePrice(*maker, *model, 1).unitYen, Money::fromInt(123000));
  EXPECT_EQ(MachinePurchasePrice(*maker, *model, 1).total, 1230);
}

TEST_F(MachinePurchase, RefusalsInOrderAndTheCashBoundary) {
  auto refusalText = [&](int islands) {
    Check c = CheckMachinePurchase(*w, 0, 2, islands);
    return c ? c->title + "/" + c->text : std::string();
  };
  model->zaiko = 20;
  company().sikin = Money::fromInt(10);
  EXPECT_EQ(refusalText(3), "在庫不足/ピッグシューターの在庫が足りません。")
      << "the stock speaks before the cash";
  model->zaiko = 5000;
  // Cash of exactly the total plus one thousand yen is still too little.
  company().sikin = Money::fromInt(3389 + 1);
  EXPECT_EQ(refusalText(3), "資金不足/資金が足りません。");
  company().sikin = Money::fromRaw((3389 + 1) * Money::kScale + 1);
  EXPECT_EQ(refusalText(3), "");

  company().sikin = Money::fromInt(1000000);
  EXPECT_EQ(refusalText(50), "") << "500 machines fill the first warehouse exactly";
  EXPECT_EQ(refusalText(51), "収容できません/本部の倉庫に台を収容できるスペースがありません。");
  EXPECT_EQ(refusalText(0), "購入/購入する島数を 1 から 1000 の間で指定してください。");
  maker->torihiki = false;
  EXPECT_EQ(refusalText(1), "購入/その台は購入できません。");
  maker->torihiki = true;
  EXPECT_EQ(CheckMachinePurchase(*w, 0, 5, 1)->text, "その台は購入できません。");
}

TEST_F(MachinePurchase, APurchaseFillsTheWarehouseAndBefriendsTheMaker) {
  w->month = 5;
  company().record(1).fillRecord(1, 1, *model);  // an island already in stock
  answer({true});
  const PurchaseResult r = OrderMachinePurchase(*w, 0, 2, 3);
  ASSERT_EQ(r.outcome, OrderOutcome::Done);
  EXPECT_EQ(port.messages[0].title, "購入");
  EXPECT_EQ(port.messages[0].text,
            "ピッグシューターを30台購入します。費用が3,389かかりますが、よろしいですか？");
  EXPECT_EQ(company().sikin, Money::fromInt(1000000 - 3389));
  EXPECT_EQ(r.firstRecord, 2);
  EXPECT_EQ(r.records, 3);
  for (int n = 2; n <= 4; ++n) {
    EXPECT_TRUE(company().record(n).used);
    EXPECT_EQ(company().record(n).tanka, 112984);
    EXPECT_EQ(company().record(n).kounyuuMonth, 5);
  }
  EXPECT_FALSE(company().record(5).used);
  // 30 of 10,000 machines: 30 x 3000 / 10,000 = 9 points.
  EXPECT_EQ(maker->yuukou, 66);
  EXPECT_EQ(model->zaiko, 4970);
  EXPECT_EQ(port.messages[1].title, "取引終了");
  EXPECT_EQ(port.messages[1].text, "平輪との友好度が9上がりました。");

  // The last machines of the model: it sells out, and a second purchase this month wins no
  // friendship.
  model->zaiko = 10;
  answer({true});
  ASSERT_EQ(OrderMachinePurchase(*w, 0, 2, 1).outcome, OrderOutcome::Done);
  EXPECT_EQ(port.messages[3].text,
            "平輪との友好度が0上がりました。ピッグシューターは売り切れとなりました。");
  EXPECT_FALSE(model->onSale);
  EXPECT_EQ(model->zaiko, 0);
}

TEST_F(MachinePurchase, ASaidNoBuysNothing) {
  answer({false});
  EXPECT_EQ(OrderMachinePurchase(*w, 0, 2, 3).outcome, OrderOutcome::Declined);
  EXPECT_EQ(company().sikin, Money::fromInt(1000000));
  EXPECT_FALSE(company().record(1).used);
  EXPECT_EQ(model->zaiko, 5000);
  EXPECT_EQ(maker->yuukou, 57);
}

}  // namespace
}  // namespace gm

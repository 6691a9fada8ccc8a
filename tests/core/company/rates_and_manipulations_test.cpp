// Exchange rates within the union's limits and their cost for one store or several; the
// manipulations' costs of setting up and taking out, and their questions.
#include <gtest/gtest.h>

#include "company/exchange_rate_order.h"
#include "company/manipulation_order.h"
#include "order_city.h"

namespace gm {
namespace {

struct RatesAndManipulations : test::OrderCity {
  Ttempo* a = nullptr;
  Ttempo* b = nullptr;
  void SetUp() override {
    OrderCity::SetUp();
    a = &addStore(1, 2, 2, 1, kOpen, "一号店");
    a->dai[0][0] = island(0);
    a->dai[0][1] = island(4);
    a->dai[1][0] = island(8);
    b = &addStore(2, 0, 0, 0, kWaiting, "二号店");
    b->dai[0][0] = island(9);
  }
};

TEST_F(RatesAndManipulations, ExchangeRateCostsCountEachKindOfMachinePerFloor) {
  // 150 + 2 floors x 150 for pachinko + the same for slot, at intelligence 65 (1.0).
  EXPECT_EQ(ExchangeRateCost(*w, selectSlot(1)), 750);
  company().chisei = 5;  // 1.4
  EXPECT_EQ(ExchangeRateCost(*w, selectSlot(1)), 1050);
  company().chisei = 65;
  // Several stores: their parts are summed and the 150 counted once.
  const StoreSelection both = selectSlot(1) | selectSlot(2);
  EXPECT_EQ(ExchangeRateCost(*w, both), 150 + 600 + 150);
  // A store without machines pays only the 150.
  b->dai[0][0].reset();
  EXPECT_EQ(ExchangeRateCost(*w, selectSlot(2)), 150);
}

TEST_F(RatesAndManipulations, TheUnionsLimitsAndTheOrder) {
  w->maxPachinkoRate = 3;
  w->maxSlotRate = 1;
  const StoreSelection one = selectSlot(1);
  Check c = CheckExchangeRates(*w, one, 4, 0);
  ASSERT_TRUE(c);
  EXPECT_EQ(c->title, "交換率変更");
  EXPECT_EQ(c->text, "組合の規制により、パチンコの交換率は 3円までと定められています。");
  EXPECT_EQ(CheckExchangeRates(*w, one, 3, 2)->text,
            "組合の規制により、パチスロの交換率は 7枚交換までと定められています。");
  EXPECT_EQ(CheckExchangeRates(*w, one, -1, 0)->text, "その交換率は選べません。");
  EXPECT_EQ(CheckExchangeRates(*w, selectSlot(3), 0, 0)->text, "その交換率は選べません。");

  EXPECT_EQ(OrderExchangeRates(*w, one, 0, 0), OrderOutcome::Unchanged);
  EXPECT_TRUE(port.messages.empty()) << "nothing changes, so nothing is asked or paid";
  answer({true});
  ASSERT_EQ(OrderExchangeRates(*w, one, 3, 1), OrderOutcome::Done);
  EXPECT_EQ(port.messages[0].text,
            "交換率を変更します。コストが  750かかりますが、よろしいですか？");
  EXPECT_EQ(a->pkankin, 3);
  EXPECT_EQ(a->skankin, 1);
  EXPECT_EQ(b->pkankin, 0);
  EXPECT_EQ(company().sikin, Money::fromInt(1000000 - 750));
}

TEST_F(RatesAndManipulations, TakingShillsOutCostsLessThanHiringThem) {
  const ManipulationChange shills{kShills, 0}, noShills{0, kShills};
  EXPECT_EQ(ManipulationCost(*a, shills), 1600);
  a->kousaku = kShills;
  EXPECT_EQ(ManipulationCost(*a, noShills), 1200);
  a->kousaku = 0;
  // The altered ROMs by the machines (30 here), the jackpot system by the floors.
  EXPECT_EQ(ManipulationCost(*a, ManipulationChange{kIllegalRom, 0}), 260);
  EXPECT_EQ(ManipulationCost(*a, ManipulationChange{kJackpotControl, 0}), 2700);
  a->kousaku = kIllegalRom | kJackpotControl;
  EXPECT_EQ(ManipulationCost(*a, ManipulationChange::to(*a, 0)), 180 + 1450);
  EXPECT_EQ(ManipulationCost(*a, ManipulationChange::to(*a, kIllegalRom | kJackpotControl)), 0);
}

TEST_F(RatesAndManipulations, ManipulationsForOneStoreOrSeveral) {
  answer({true});
  ASSERT_EQ(OrderManipulations(*w, selectSlot(1), ManipulationChange::to(*a, kShills)),
            OrderOutcome::Done);
  EXPECT_EQ(port.messages[0].title, "工作変更");
  EXPECT_EQ(port.messages[0].text,
            "工作を変更します。コストが  1,600かかりますが、よろしいですか？");
  EXPECT_EQ(a->kousaku, kShills);

  // Several stores: the shills go from the first, arrive in the second, each at its own price.
  const StoreSelection both = selectSlot(1) | selectSlot(2);
  const ManipulationChange romsEverywhere{kIllegalRom, 0};
  EXPECT_EQ(ManipulationCost(*w, both, romsEverywhere), 260 + 220);
  answer({true});
  ASSERT_EQ(OrderManipulations(*w, both, romsEverywhere), OrderOutcome::Done);
  EXPECT_EQ(port.messages[1].text,
            "工作を一括変更します。コストが  480かかりますが、よろしいですか？");
  EXPECT_EQ(a->kousaku, kShills | kIllegalRom);
  EXPECT_EQ(b->kousaku, kIllegalRom);

  // A store under construction or suspended takes the order as any other: 2500 + 2 x 100
  // for the two floors of the first, 2500 + 100 for the second.
  b->joutai = kUnderConstruction;
  a->joutai = kSuspended;
  EXPECT_FALSE(CheckManipulations(*w, both, ManipulationChange{kJackpotControl, 0}));
  answer({true});
  EXPECT_EQ(OrderManipulations(*w, both, ManipulationChange{kJackpotControl, 0}),
            OrderOutcome::Done);
  EXPECT_EQ(port.messages.back().text,
            "工作を一括変更します。コストが  5,300かかりますが、よろしいですか？");
  EXPECT_EQ(b->kousaku, kIllegalRom | kJackpotControl);
  EXPECT_EQ(CheckManipulations(*w, selectSlot(1), ManipulationChange{8, 0})->text,
            "その工作はできません。");
}

}  // namespace
}  // namespace gm

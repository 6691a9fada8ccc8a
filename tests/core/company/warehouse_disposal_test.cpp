// Disposing of warehouse records: the fee by type, the months the city takes machines, the law
// that makes the makers take them back at any time, and bad selections.
#include "company/warehouse_disposal.h"

#include <gtest/gtest.h>

#include "order_city.h"

namespace gm {
namespace {

struct Disposal : test::OrderCity {
  void SetUp() override {
    OrderCity::SetUp();
    company().record(1) = island(0);
    company().record(2) = island(8);
    w->disposalAccepted = true;
  }
};

TEST_F(Disposal, TheCityChargesByTypeInTheMonthsItTakesMachines) {
  const int both[] = {1, 2};
  // An undeveloped city charges the base fee x 10: 2 and 8 for a pachinko and a slot island.
  EXPECT_EQ(DisposalCost(*w, both), 20 + 80);
  answer({true});
  ASSERT_EQ(OrderDisposal(*w, both), OrderOutcome::Done);
  EXPECT_EQ(port.messages[0].title, "廃棄");
  EXPECT_EQ(port.messages[0].text,
            "選択した台20台を廃棄します。費用が100かかりますが、よろしいですか？");
  EXPECT_FALSE(company().record(1).used);
  EXPECT_FALSE(company().record(2).used);
  EXPECT_EQ(company().sikin, Money::fromInt(1000000 - 100));
}

TEST_F(Disposal, RefusedInAMonthWithoutAcceptanceUnlessTheMakersMustTakeThemBack) {
  const int one[] = {1};
  w->disposalAccepted = false;
  EXPECT_EQ(OrderDisposal(*w, one), OrderOutcome::Refused);
  EXPECT_EQ(port.messages.back().text,
            "今月は市が台の廃棄を受け付けておりません。来月までお待ちください。");
  EXPECT_TRUE(company().record(1).used);
  w->laws |= kLawMakerLiability;
  EXPECT_FALSE(CheckDisposal(*w, one));

  const int twice[] = {1, 1}, free[] = {3}, outside[] = {1001};
  for (auto bad :
       {std::span<const int>(twice), std::span<const int>(free), std::span<const int>(outside)})
    EXPECT_EQ(CheckDisposal(*w, bad)->text, "その台は廃棄できません。");
  EXPECT_EQ(OrderDisposal(*w, {}), OrderOutcome::Unchanged);
}

}  // namespace
}  // namespace gm

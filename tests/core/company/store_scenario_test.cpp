// A hall from bought land to six months of business, through the real orders only: the land
// purchase and its negotiation, the construction, the months until completion, equipment, a
// machine purchase, the replacement plan, hiring and assigning staff, the opening, and six months
// of play. Every order's price comes off the cash exactly, and the store is still open at the end.
#include <gtest/gtest.h>

#include "../world/test_city.h"
#include "company/construction_order.h"
#include "company/hiring.h"
#include "company/machine_purchase.h"
#include "company/negotiation.h"
#include "company/personnel_orders.h"
#include "company/replacement_plan.h"
#include "store/equipment_order.h"
#include "store/opening_order.h"
#include "support/scripted_frontend.h"
#include "world/month_end.h"
#include "world/world.h"

namespace gm {
namespace {

TEST(StoreScenario, FromBoughtLandToSixMonthsOfBusiness) {
  auto w = test::makeGeneratedCity(20, 20, 31);
  test::ScriptedFrontend port;
  port.opts.tellmsg = false;
  port.opts.jissekihoukoku = false;
  port.opts.reserchhoukoku = false;
  w->setFrontend(&port);
  tkaichou& k = w->kaichou;
  k.kaishaname = "銀玉商事";
  k.SetSikin(Money::fromInt(3000000));
  k.karisuma = k.chisei = k.tousotu = k.kantei = 60;
  auto cash = [&] { return k.sikin; };

  // 1. Land: the first citizens' block a store may stand on whose owner will talk, bought at the
  // asking price.
  int row = -1, column = -1;
  for (int r = 0; r < w->mapHeight && row < 0; ++r)
    for (int c = 0; c < w->mapWidth && row < 0; ++c) {
      const Tchip& b = w->block(r, c);
      if (b.kind != 1 || b.HasKindWithin(w->blocks, w->mapWidth, w->mapHeight, 22, 2) ||
          b.HasKindWithin(w->blocks, w->mapWidth, w->mapHeight, 23, 2))
        continue;
      Random probe = w->rng();
      const PurchaseQuote q = b.PurchasePrice(w->AverageUnrest(), probe);
      if (q.refused) continue;
      const Money before = cash();
      port.offers.push_back(q.price);
      ASSERT_EQ(BuyLand(*w, r, c), LandPurchaseOutcome::Bought);
      EXPECT_EQ(cash(), before - Money::fromInt(q.price));
      row = r;
      column = c;
    }
  ASSERT_GE(row, 0) << "no block to buy in this city";
  ASSERT_EQ(w->block(row, column).kind, 2);

  // 2. A one-floor store, finished two months later.
  port.storeNames.push_back("銀玉会館");
  Money before = cash();
  const int64_t building = ConstructionPrice(*w, row, column, kWorkStore);
  ASSERT_EQ(OrderConstruction(*w, row, column, kWorkStore), OrderOutcome::Done);
  EXPECT_EQ(cash(), before - Money::fromInt(building));
  Ttempo& s = k.slot(1);
  ASSERT_EQ(s.kanseiMonth, w->month + 2);
  for (int m = 0; m < 2; ++m) ASSERT_TRUE(PlayMonth(*w).goesOn);
  ASSERT_EQ(s.joutai, kWaiting);
  EXPECT_EQ(port.titles().back(), "工事完了");

  // 3. Equipment.
  before = cash();
  const int64_t chairs = EquipmentPrice(*w, s, 1);
  ASSERT_EQ(OrderEquipment(*w, s, 1), OrderOutcome::Done);
  EXPECT_EQ(cash(), before - Money::fromInt(chairs));

  // 4. Eight islands of a model on sale, into the warehouse.
  Tmaker& maker = w->makers[0];
  maker.shijou = true;
  maker.torihiki = true;
  tdai& model = maker.models[0];
  model = tdai{};
  model.name = "ピッグシューター";
  model.kishu = 4;
  model.maker = 0;
  model.price = 170;
  model.nominal = model.actual = {50, 60, 55, 40};
  model.releaseMonth = w->month;
  model.saleEndMonth = w->month + 6;
  model.shukka = model.zaiko = 20000;
  model.onSale = true;
  before = cash();
  const MachinePrice price = MachinePurchasePrice(maker, model, 8);
  const PurchaseResult bought = OrderMachinePurchase(*w, 0, 0, 8);
  ASSERT_EQ(bought.outcome, OrderOutcome::Done);
  EXPECT_EQ(cash(), before - Money::fromInt(price.total));
  EXPECT_EQ(k.WarehouseMachineTally().totalMachines, 80);

  // 5. The replacement plan puts them on the floor with the store's defaults.
  ReplacementPlan plan(*w, 1);
  std::vector<int> records;
  for (int r = bought.firstRecord; r < bought.firstRecord + bought.records; ++r)
    records.push_back(r - 1);
  ASSERT_EQ(plan.install(port, records, 0), 8);
  before = cash();
  const int64_t work = plan.cost();
  ASSERT_EQ(OrderReplacement(*w, plan), OrderOutcome::Done);
  EXPECT_EQ(cash(), before - Money::fromInt(work));
  EXPECT_EQ(s.machineCounts().allMachines, 80);
  EXPECT_EQ(k.WarehouseMachineTally().totalMachines, 0);

  // 6. Staff: hired into the pool and assigned to the store, enough for its need.
  const int need = s.staffNeed(w->MonthlyHours(), w->month);
  PersonnelSession session(*w);
  session.begin();
  before = cash();
  const int64_t hiring = HiringCost(*w, need + 4, HireSex::Any);
  ASSERT_TRUE(Hire(session, need + 4, HireSex::Any));
  EXPECT_EQ(cash(), before - Money::fromInt(hiring));
  EXPECT_EQ(session.assign(StoreOrder(selectSlot(1)), StaffChoice::Both, kMoveAll), need + 4);
  ASSERT_TRUE(session.confirm());
  ASSERT_EQ(s.staffTotal(), need + 4);

  // 7. The opening, without the job stream.
  before = cash();
  const int64_t opening = OpeningPrice(*w, s);
  port.answers.push_back(false);
  const OpeningResult opened = OrderOpening(*w, s);
  ASSERT_EQ(opened.outcome, OrderOutcome::Done);
  EXPECT_FALSE(opened.jobStream);
  EXPECT_EQ(cash(), before - Money::fromInt(opening));
  ASSERT_EQ(s.joutai, kOpen);

  // 8. Six months of play with the month steps there are.
  const int first = w->month;
  for (int m = 0; m < 6; ++m) {
    const GameEndResult r = PlayMonth(*w);
    ASSERT_TRUE(r.goesOn) << "month " << w->month;
  }
  EXPECT_EQ(w->month, first + 6);
  EXPECT_TRUE(k.slot(1).used);
  EXPECT_EQ(k.slot(1).name.view(), "銀玉会館");
  EXPECT_EQ(k.slot(1).machineCounts().allMachines, 80);
  EXPECT_EQ(w->block(row, column).kind, 19);
  EXPECT_GT(cash(), Money());
}

}  // namespace
}  // namespace gm

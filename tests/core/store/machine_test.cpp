// Machine records: filling from a model, moving between places, the model comparisons, age and
// validity and the money helpers; and a walk over the type table.
#include "store/machine.h"

#include <gtest/gtest.h>

#include <array>

namespace gm {
namespace {

tdai makeModel(int type, int releaseMonth) {
  tdai m;
  m.name = "テスト台";
  m.kishu = static_cast<uint8_t>(type);
  m.maker = 3;
  m.price = 200;
  m.nominal = {50, 40, 30, 20};
  m.actual = {45, 35, 25, 15};
  m.releaseMonth = releaseMonth;
  m.shukka = 12000;
  m.zaiko = 8000;
  m.onSale = true;
  m.modelMachine = true;
  return m;
}

TEST(MachineRecord, BusinessFormAndIllegalityTexts) {
  EXPECT_EQ(businessFormName(0), "無制限");
  EXPECT_EQ(businessFormName(1), "ﾗｯｷｰﾅﾝﾊﾞｰ");
  EXPECT_EQ(businessFormName(2), "定量制");
  EXPECT_EQ(businessFormName(3), "一回交換");
  EXPECT_EQ(businessFormName(9), "無制限");
  EXPECT_EQ(illegalityText(true), "有り");
  EXPECT_EQ(illegalityText(false), "無し");
}

TEST(MachineRecord, FillRecordStartsAFreshIslandOfTheModel) {
  Tddai d;
  d.ihou = true;  // leftovers of an earlier island must not survive
  d.kadou = 999;
  d.keitai = 2;
  d.morning = 7;
  d.fillRecord(20, 185000, makeModel(4, 18));
  EXPECT_TRUE(d.used);
  EXPECT_EQ(d.name, "テスト台");
  EXPECT_EQ(d.kishu, 4);
  EXPECT_EQ(d.maker, 3);
  EXPECT_EQ(d.tanka, 185000);
  EXPECT_EQ(d.kounyuuMonth, 20);
  EXPECT_EQ(d.yuukouMonth, 18 + 30) << "pachinko may be installed for 30 months after release";
  EXPECT_EQ(d.shukka, 12000);
  EXPECT_TRUE(d.virgin);
  EXPECT_TRUE(d.modelMachine);
  EXPECT_EQ(d.riritu, Money::fromRaw(150000));
  EXPECT_EQ(d.nominal, (Ratings{50, 40, 30, 20}));
  EXPECT_EQ(d.actual, (Ratings{45, 35, 25, 15}));
  EXPECT_FALSE(d.ihou);
  EXPECT_EQ(d.keitai, 0);
  EXPECT_EQ(d.morning, 0);
  EXPECT_EQ(d.kadou, 0);

  Tddai slot;
  slot.fillRecord(20, 300000, makeModel(8, 18));
  EXPECT_EQ(slot.yuukouMonth, 18 + 36) << "slot machines get 36 months";
  EXPECT_FALSE(slot.isPachinko());
  EXPECT_TRUE(d.isPachinko());

  slot.reset();
  EXPECT_FALSE(slot.used);
  EXPECT_EQ(slot.kounyuuMonth, 1);
  EXPECT_TRUE(slot.name.empty());
}

TEST(MachineRecord, MoveLeavesTheSourceFreeAndCopyDoesNot) {
  Tddai warehouse, floor, spare;
  warehouse.fillRecord(5, 150000, makeModel(1, 4));
  warehouse.riritu = Money::fromInt(-3);
  floor.kadou = 77;  // the target's old figures go
  move(warehouse, floor);
  EXPECT_FALSE(warehouse.used);
  EXPECT_EQ(warehouse.kounyuuMonth, 1);
  EXPECT_TRUE(floor.used);
  EXPECT_EQ(floor.riritu, Money::fromInt(-3));
  EXPECT_EQ(floor.kadou, 0);

  copy(floor, spare);
  EXPECT_TRUE(floor.used);
  EXPECT_TRUE(spare.sameModel(floor));

  move(floor, floor);  // moving onto itself must not lose the island
  EXPECT_TRUE(floor.used);
}

TEST(MachineRecord, SameModelAndSameAsModel) {
  tdai model = makeModel(5, 10);
  Tddai a, b;
  a.fillRecord(11, 240000, model);
  b.fillRecord(12, 240000, model);
  EXPECT_TRUE(a.sameModel(b)) << "the month of purchase does not matter";
  b.tanka = 236000;
  EXPECT_FALSE(a.sameModel(b)) << "a different price is a different purchase";
  EXPECT_TRUE(b.sameAsModel(model)) << "the catalogue model has no price to compare";

  tdai rerun = model;
  rerun.shukka = 1200;  // same name, another production run
  EXPECT_FALSE(a.sameAsModel(rerun));
  tdai otherMaker = model;
  otherMaker.maker = 4;
  EXPECT_FALSE(a.sameAsModel(otherMaker));

  a.used = false;
  EXPECT_FALSE(a.sameAsModel(model));
  EXPECT_FALSE(a.sameModel(a)) << "a free record matches nothing, not even itself";
}

TEST(MachineRecord, AgeAndValidity) {
  Tddai d;
  d.fillRecord(7, 100000, makeModel(0, 5));  // valid through month 35
  EXPECT_EQ(d.monthsOwned(7), (YearMonth{0, 0}));
  EXPECT_EQ(d.monthsOwned(20), (YearMonth{1, 1}));
  EXPECT_EQ(d.monthsOwned(31), (YearMonth{2, 0}));
  EXPECT_EQ(d.monthsOwned(3), (YearMonth{0, 0}));
  EXPECT_TRUE(d.withinValidity(35));
  EXPECT_FALSE(d.withinValidity(36));
  d.used = false;
  EXPECT_FALSE(d.withinValidity(1));
}

TEST(MachineRecord, MoneyHelpers) {
  Tddai d;
  d.used = true;
  d.kadou = 3000;
  d.kyakutan = Money::fromRaw(23333);  // 2.3333 thousand yen a customer
  d.ririJisseki = Money::fromRaw(123456);
  d.riritu = Money::fromInt(15);
  d.jikan = 25 * 12;
  EXPECT_EQ(d.sales(), Money()) << "no business days, no sales";

  d.nissuu = 25;
  EXPECT_EQ(d.sales(), Money::fromRaw(69999000));
  // 6999.9 x 12.3456 % = 864.1796544: one rounding, to four decimals
  EXPECT_EQ(d.grossProfit(), Money::fromRaw(8641797));
  EXPECT_EQ(d.expectedGrossProfit(), Money::fromRaw(10499850));
  // 6999.9 / 25 / 10 = 27.9996
  EXPECT_EQ(d.salesPerMachineDay(), Money::fromRaw(279996));
  // 864.1797 / 250 = 3.45671880 -> 3.4567
  EXPECT_EQ(d.grossProfitPerMachineDay(), Money::fromRaw(34567));

  EXPECT_EQ(d.attendance(), 100) << "3000 customers in 3000 machine-hours";
  d.kadou = 2999;
  EXPECT_EQ(d.attendance(), 99) << "truncated, not rounded";
  d.kadou = 9000;
  EXPECT_EQ(d.attendance(), 100) << "capped";
  d.jikan = 0;
  EXPECT_EQ(d.attendance(), 0);
}

TEST(MachineTypeTable, EveryTypeHasAPositivePriceUnderEveryLaw) {
  int slots = 0;
  for (int t = 0; t < kMachineTypeCount; ++t) {
    const MachineTypeInfo& info = machineTypeInfo(t);
    SCOPED_TRACE(t);
    EXPECT_FALSE(info.name.empty());
    EXPECT_GT(info.basePrice - info.reduction, 0);
    EXPECT_GT(info.nationalSalesBase, 0);
    EXPECT_LT(info.surcharge, info.basePrice / 10);
    if (isSlotType(t)) ++slots;
  }
  EXPECT_EQ(slots, 2);
  EXPECT_EQ(machineTypeInfo(0).name, "一般台");
  EXPECT_EQ(machineTypeInfo(9).name, "CRパチスロ");
  EXPECT_EQ(machineTypeInfo(5).basePrice, 250);
}

}  // namespace
}  // namespace gm

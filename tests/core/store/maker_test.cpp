// Makers: a walk over the maker table, the discount and its screen text, the friendship clamps
// and the friendship a purchase earns.
#include "store/maker.h"

#include <gtest/gtest.h>

#include "store/model_name_pools.h"

namespace gm {
namespace {

TEST(MakerTable, EveryMakerBuildsTypesItHasNamesFor) {
  for (int m = 0; m < kMakerCount; ++m) {
    const MakerInfo& info = makerInfo(m);
    SCOPED_TRACE(m);
    EXPECT_FALSE(info.name.empty());
    EXPECT_GT(info.announceChance, 0);
    EXPECT_LE(info.announceChance * 2, 100) << "the doubled chance must stay a chance";
    int listed = 0;
    bool ended = false;
    for (int8_t t : info.types) {
      if (t < 0) {
        ended = true;
        continue;
      }
      EXPECT_FALSE(ended) << "no type after the end of the list";
      ASSERT_LT(t, kMachineTypeCount);
      EXPECT_GT(modelNamePool(m, t).count, 0) << "type " << int(t) << " would get no name";
      EXPECT_EQ(isSlotType(t), m >= 7) << "makers 7..10 build slot machines only";
      ++listed;
    }
    EXPECT_GE(listed, 2);
  }
  EXPECT_EQ(makerInfo(0).name, "平輪");
  EXPECT_EQ(makerInfo(10).name, "オリンポア");
}

TEST(Maker, FriendshipClampsAndTexts) {
  Tmaker maker(4);
  EXPECT_TRUE(maker.torihiki);
  maker.SetYuukou(130);
  EXPECT_EQ(maker.yuukou, 100);
  maker.SetYuukou(-5);
  EXPECT_EQ(maker.yuukou, 0);
  EXPECT_EQ(friendshipText(maker), "友好度：  －");
  maker.SetYuukou(64);
  EXPECT_EQ(friendshipText(maker), "友好度：  64");
  maker.torihiki = false;
  EXPECT_EQ(friendshipText(maker), "取引中止");
}

TEST(Maker, DiscountStartsAboveFiftyAndDependsOnTheMaker) {
  Tmaker heiwa(0), nyuugin(5), yamesa(7);
  heiwa.SetYuukou(50);
  EXPECT_EQ(discount(heiwa), Money());
  EXPECT_EQ(discountText(heiwa), "値引き：  なし");
  heiwa.SetYuukou(51);  // 51 / 7 = 7.285714...
  EXPECT_EQ(discount(heiwa), Money::fromRaw(72857));
  EXPECT_EQ(discountText(heiwa), "値引き：  7.29%");
  heiwa.SetYuukou(70);
  EXPECT_EQ(discountText(heiwa), "値引き：  10.00%");

  nyuugin.SetYuukou(100);  // 100 / 6 = 16.6667
  EXPECT_EQ(discount(nyuugin), Money::fromRaw(166667));
  EXPECT_EQ(discountText(nyuugin), "値引き：  16.67%");
  yamesa.SetYuukou(100);  // the meanest maker
  EXPECT_EQ(discountText(yamesa), "値引き：  10.00%");
  yamesa.SetYuukou(55);
  EXPECT_EQ(discountText(yamesa), "値引き：  5.50%");
}

struct Purchase {
  Tmaker maker{2};
  tdai model;
  Purchase(int shukka, int zaiko, int yuukou) {
    model.shukka = shukka;
    model.zaiko = zaiko;
    model.onSale = true;
    maker.SetYuukou(yuukou);
  }
};

TEST(BuyGain, SmallPurchasesGetARandomSmallGain) {
  // 10 machines of a run of 10,000: g = 3, below 5, so RandInt(5) + 1 replaces it.
  Purchase p(10000, 5000, 40);
  Random rng(77);
  Random probe = rng;
  int expected = probe.randInt(5) + 1;
  BuyGainResult r = buyGain(p.maker, 10, p.model, 29, rng);
  EXPECT_EQ(r.gain, expected);
  EXPECT_EQ(rng.draws(), 1u) << "charisma below 30 draws no charisma bonus";
  EXPECT_EQ(p.maker.yuukou, 40 + expected);
  EXPECT_TRUE(p.maker.yuukouGiven);
  EXPECT_EQ(p.model.zaiko, 4990);
  EXPECT_FALSE(r.soldOut);

  // The second purchase of the month gives nothing but still takes stock.
  BuyGainResult again = buyGain(p.maker, 4990, p.model, 29, rng);
  EXPECT_EQ(again.gain, 0);
  EXPECT_TRUE(again.soldOut);
  EXPECT_FALSE(p.model.onSale);
}

TEST(BuyGain, CharismaAndRunSizeShapeTheGain) {
  {
    // Charisma 45: q = 3, a bonus of RandInt(3) + 1 on top of g = 3.
    Purchase p(10000, 5000, 40);
    Random rng(5);
    Random probe = rng;
    int g = 3 + probe.randInt(3) + 1;
    if (g < 5) g = probe.randInt(5) + 1;
    EXPECT_EQ(buyGain(p.maker, 10, p.model, 45, rng).gain, g);
    EXPECT_EQ(rng.draws(), probe.draws());
  }
  {
    // A run under 2,000 is measured against 10,000: 50 machines give g = 15, no draw at all.
    Purchase p(1999, 1999, 40);
    Random rng(5);
    EXPECT_EQ(buyGain(p.maker, 50, p.model, 10, rng).gain, 15);
    EXPECT_EQ(rng.draws(), 0u);
  }
  {
    // The same 50 machines of a run of 2,000 give g = 75, capped by RandInt(10) + 21.
    Purchase p(2000, 2000, 40);
    Random rng(5);
    Random probe = rng;
    EXPECT_EQ(buyGain(p.maker, 50, p.model, 10, rng).gain, probe.randInt(10) + 21);
  }
  {
    // The gain reported is the change after the clamp.
    Purchase p(2000, 2000, 95);
    Random rng(5);
    EXPECT_EQ(buyGain(p.maker, 50, p.model, 10, rng).gain, 5);
    EXPECT_EQ(p.maker.yuukou, 100);
  }
}

}  // namespace
}  // namespace gm

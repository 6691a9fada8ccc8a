// New models: the announcement's draws and their order, the free slot, the doubled chance of an
// empty catalogue, generated models on fixed seeds, prices under the laws and published noise.
#include "store/model_generation.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "store/model_name_pools.h"
#include "world/world.h"

namespace gm {
namespace {

bool inPool(int maker, int type, std::string_view name) {
  const ModelNamePool& pool = modelNamePool(maker, type);
  for (int i = 0; i < pool.count; ++i)
    if (pool.names[i] == name) return true;
  return false;
}

Tmaker presentMaker(int index, int yuukou) {
  Tmaker m(index);
  m.shijou = true;
  m.SetYuukou(yuukou);
  return m;
}

TEST(NewModel, AbsentMakerDoesNothingAndAFullCatalogueStopsAfterTheDrift) {
  tdainameselect names;
  Tmaker absent(3);
  absent.SetYuukou(50);
  Random rng(1);
  EXPECT_FALSE(newModel(absent, 10, 0, 50, 50, names, rng).announced);
  EXPECT_EQ(rng.draws(), 0u);
  EXPECT_EQ(absent.yuukou, 50);

  for (uint32_t seed = 0; seed < 20; ++seed) {
    Tmaker full = presentMaker(0, 50);
    full.yuukouGiven = true;
    for (tdai& m : full.models) m.onSale = true;
    Random r(seed);
    Random probe = r;
    int drift = probe.randInt(2);
    EXPECT_FALSE(newModel(full, 10, 0, 50, 50, names, r).announced);
    EXPECT_EQ(r.draws(), 1u) << "nothing is drawn after the friendship drift";
    EXPECT_EQ(full.yuukou, 50 - drift);
    EXPECT_FALSE(full.yuukouGiven);
  }
}

TEST(NewModel, AnEmptyCatalogueDoublesTheChance) {
  tdainameselect names;
  int announcedEmpty = 0, announcedOne = 0;
  for (uint32_t seed = 0; seed < 300; ++seed) {
    Random probe(seed);
    probe.randInt(2);
    int roll = probe.randInt(100) + 1;

    Tmaker empty = presentMaker(0, 40);  // 平輪: 30 %, 60 % with nothing on sale
    Random r1(seed);
    bool a1 = newModel(empty, 10, 0, 50, 50, names, r1).announced;
    EXPECT_EQ(a1, roll <= 60) << "seed " << seed;

    Tmaker one = presentMaker(0, 40);
    one.models[2].onSale = true;
    Random r2(seed);
    bool a2 = newModel(one, 10, 0, 50, 50, names, r2).announced;
    EXPECT_EQ(a2, roll <= 30) << "seed " << seed;
    announcedEmpty += a1;
    announcedOne += a2;
  }
  EXPECT_GT(announcedEmpty, announcedOne * 3 / 2);
}

TEST(NewModel, ModelsOnSaleMoveToTheFrontAndTheNewOneTakesTheLastSlot) {
  tdainameselect names;
  for (uint32_t seed = 0;; ++seed) {
    ASSERT_LT(seed, 200u);
    Tmaker maker = presentMaker(1, 40);
    maker.models[1].onSale = true;
    maker.models[1].name = "一";
    maker.models[3].onSale = true;
    maker.models[3].name = "二";
    Random rng(seed);
    Announcement a = newModel(maker, 12, 0, 50, 50, names, rng);
    // The sort happens whether or not the maker announces.
    EXPECT_EQ(maker.models[0].name, "一");
    EXPECT_EQ(maker.models[1].name, "二");
    if (!a.announced) continue;
    EXPECT_EQ(a.slot, 4);
    EXPECT_TRUE(maker.models[4].onSale);
    EXPECT_FALSE(maker.models[2].onSale);
    EXPECT_EQ(maker.models[4].name, a.name);
    break;
  }
}

TEST(NewModel, GeneratedModelsOnFixedSeedsStayInRange) {
  int shortRuns = 0, duds = 0, modelMachines = 0;
  for (int makerIndex = 0; makerIndex < kMakerCount; ++makerIndex) {
    tdainameselect names;
    for (uint32_t seed = 0; seed < 120; ++seed) {
      Tmaker maker = presentMaker(makerIndex, 100);
      Random rng(seed * 7919 + makerIndex);
      Announcement a = newModel(maker, 40, 0, 60, 300, names, rng);
      if (!a.announced) continue;
      const tdai& m = maker.models[a.slot];
      SCOPED_TRACE(std::to_string(makerIndex) + "/" + std::to_string(seed));
      EXPECT_TRUE(inPool(makerIndex, a.kishu, a.name.view())) << a.name.str();
      bool listed = false;
      for (int8_t t : makerInfo(makerIndex).types) listed = listed || t == a.kishu;
      EXPECT_TRUE(listed) << "type " << a.kishu;
      EXPECT_EQ(m.kishu, a.kishu);
      EXPECT_EQ(m.maker, makerIndex);
      EXPECT_EQ(m.releaseMonth, 40);
      EXPECT_GE(m.saleEndMonth, 43);
      EXPECT_LE(m.saleEndMonth, 40 + 5 + 6);
      EXPECT_TRUE(m.onSale);
      EXPECT_TRUE(m.unappraised);
      EXPECT_EQ(m.shukka, m.zaiko);
      EXPECT_EQ(a.shukka, m.shukka);
      EXPECT_GT(m.shukka, 1000);
      EXPECT_GE(m.price, machineTypeInfo(m.kishu).basePrice);
      EXPECT_LE(m.price, machineTypeInfo(m.kishu).basePrice + 50);
      for (int i = 0; i < 4; ++i) {
        EXPECT_GE(m.nominal[i], 1);
        EXPECT_LE(m.nominal[i], 100);
        EXPECT_GE(m.actual[i], 1);
        EXPECT_LE(m.actual[i], 100);
      }
      if (m.shukka <= 1500) ++shortRuns;
      // Appraisal 60 reads within 8 points; anything further off is a dud playing at half.
      bool dud = false;
      for (int i = 0; i < 4; ++i) dud = dud || std::abs(m.nominal[i] - m.actual[i]) > 8;
      if (dud) {
        ++duds;
        for (int i = 0; i < 4; ++i) EXPECT_LE(m.actual[i], 50);
      }
      if (a.modelMachine) ++modelMachines;
      EXPECT_EQ(a.modelMachine, m.modelMachine);
    }
  }
  EXPECT_GT(shortRuns, 0) << "limited editions happen";
  EXPECT_GT(duds, 0) << "some models play far below their promise";
  EXPECT_GT(modelMachines, 0);
}

TEST(NewModel, NoModelMachineWithoutFriendship) {
  tdainameselect names;
  for (uint32_t seed = 0; seed < 200; ++seed) {
    Tmaker maker = presentMaker(5, 60);  // after the drift at most 60: never above 60
    Random rng(seed);
    EXPECT_FALSE(newModel(maker, 9, 0, 50, 1000, names, rng).modelMachine);
  }
}

TEST(GenerateModel, PriceFollowsTheTypeTableAndTheMachineLaws) {
  // 不治商事 draws no price bonus, so the price is the table's.
  for (int t = 0; t < kMachineTypeCount; ++t) {
    const MachineTypeInfo& info = machineTypeInfo(t);
    SCOPED_TRACE(t);
    struct Case {
      uint16_t laws;
      int price;
    } cases[] = {
        {0, info.basePrice},
        {kLawMakerLiability, info.basePrice + info.surcharge},
        {kLawFreeManufacture, info.basePrice - info.reduction},
        {kLawMakerLiability | kLawFreeManufacture,
         info.basePrice + info.surcharge - info.reduction},
    };
    for (const Case& c : cases) {
      tdai m;
      Random rng(t);
      generateModel(m, {"名前", t, false, 50, c.laws, 6, 30}, rng);
      EXPECT_EQ(m.price, c.price) << "laws " << c.laws;
    }
  }
}

TEST(GenerateModel, TheAppraisalChangesOnlyTheNoise) {
  for (uint32_t seed = 0; seed < 50; ++seed) {
    tdai sharp, blind;
    Random r1(seed), r2(seed);
    generateModel(sharp, {"名前", 4, false, 100, 0, 0, 30}, r1);
    generateModel(blind, {"名前", 4, false, 3, 0, 0, 30}, r2);
    EXPECT_EQ(sharp.actual, blind.actual);
    EXPECT_EQ(sharp.shukka, blind.shukka);
    EXPECT_EQ(r1.seed(), r2.seed()) << "the same number of draws";
  }
}

TEST(PublishedRatings, NoiseBoundFollowsTheEye) {
  EXPECT_EQ(noiseBound(0), 20);
  EXPECT_EQ(noiseBound(9), 20);
  EXPECT_EQ(noiseBound(10), 19);
  EXPECT_EQ(noiseBound(94), 3);
  EXPECT_EQ(noiseBound(95), 2);
  EXPECT_EQ(noiseBound(100), 2);

  const Ratings r = {50, 50, 50, 50};
  int widest[2] = {0, 0};
  bool up = false, down = false;
  for (uint32_t seed = 0; seed < 400; ++seed) {
    for (int k = 0; k < 2; ++k) {
      Random rng(seed);
      Ratings p = publishedRatings(r, k == 0 ? 100 : 5, rng);
      EXPECT_EQ(rng.draws(), 8u);
      for (int i = 0; i < 4; ++i) {
        widest[k] = std::max(widest[k], std::abs(p[i] - 50));
        if (k == 0) up = up || p[i] > 50, down = down || p[i] < 50;
      }
    }
  }
  EXPECT_EQ(widest[0], 1) << "the best eye reads within one point";
  EXPECT_EQ(widest[1], 19) << "the poorest eye is off by up to 19";
  EXPECT_TRUE(up && down);

  Random rng(3);
  Ratings edge = publishedRatings({1, 100, 1, 100}, 0, rng);
  for (uint8_t v : edge) {
    EXPECT_GE(v, 1);
    EXPECT_LE(v, 100);
  }
}

TEST(Spread, StaysNearTheCentreAndNeverNegative) {
  for (uint32_t seed = 0; seed < 300; ++seed) {
    Random rng(seed);
    int v = spread(40000, 2000, rng);  // e = 8000
    EXPECT_GE(v, 32001);
    EXPECT_LE(v, 47999);
    EXPECT_EQ(rng.draws(), 2u);
    int small = spread(5, 1000, rng);  // e = 0: RandInt(2)
    EXPECT_GE(small, 4);
    EXPECT_LE(small, 6);
    EXPECT_GE(spread(0, 9000, rng), 0);
  }
}

}  // namespace
}  // namespace gm

// New models replayed draw for draw: a maker of a world runs its months through `newModel`, while
// a copy of the generator walks the same steps written out again here, from the friendship drift
// to the short-run draw. Every field of every slot, the name marks and the final seed must agree,
// so a draw made out of turn, skipped or added shows up at once.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <memory>
#include <string>

#include "base/text.h"
#include "store/model_generation.h"
#include "store/model_name_pools.h"
#include "world/world.h"

namespace gm {
namespace {

// Bounds of each maker's bonus draws: gambling, play, refinement, novelty, price, production (in
// thousands; negative takes machines off). 0 draws nothing.
constexpr std::array<std::array<int, 6>, kMakerCount> kBonus = {{
    {11, 0, 11, 21, 16, 5},
    {0, 0, 21, 31, 26, 4},
    {21, 11, 0, 21, 16, 4},
    {31, 0, 0, 31, 21, 0},
    {0, 21, 25, 0, 6, -6},
    {0, 31, 11, 11, 6, 4},
    {51, 0, 0, 0, 0, -6},
    {0, 0, 21, 31, 51, 0},
    {11, 11, 11, 21, 31, 4},
    {21, 0, 11, 0, 11, 0},
    {0, 21, 21, 0, 0, 2},
}};

// Per type: centre and spread of gambling, play, refinement, novelty and production, then the
// sales period's months and its random extra.
constexpr std::array<std::array<int, 12>, kMachineTypeCount> kType = {{
    {10, 1000, 60, 2500, 30, 3000, 50, 6000, 10000, 1000, 6, 3},
    {40, 5000, 20, 5000, 20, 5000, 40, 7000, 25000, 2000, 4, 4},
    {60, 3000, 5, 5000, 15, 5000, 25, 5000, 35000, 1000, 3, 6},
    {50, 4000, 5, 2000, 5, 5000, 35, 5000, 20000, 2000, 5, 7},
    {35, 4000, 45, 3000, 40, 5000, 55, 6000, 40000, 2000, 4, 5},
    {45, 7000, 25, 7000, 40, 9000, 45, 6000, 50000, 2000, 3, 4},
    {50, 5000, 15, 5000, 25, 5000, 50, 2000, 30000, 2000, 4, 3},
    {70, 3000, 5, 1000, 20, 5000, 35, 5000, 40000, 2000, 3, 4},
    {30, 7000, 35, 5000, 50, 2000, 40, 5000, 35000, 2000, 5, 5},
    {45, 6000, 20, 5000, 55, 2000, 40, 4000, 40000, 3000, 3, 3},
}};

// How often each branch came up, so that a run that never reaches a branch fails loudly.
struct Tally {
  int announced = 0, emptyCatalogue = 0, fullCatalogue = 0, modelMachines = 0, duds = 0,
      shortRuns = 0, poolResets = 0, laws = 0;
};

int clampRating(int v) { return v > 100 ? 100 : (v <= 0 ? 1 : v); }

// The maker's month, step by step, on copies of the maker, the name marks and the generator.
Announcement replay(Tmaker& m, int month, uint16_t laws, int appraisal, int charisma,
                    tdainameselect& names, Random& rng, Tally& tally) {
  auto R = [&rng](int n) { return rng.randInt(n); };
  Announcement a;
  if (!m.shijou) return a;
  m.SetYuukou(m.yuukou - R(2));
  m.yuukouGiven = false;

  std::stable_sort(m.models.begin(), m.models.end(),
                   [](const tdai& x, const tdai& y) { return x.onSale > y.onSale; });
  int slot = -1;
  for (int i = 0; i < 5; ++i)
    if (!m.models[i].onSale) slot = i;
  if (slot < 0) {
    ++tally.fullCatalogue;
    return a;
  }

  int chance = makerInfo(m.makerNo).announceChance;
  if (!m.anyOnSale()) {
    chance *= 2;
    ++tally.emptyCatalogue;
  }
  if (R(100) + 1 > chance) return a;

  // Round and round the maker's list of types until one entry's draw takes it.
  const auto& types = makerInfo(m.makerNo).types;
  int type = -1;
  for (int k = 0; type < 0; k = (k + 1) % static_cast<int>(types.size()))
    if (types[k] >= 0 && R(100) + 1 <= 30) type = types[k];

  bool modelMachine = false;
  if (m.yuukou > 60) {
    int r1 = R(400), r2 = R(300);
    modelMachine = r1 < m.yuukou && r2 < charisma;
  }

  std::string name;
  const ModelNamePool& pool = modelNamePool(m.makerNo, type);
  auto& marks = names.used[m.makerNo][type];
  if (pool.count > 0) {
    if (std::all_of(marks.begin(), marks.end(), [](uint8_t u) { return u != 0; })) {
      for (int i = 0; i < 30; ++i) marks[i] = i < pool.count ? 0 : 1;
      ++tally.poolResets;
    }
    int i = R(30);
    while (marks[i] != 0) i = R(30);
    marks[i] = 1;
    name = pool.names[i];
  }

  tdai& g = m.models[slot];
  g.name = makeName(name);
  g.kishu = static_cast<uint8_t>(type);
  g.onSale = true;
  g.releaseMonth = month;
  g.maker = m.makerNo;
  g.modelMachine = modelMachine;
  g.unappraised = true;

  std::array<int, 6> bonus{};
  for (int k = 0; k < 6; ++k) {
    int n = kBonus[m.makerNo][k];
    bonus[k] = n > 0 ? R(n) : (n < 0 ? -R(-n) : 0);
  }
  auto spread = [&](int c, int s) {
    int u = R(100);
    int e = c * s / 10000;
    int v = R(e > 1 ? e : 2);
    return std::max(u >= 50 ? c + v : c - v, 0);
  };
  const auto& t = kType[type];
  std::array<int, 4> r{};  // gambling, play, refinement, novelty
  for (int k = 0; k < 4; ++k) r[k] = spread(t[2 * k], t[2 * k + 1]) + bonus[k];
  int production = spread(t[8], t[9]) + bonus[5] * 1000;
  g.saleEndMonth = month + t[10] + R(t[11]);

  const MachineTypeInfo& info = machineTypeInfo(type);
  g.price = info.basePrice + bonus[4];
  if (laws & (1 << 9)) g.price += info.surcharge;
  if (laws & (1 << 8)) g.price -= info.reduction;
  if (laws != 0) ++tally.laws;

  for (int& v : r) v = clampRating(v);
  bool dud = R(201) < r[3];
  for (int k = 0; k < 4; ++k)
    g.actual[k] = static_cast<uint8_t>(dud ? clampRating(r[k] / 2) : r[k]);
  tally.duds += dud;

  int b = appraisal / 5;
  if (b == 20) b = 19;
  if (b == 0) b = 1;
  int n = 21 - b;
  for (int k : {0, 2, 1, 3}) {  // gambling, refinement, play, novelty
    int v = r[k];
    if (R(100) < 51) {
      v += R(n);
    } else {
      v -= R(n);
    }
    g.nominal[k] = static_cast<uint8_t>(clampRating(v));
  }

  g.shukka = g.zaiko = production;
  if (R(50) == 1) {
    g.shukka = g.zaiko = R(500) + 1001;
    ++tally.shortRuns;
  }

  ++tally.announced;
  tally.modelMachines += modelMachine;
  a.announced = true;
  a.name = g.name;
  a.kishu = type;
  a.shukka = g.shukka;
  a.slot = slot;
  a.modelMachine = modelMachine;
  return a;
}

void expectSameMaker(const Tmaker& got, const Tmaker& want) {
  EXPECT_EQ(got.yuukou, want.yuukou);
  EXPECT_EQ(got.yuukouGiven, want.yuukouGiven);
  for (int i = 0; i < 5; ++i) {
    SCOPED_TRACE("slot " + std::to_string(i + 1));
    const tdai& g = got.models[i];
    const tdai& w = want.models[i];
    EXPECT_EQ(g.name.view(), w.name.view());
    EXPECT_EQ(g.kishu, w.kishu);
    EXPECT_EQ(g.price, w.price);
    EXPECT_EQ(g.maker, w.maker);
    EXPECT_EQ(g.nominal, w.nominal);
    EXPECT_EQ(g.actual, w.actual);
    EXPECT_EQ(g.releaseMonth, w.releaseMonth);
    EXPECT_EQ(g.saleEndMonth, w.saleEndMonth);
    EXPECT_EQ(g.shukka, w.shukka);
    EXPECT_EQ(g.zaiko, w.zaiko);
    EXPECT_EQ(g.onSale, w.onSale);
    EXPECT_EQ(g.unappraised, w.unappraised);
    EXPECT_EQ(g.modelMachine, w.modelMachine);
  }
}

void expectSameAnnouncement(const Announcement& got, const Announcement& want) {
  EXPECT_EQ(got.announced, want.announced);
  EXPECT_EQ(got.name.view(), want.name.view());
  EXPECT_EQ(got.kishu, want.kishu);
  EXPECT_EQ(got.shukka, want.shukka);
  EXPECT_EQ(got.slot, want.slot);
  EXPECT_EQ(got.modelMachine, want.modelMachine);
}

// Runs `months` months of one maker of the world against the replay. Every third month one
// slot's model leaves sale, so the catalogue fills, runs full and frees up again.
void runAndReplay(tworld& world, int maker, uint32_t seed, int yuukou, int months, Tally& tally) {
  Tmaker& m = world.makers[maker];
  m = Tmaker(maker);
  m.shijou = true;
  m.SetYuukou(yuukou);
  world.rng().setSeed(seed);
  Tmaker mirror = m;
  tdainameselect mirrorNames = world.nameSelect;
  Random mirrorRng(seed);
  constexpr std::array<int, 4> kAppraisals = {0, 9, 57, 100};
  for (int month = 1; month <= months; ++month) {
    SCOPED_TRACE("maker " + std::to_string(maker) + " seed " + std::to_string(seed) + " laws " +
                 std::to_string(world.laws) + " month " + std::to_string(month));
    if (month % 3 == 0)
      m.models[month / 3 % 5].onSale = mirror.models[month / 3 % 5].onSale = false;
    int appraisal = kAppraisals[month % 4];
    Announcement got = newModel(m, month, world.laws, appraisal, 80, world.nameSelect, world.rng());
    Announcement want =
        replay(mirror, month, world.laws, appraisal, 80, mirrorNames, mirrorRng, tally);
    expectSameAnnouncement(got, want);
    expectSameMaker(m, mirror);
    EXPECT_EQ(world.nameSelect.used, mirrorNames.used);
    ASSERT_EQ(world.rng().seed(), mirrorRng.seed());
  }
}

TEST(ModelGenerationReplay, EveryMonthOfAMakerFollowsTheDrawOrder) {
  auto world = std::make_unique<tworld>();
  Tally tally;
  // 0: the first maker; 4 and 6: short runs (negative production bonus), 6 with a single bonus;
  // 7 and 10: slot makers.
  for (int maker : {0, 4, 6, 7, 10})
    for (uint16_t laws : {0, 1 << 8, 1 << 9, (1 << 8) | (1 << 9)})
      for (uint32_t seed : {1u, 2024u, 65537u, 0x9E3779B9u}) {
        world->laws = laws;
        world->nameSelect.Reset();
        runAndReplay(*world, maker, seed, seed % 2 ? 95 : 40, 24, tally);
      }
  EXPECT_GT(tally.announced, 200);
  EXPECT_GT(tally.emptyCatalogue, 0) << "no month with the chance doubled";
  EXPECT_GT(tally.fullCatalogue, 0) << "no month with all five slots on sale";
  EXPECT_GT(tally.modelMachines, 0);
  EXPECT_GT(tally.duds, 0);
  EXPECT_GT(tally.shortRuns, 0);
  EXPECT_GT(tally.laws, 0);
}

TEST(ModelGenerationReplay, WornNamePoolsAreSearchedOrRefilled) {
  auto world = std::make_unique<tworld>();
  Tally tally;
  for (int maker : {0, 4, 8})
    for (bool allUsed : {false, true})
      for (uint32_t seed = 1; seed <= 8; ++seed) {
        // Every name of the maker taken, or all but each pool's last one.
        world->laws = 0;
        world->nameSelect.Reset();
        for (int type = 0; type < kMachineTypeCount; ++type) {
          auto& marks = world->nameSelect.used[maker][type];
          int last = modelNamePool(maker, type).count - 1;
          for (int i = 0; i < 30; ++i) marks[i] = allUsed || i != last ? 1 : 0;
        }
        runAndReplay(*world, maker, seed, 50, 3, tally);
      }
  EXPECT_GT(tally.poolResets, 0);
  EXPECT_GT(tally.announced, tally.poolResets);
}

}  // namespace
}  // namespace gm

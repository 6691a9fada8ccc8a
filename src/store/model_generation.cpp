// New models: whether a maker announces one this month, and how its ratings, price, production
// and sales period come out. Every draw is made in the order the game has always made it, so a
// seed replays the same catalogue.
#include "store/model_generation.h"
#include "base/stable_sort.h"

#include <algorithm>
#include <array>

#include "base/rating.h"
#include "base/text.h"
#include "world/world.h"

namespace gm {

namespace {

// Each maker's bonuses, as the bound n of RandInt(n) (0: nothing drawn). Production is counted
// in thousands of machines; a negative bound takes machines off (makers known for short runs).
struct MakerBonus {
  int gambling, play, refinement, novelty, price, production;
};
constexpr std::array<MakerBonus, kMakerCount> kBonuses = {{
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

// Centre and spread (per 10,000) of each generated value by machine type, and the sales period
// (k months plus RandInt(n)).
struct Centre {
  int c, s;
};
struct TypeRecipe {
  Centre gambling, play, refinement, novelty, production;
  int periodMonths, periodSpread;
};
constexpr std::array<TypeRecipe, kMachineTypeCount> kTypeRecipes = {{
    {{10, 1000}, {60, 2500}, {30, 3000}, {50, 6000}, {10000, 1000}, 6, 3},
    {{40, 5000}, {20, 5000}, {20, 5000}, {40, 7000}, {25000, 2000}, 4, 4},
    {{60, 3000}, {5, 5000}, {15, 5000}, {25, 5000}, {35000, 1000}, 3, 6},
    {{50, 4000}, {5, 2000}, {5, 5000}, {35, 5000}, {20000, 2000}, 5, 7},
    {{35, 4000}, {45, 3000}, {40, 5000}, {55, 6000}, {40000, 2000}, 4, 5},
    {{45, 7000}, {25, 7000}, {40, 9000}, {45, 6000}, {50000, 2000}, 3, 4},
    {{50, 5000}, {15, 5000}, {25, 5000}, {50, 2000}, {30000, 2000}, 4, 3},
    {{70, 3000}, {5, 1000}, {20, 5000}, {35, 5000}, {40000, 2000}, 3, 4},
    {{30, 7000}, {35, 5000}, {50, 2000}, {40, 5000}, {35000, 2000}, 5, 5},
    {{45, 6000}, {20, 5000}, {55, 2000}, {40, 4000}, {40000, 3000}, 3, 3},
}};

constexpr int kModelMachineFriendship = 60;
constexpr int kTypeTakeChance = 30;  // per cent per entry of the maker's type list
constexpr int kShortRunOdds = 50;    // one new model in fifty is a limited edition

int draw(int bound, Random& rng) { return bound > 0 ? rng.randInt(bound) : 0; }

uint8_t clampRating(int v) { return static_cast<uint8_t>(clampValue(v, 1, 100)); }

int pickType(const MakerInfo& info, Random& rng) {
  for (;;) {
    for (int8_t t : info.types) {
      if (t < 0) break;
      if (rng.randInt(100) + 1 <= kTypeTakeChance) return t;
    }
  }
}

}  // namespace

int spread(int centre, int spreadPerTenThousand, Random& rng) {
  int up = rng.randInt(100);
  int e = static_cast<int>(static_cast<int64_t>(centre) * spreadPerTenThousand / 10000);
  int v = rng.randInt(e > 1 ? e : 2);
  int r = up >= 50 ? centre + v : centre - v;
  return r < 0 ? 0 : r;
}

int noiseBound(int appraisal) {
  int b = appraisal / 5;
  if (b >= 20) b = 19;
  if (b <= 0) b = 1;
  return 21 - b;
}

Ratings publishedRatings(const Ratings& ratings, int appraisal, Random& rng) {
  int n = noiseBound(appraisal);
  Ratings published = ratings;
  for (int i : {kGambling, kRefinement, kPlay, kNovelty}) {
    int v = ratings[i];
    if (rng.randInt(100) < 51) {
      v += rng.randInt(n);
    } else {
      v -= rng.randInt(n);
    }
    published[i] = clampRating(v);
  }
  return published;
}

void generateModel(tdai& model, const ModelRecipe& r, Random& rng) {
  int type = r.kishu >= 0 && r.kishu < kMachineTypeCount ? r.kishu : 0;
  model.name = makeName(r.name);
  model.kishu = static_cast<uint8_t>(type);
  model.onSale = true;
  model.releaseMonth = r.month;
  model.maker = static_cast<uint8_t>(r.maker);
  model.modelMachine = r.modelMachine;
  model.unappraised = true;

  const MakerBonus& b = kBonuses[r.maker >= 0 && r.maker < kMakerCount ? r.maker : 0];
  int gamblingBonus = draw(b.gambling, rng);
  int playBonus = draw(b.play, rng);
  int refinementBonus = draw(b.refinement, rng);
  int noveltyBonus = draw(b.novelty, rng);
  int priceBonus = draw(b.price, rng);
  int productionBonus =
      b.production >= 0 ? draw(b.production, rng) * 1000 : -draw(-b.production, rng) * 1000;

  const TypeRecipe& t = kTypeRecipes[type];
  Ratings ratings;
  ratings[kGambling] = clampRating(spread(t.gambling.c, t.gambling.s, rng) + gamblingBonus);
  ratings[kPlay] = clampRating(spread(t.play.c, t.play.s, rng) + playBonus);
  ratings[kRefinement] = clampRating(spread(t.refinement.c, t.refinement.s, rng) + refinementBonus);
  ratings[kNovelty] = clampRating(spread(t.novelty.c, t.novelty.s, rng) + noveltyBonus);
  int production = spread(t.production.c, t.production.s, rng) + productionBonus;
  model.saleEndMonth = r.month + t.periodMonths + rng.randInt(t.periodSpread);

  const MachineTypeInfo& info = machineTypeInfo(type);
  model.price = info.basePrice + priceBonus;
  if (r.laws & kLawMakerLiability) model.price += info.surcharge;
  if (r.laws & kLawFreeManufacture) model.price -= info.reduction;

  // The bolder the idea, the likelier the board plays at half of what it promises.
  if (rng.randInt(201) < ratings[kNovelty]) {
    for (int i = 0; i < 4; ++i) model.actual[i] = clampRating(ratings[i] / 2);
  } else {
    model.actual = ratings;
  }

  model.nominal = publishedRatings(ratings, r.appraisal, rng);

  model.shukka = model.zaiko = production;
  if (rng.randInt(kShortRunOdds) == 1) model.shukka = model.zaiko = rng.randInt(500) + 1001;
}

Announcement newModel(Tmaker& maker, int month, uint16_t laws, int appraisal, int charisma,
                      tdainameselect& names, Random& rng) {
  Announcement a;
  if (!maker.shijou) return a;
  maker.SetYuukou(maker.yuukou - rng.randInt(2));
  maker.yuukouGiven = false;

  insertionSortStable(maker.models.begin(), maker.models.end(),
                      [](const tdai& x, const tdai& y) { return x.onSale && !y.onSale; });
  int slot = -1;
  for (int i = 0; i < static_cast<int>(maker.models.size()); ++i)
    if (!maker.models[i].onSale) slot = i;
  if (slot < 0) return a;

  const MakerInfo& info = makerInfo(maker.makerNo);
  int chance = info.announceChance;
  if (!maker.anyOnSale()) chance *= 2;  // an empty catalogue makes the maker hurry
  if (rng.randInt(100) + 1 > chance) return a;

  int type = pickType(info, rng);
  bool modelMachine = false;
  if (maker.yuukou > kModelMachineFriendship) {
    int r1 = rng.randInt(400);
    int r2 = rng.randInt(300);
    modelMachine = r1 < maker.yuukou && r2 < charisma;
  }
  std::string name = names.pickName(maker.makerNo, type, rng);

  tdai& model = maker.models[slot];
  generateModel(model, {name, type, modelMachine, appraisal, laws, maker.makerNo, month}, rng);

  a.announced = true;
  a.name = model.name;
  a.kishu = model.kishu;
  a.shukka = model.shukka;
  a.slot = slot;
  a.modelMachine = model.modelMachine;
  return a;
}

}  // namespace gm

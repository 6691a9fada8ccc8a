// An island's attraction and its monthly play. R(n) below is the game's RandInt(n); every draw
// stands in its own statement, in the order the month makes them.
#include "store/island_play.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <limits>

#include "base/rating.h"
#include "world/block.h"
#include "world/calendar.h"
#include "world/world.h"

namespace gm {

namespace {

using TypeTable = std::array<int, kMachineTypeCount>;
using BandTable = std::array<int, 10>;

// Indices of records that may come from a file: anything out of range reads as the first entry.
int typeOf(const Tddai& d) { return d.kishu < kMachineTypeCount ? d.kishu : 0; }
int makerOf(const Tddai& d) { return d.maker < kMakerCount ? d.maker : 0; }
int formOf(const Tddai& d) { return d.keitai < 4 ? d.keitai : 0; }
int band(int rating) { return bandIndex(rating); }
bool isModelMaker(const Tddai& d, uint16_t modelMakers) {
  return d.maker < 16 && ((modelMakers >> d.maker) & 1u) != 0;
}
// A draw over a range that only a hand-made record could push past the generator's int.
int drawUpTo(Random& rng, int64_t n) {
  return rng.randInt(static_cast<int>(std::min<int64_t>(n, std::numeric_limits<int>::max())));
}

// A model still in limited production draws curious players and spends more.
constexpr int kLimitedRun = 2000;

// ---------------------------------------------------------------------------------------------
// Attraction

constexpr TypeTable kAttractionBase = {80, 90, 100, 90, 100, 110, 110, 110, 95, 105};
// Weight of gambling appeal, play value, refinement and novelty (x 10,000).
constexpr std::array<int, 4> kRatingWeight = {2500, 600, 900, 1250};
// A new island draws crowds that thin out over its first three years.
constexpr std::array<int, 36> kNoveltyByAge = {35, 30, 25, 20, 20, 19, 19, 18, 18, 17, 17, 16,
                                               16, 15, 15, 14, 14, 13, 13, 12, 12, 11, 11, 10,
                                               10, 9,  9,  8,  8,  7,  7,  6,  6,  5,  5,  4};
// Each type's appeal by the exchange rate class (pachinko 0..6; the slot types use 0..3).
constexpr std::array<std::array<int, 7>, kMachineTypeCount> kExchangeAppeal = {{
    {10, 10, 8, 8, 6, 4, 4},
    {4, 8, 10, 10, 8, 6, 6},
    {4, 4, 6, 10, 8, 8, 10},
    {2, 10, 8, 8, 6, 6, 4},
    {6, 8, 10, 10, 7, 7, 8},
    {4, 6, 8, 10, 8, 8, 6},
    {2, 4, 6, 8, 10, 8, 8},
    {2, 6, 6, 8, 8, 8, 10},
    {6, 10, 8, 10, 0, 0, 0},
    {4, 6, 8, 10, 0, 0, 0},
}};
// ... by business form 0..3.
constexpr std::array<std::array<int, 4>, kMachineTypeCount> kFormAppeal = {{
    {8, 6, 10, 2},
    {4, 8, 10, 10},
    {10, 6, 6, 4},
    {4, 6, 6, 10},
    {10, 8, 6, 4},
    {8, 10, 4, 4},
    {4, 8, 8, 10},
    {10, 4, 4, 2},
    {10, 4, 4, 6},
    {10, 8, 6, 4},
}};
// ... by manipulation, in the order the draws are made: illegal ROMs, jackpot control, shills.
// A one-shot board ("一発台") gains nothing from a tampered ROM or jackpot (0: no draw).
constexpr std::array<std::array<int, 3>, kMachineTypeCount> kManipulationAppeal = {{
    {2, 2, 5},
    {6, 6, 6},
    {10, 10, 10},
    {0, 0, 10},
    {10, 7, 7},
    {10, 8, 10},
    {8, 6, 8},
    {10, 10, 10},
    {10, 7, 7},
    {10, 7, 10},
}};
constexpr std::array<uint8_t, 3> kAttractionManipulationOrder = {kIllegalRom, kJackpotControl,
                                                                 kShills};

// ---------------------------------------------------------------------------------------------
// Realised profit rate: V is how far the month strays from the set rate, in hundredths of a
// per cent.

constexpr TypeTable kStrayByType = {400, 500, 500, 700, 400, 500, 600, 600, 500, 700};
constexpr std::array<int, kMakerCount> kStrayByMaker = {400, 200, 250, 500, 250, 300,
                                                        600, 500, 400, 700, 300};
constexpr BandTable kStrayByGambling = {10, 20, 30, 40, 50, 80, 160, 240, 320, 480};
constexpr BandTable kStrayByPlay = {2, 3, 4, 5, 6, 20, 40, 60, 120, 180};
constexpr std::array<int, 4> kStrayByForm = {100, 40, 60, 20};
// Skilled staff keep the machines near the rate they were set to.
constexpr BandTable kSkillSteadying = {180, 360, 540, 720, 900, 1080, 1260, 1440, 1620, 1800};

// ---------------------------------------------------------------------------------------------
// Sales per customer, in yen

constexpr TypeTable kSpendBase = {8250,  10750, 13500, 12000, 10125,
                                  11375, 12000, 14750, 7250,  8700};
// What each business form takes off (form 0..3).
constexpr std::array<std::array<int, 4>, kMachineTypeCount> kFormSpendCut = {{
    {1250, 625, 2, 1875},
    {1875, 1250, 625, 2},
    {2, 625, 1250, 1875},
    {1875, 1250, 625, 2},
    {1875, 625, 625, 2},
    {2500, 1250, 625, 2},
    {2500, 1250, 625, 2},
    {2, 625, 1250, 2500},
    {2, 625, 1250, 1250},
    {2, 625, 625, 625},
}};
// What each manipulation adds, in the order the draws are made: illegal ROMs, shills, jackpot
// control.
constexpr std::array<std::array<int, 3>, kMachineTypeCount> kManipulationSpend = {{
    {2, 310, 30},
    {625, 310, 625},
    {935, 935, 935},
    {2, 625, 2},
    {625, 625, 625},
    {935, 935, 935},
    {1250, 935, 935},
    {1250, 1250, 1250},
    {1875, 935, 625},
    {2500, 1250, 1560},
}};
constexpr std::array<uint8_t, 3> kSpendManipulationOrder = {kIllegalRom, kShills, kJackpotControl};
constexpr BandTable kSpendByGambling = {310, 625, 935, 1250, 1500, 1875, 2185, 2500, 2810, 3750};
constexpr BandTable kSpendByPlay = kSpendByGambling;  // taken off: easy play costs less
constexpr BandTable kSpendByRefinement = {2, 2, 2, 2, 2, 310, 625, 935, 1250, 1500};
constexpr BandTable kSpendByNovelty = {2, 2, 2, 310, 625, 935, 1250, 1500, 1875, 2185};
// Wear: every month on the floor takes a little off again.
constexpr BandTable kWearByGambling = {6, 6, 60, 90, 125, 185, 280, 375, 465, 560};
constexpr BandTable kWearByPlay = {435, 340, 280, 215, 155, 125, 100, 60, 30, 30};
constexpr BandTable kWearByRefinement = {185, 175, 160, 150, 135, 125, 110, 100, 85, 75};
constexpr BandTable kWearByNovelty = {280, 215, 185, 155, 125, 90, 60, 60, 60, 30};
constexpr BandTable kSpendByMorale = {2, 2, 2, 2, 2, 125, 250, 375, 500, 625};
constexpr BandTable kSpendBySkill = {2, 2, 2, 125, 250, 375, 500, 625, 750, 875};
// The most that the draws after the wear can add back before the spend is tested against 0:
// securities law, a limited run, an illegal island, a model maker, morale and skill.
constexpr int64_t kMostLateSpendGain = (300 - 1) + (1250 - 1) + (625 - 1) + (310 - 1) +
                                       (kSpendByMorale.back() - 1) + (kSpendBySkill.back() - 1);
// Below this share of a sale paid back out (x 10,000), spending falls off steeply; it never
// falls below a hundredth of what it was.
constexpr int64_t kSteepPayout = 8000;
constexpr int64_t kLeastPayout = 100;

// ---------------------------------------------------------------------------------------------
// Customer shares: y is the women's share in per cent. A positive entry adds R(entry), a
// negative one takes R(-entry) off, 0 draws nothing.

constexpr std::array<int, 4> kWomenByForm = {6, 4, -3, -3};
constexpr TypeTable kWomenByType = {3, 4, -5, -5, 6, 4, 3, -9, -5, -8};
constexpr std::array<int, 8> kWomenByLaw = {-11, -6, 6, 3, 7, -7, -4, 5};
constexpr std::array<int, kEquipmentCount> kWomenByEquipment = {2, 3, 4, 2, 2,  2,
                                                                8, 4, 3, 6, -5, 8};
constexpr std::array<int, kMakerCount> kWomenByMaker = {3, 5, 0, -5, 0, -6, -11, 4, 0, -7, 0};
constexpr BandTable kMenByGambling = {2, 2, 2, 2, 2, 4, 6, 10, 15, 25};
constexpr BandTable kWomenByPlay = {2, 2, 2, 2, 3, 4, 5, 6, 7, 8};
constexpr BandTable kWomenByRefinement = {2, 2, 2, 2, 2, 4, 6, 9, 15, 20};

void shift(int64_t& y, int entry, Random& rng) {
  if (entry > 0) {
    y += rng.randInt(entry);
  } else if (entry < 0) {
    y -= rng.randInt(-entry);
  }
}

// The set profit rate in hundredths of a per cent, and in whole per cent, each rounded as
// trunc(x + 0.5) (so a negative rate moves towards zero).
int64_t rateHundredths(Money riritu) { return (2 * riritu.raw() + 100) / 200; }
int64_t ratePercent(Money riritu) {
  return (2 * riritu.raw() + Money::kScale) / (2 * Money::kScale);
}

void realiseProfitRate(Tddai& d, const PlayConditions& c, Random& rng) {
  const int type = typeOf(d);
  int64_t v = kStrayByType[type] + kStrayByMaker[makerOf(d)] +
              kStrayByGambling[band(d.actual[kGambling])] + kStrayByPlay[band(d.actual[kPlay])];
  if (c.womenShare > 50) v += c.womenShare;
  if (c.laws & kLawLongHours) v += 150;
  if (c.kousaku & kShills) v += 50;
  if (c.kousaku & kIllegalRom) v += 100;
  if (d.isPachinko() ? c.pkankin > 3 : c.skankin > 1) v += 200;
  if (c.kousaku & kJackpotControl) v -= 500;
  v += kStrayByForm[formOf(d)];
  const int64_t p = int64_t{c.month} - d.kounyuuMonth;
  if (p >= 2 && p <= 6) {
    v -= rng.randInt(static_cast<int>(p * 100));
  } else if (p > 6) {
    v -= rng.randInt(600);
  }
  if (v > 2) v = drawUpTo(rng, v);

  const int64_t y = rateHundredths(d.riritu);
  const int u = rng.randInt(kSkillSteadying[band(c.skill)]);
  const int chance = rng.randInt(12);
  v -= u;
  if (chance == 1 || v < 0) v = rng.randInt(100);
  const int up = rng.randInt(100);
  const int64_t realised = up >= 50 ? y + v : y - v;
  d.ririJisseki = Money::fromRaw(realised * 100);
}

void spendPerCustomer(Tddai& d, int sameModels, const PlayConditions& c, Random& rng) {
  const int type = typeOf(d);
  const int gb = band(d.actual[kGambling]), pb = band(d.actual[kPlay]);
  const int rb = band(d.actual[kRefinement]), nb = band(d.actual[kNovelty]);

  int64_t z = kSpendBase[type];
  z -= rng.randInt(kFormSpendCut[type][formOf(d)]);
  for (int i = 0; i < 3; ++i)
    if (c.kousaku & kSpendManipulationOrder[i]) z += rng.randInt(kManipulationSpend[type][i]);

  const int g = rng.randInt(kSpendByGambling[gb]);
  const int h = rng.randInt(kSpendByPlay[pb]);
  const int s = rng.randInt(kSpendByRefinement[rb]);
  const int n = rng.randInt(kSpendByNovelty[nb]);
  int64_t x = z + g + s + n - h;

  const int64_t months = int64_t{c.month} - d.kounyuuMonth;
  for (int64_t i = 0; i < months; ++i) {
    if (x < -kMostLateSpendGain) {
      // Worn this far, nothing below can bring the spend back above 0, and a spend of 0 or less
      // ends as a fresh draw below 100: the remaining months' draws are only passed over.
      rng.skip(static_cast<uint64_t>(months - i) * 4);
      break;
    }
    const int wg = rng.randInt(kWearByGambling[gb]);
    const int wp = rng.randInt(kWearByPlay[pb]);
    const int wr = rng.randInt(kWearByRefinement[rb]);
    const int wn = rng.randInt(kWearByNovelty[nb]);
    x -= wg + wp + wr + wn;
  }

  if (c.laws & kLawSecurities) x += rng.randInt(300);
  if (d.shukka < kLimitedRun) x += rng.randInt(1250);
  if (d.ihou) x += rng.randInt(625);
  if (isModelMaker(d, c.modelMakers)) x += rng.randInt(310);
  x += rng.randInt(kSpendByMorale[band(c.moral)]);
  x += rng.randInt(kSpendBySkill[band(c.skill)]);
  if (!d.isPachinko() && d.morning > 0) x -= rng.randInt(d.morning * 60 + 60);
  if (sameModels > 5) x -= drawUpTo(rng, int64_t{sameModels} * 200 - 1000);

  // The more of each sale the hall keeps, the less its customers come back to spend; a hall
  // that realised no profit changes nothing here.
  if (d.ririJisseki > Money() && x > 0) {
    int64_t q = divRoundHalfEven(std::abs(d.ririJisseki.raw() - 100 * Money::kScale), 100);
    if (q < kSteepPayout) q = divRoundHalfEven(static_cast<__int128>(q) * q + 2000 * q, 10000);
    q = std::max(q, kLeastPayout);
    x = (x * q + 5000) / 10000;
  }
  if (x > 0)
    x = Jitter(static_cast<int>(std::min<int64_t>(x, std::numeric_limits<int>::max())), rng);
  if (x < 100) x = rng.randInt(100);

  // Money's stored integer is ten times an amount in yen; the bonus months bring 40 % more.
  Money spend = Money::fromRaw(x * 10);
  const int calendarMonth = CalendarMonth(c.month);
  if (calendarMonth == 6 || calendarMonth == 12) spend = spend * Money::fromRaw(14000);
  d.kyakutan = spend;
}

void shareCustomers(Tddai& d, const PlayConditions& c, Random& rng) {
  d.kyakuDansei = 0;
  d.kyakuZyosei = 0;
  if (d.kadou == 1) d.kyakuDansei = 100;
  if (d.kadou == 2) d.kyakuDansei = d.kyakuZyosei = 50;
  if (d.kadou < 3) return;

  int64_t y = clampValue(c.womenShare, 3, 40);
  shift(y, kWomenByForm[formOf(d)], rng);
  shift(y, kWomenByType[typeOf(d)], rng);
  for (int bit = 0; bit < 8; ++bit)
    if (c.laws & (1u << bit)) shift(y, kWomenByLaw[bit], rng);
  for (int n = 0; n < kEquipmentCount; ++n)
    if (c.setubi & (1u << n)) shift(y, kWomenByEquipment[n], rng);
  if (d.ihou) y -= rng.randInt(8);
  if (d.maker < kMakerCount) shift(y, kWomenByMaker[d.maker], rng);

  const int64_t p = int64_t{c.month} - d.kounyuuMonth;
  if (p >= 2 && p <= 17) {
    y -= rng.randInt(static_cast<int>(p));
  } else if (p >= 18 && p <= 23) {
    y -= rng.randInt(static_cast<int>(p * 3 / 2));
  } else if (p > 23) {
    y -= rng.randInt(50);
  }

  const int k = rng.randInt(kMenByGambling[band(d.actual[kGambling])]);
  const int l = rng.randInt(kWomenByPlay[band(d.actual[kPlay])]);
  const int j = rng.randInt(kWomenByRefinement[band(d.actual[kRefinement])]);
  y += l + j - k;
  if (y < 3) y = rng.randInt(3);
  if (y > 90) y = rng.randInt(11) + 90;
  y = std::min<int64_t>(y, 100);
  d.kyakuZyosei = static_cast<int32_t>(y);
  d.kyakuDansei = static_cast<int32_t>(100 - y);
}

}  // namespace

PlayConditions playConditions(const Ttempo& store, uint16_t laws, int month) {
  PlayConditions c;
  c.month = month;
  c.laws = laws;
  c.pkankin = store.pkankin;
  c.skankin = store.skankin;
  c.kousaku = store.kousaku;
  c.modelMakers = store.modelMakers;
  c.setubi = store.setubi;
  c.moral = static_cast<int>(store.moral.trunc());
  c.skill = static_cast<int>(store.skill.trunc());
  c.womenShare = store.staffSummary().women;
  return c;
}

int attraction(const Tddai& d, const PlayConditions& c, Random& rng) {
  const int type = typeOf(d);
  int64_t b = kAttractionBase[type];
  if (isModelMaker(d, c.modelMakers)) b += rng.randInt(10);
  for (int i = 0; i < 4; ++i) {
    const int w = (d.actual[i] * kRatingWeight[i] + 5000) / 10000;
    if (w > 1) b += rng.randInt(w);
  }
  const int64_t age = int64_t{c.month} - d.kounyuuMonth;
  if (age >= 0 && age < static_cast<int64_t>(kNoveltyByAge.size()))
    b += rng.randInt(kNoveltyByAge[age]);
  if (d.shukka < kLimitedRun) b += rng.randInt(10);

  const int64_t rate = std::abs(ratePercent(d.riritu));
  if (rate > 1) {
    if (d.riritu >= Money()) {
      b += drawUpTo(rng, rate);
    } else {
      b -= drawUpTo(rng, rate);
    }
  }

  const int exchange = d.isPachinko() ? std::min<int>(c.pkankin, 6) : std::min<int>(c.skankin, 3);
  b += rng.randInt(kExchangeAppeal[type][exchange]);
  b += rng.randInt(kFormAppeal[type][formOf(d)]);
  for (int i = 0; i < 3; ++i)
    if ((c.kousaku & kAttractionManipulationOrder[i]) && kManipulationAppeal[type][i] > 0)
      b += rng.randInt(kManipulationAppeal[type][i]);
  if (!d.isPachinko() && d.morning > 0) b += rng.randInt(d.morning + 1);
  return static_cast<int>(
      clampValue(b, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
}

int attraction(const Tddai& d, const Ttempo& store, int month, Random& rng) {
  return attraction(d, playConditions(store, 0, month), rng);
}

int sameModelCount(const Ttempo& store, const Tddai& dai) {
  int n = 0;
  store.forEachIsland([&](const Tddai& other) {
    if (&other != &dai && other.sameModel(dai)) ++n;
  });
  return n;
}

void monthlyPlay(Tddai& d, int sameModels, const PlayConditions& c, Random& rng) {
  realiseProfitRate(d, c, rng);
  spendPerCustomer(d, sameModels, c, rng);
  shareCustomers(d, c, rng);
}

void storeMonthlyPlay(Ttempo& store, uint16_t laws, int month, Random& rng) {
  if (store.joutai != kOpen) {
    store.forEachIsland([](Tddai& d) { clearMonthlyPlay(d); });
    return;
  }
  const PlayConditions c = playConditions(store, laws, month);
  // Each pair of islands of one type is compared once; the play changes nothing that the
  // comparison reads.
  std::array<Tddai*, kFloors * kIslandsPerFloor> islands{};
  std::array<int, kFloors * kIslandsPerFloor> same{};
  std::array<int8_t, kFloors * kIslandsPerFloor> earlierOfType{};  // -1: none
  std::array<int8_t, 256> lastOfType;
  lastOfType.fill(-1);
  int n = 0;
  store.forEachIsland([&](Tddai& d) {
    earlierOfType[n] = lastOfType[d.kishu];
    lastOfType[d.kishu] = static_cast<int8_t>(n);
    islands[n++] = &d;
  });
  for (int i = 0; i < n; ++i)
    for (int j = earlierOfType[i]; j >= 0; j = earlierOfType[j])
      if (islands[i]->sameModel(*islands[j])) {
        ++same[i];
        ++same[j];
      }
  for (int i = 0; i < n; ++i) monthlyPlay(*islands[i], same[i], c, rng);
}

void clearMonthlyPlay(Tddai& d) {
  d.ririJisseki = Money();
  d.kyakutan = Money();
  d.kyakuDansei = 0;
  d.kyakuZyosei = 0;
}

}  // namespace gm

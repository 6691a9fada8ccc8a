// The monthly moves of a store's refinement, fame and satisfaction. R(n) below is the game's
// RandInt(n); every draw stands in its own statement, in the order the month makes them.
#include "company/store_ratings.h"

#include <algorithm>
#include <array>
#include <cstdlib>

#include "base/rating.h"

namespace gm {

namespace {

using EquipmentTerms = std::array<int, kEquipmentCount>;
// Law bits 0..6; a negative bound takes the draw off.
using LawTerms = std::array<int, 7>;

// A model of limited production is a curiosity that players seek out.
constexpr int kLimitedRun = 2000;

// Refinement: how far the machines' own refinement pulls the hall's up or down.
constexpr std::array<int, 10> kRefinementUp = {2, 2, 2, 3, 3, 3, 4, 4, 4, 5};
constexpr std::array<int, 10> kRefinementDown = {5, 4, 4, 4, 3, 3, 3, 2, 2, 2};
// The sauna (item 10) is the one fitting that makes a hall look shabbier.
constexpr EquipmentTerms kRefinementByEquipment = {2, 3, 2, 2, 3, 2, 4, 3, 4, 5, -4, 6};
constexpr LawTerms kRefinementByLaw = {0, 2, -3, 2, 2, -3, 0};

constexpr EquipmentTerms kFameByEquipment = {2, 2, 3, 2, 2, 2, 3, 2, 3, 4, 4, 5};
constexpr LawTerms kFameByLaw = {2, 0, 0, 0, 3, -4, 0};
// A new hall is talked about in its first three months.
constexpr std::array<int, 3> kNewnessFame = {20, 10, 5};
// A rare machine in its first seven months is news.
constexpr std::array<int, 7> kRarityFame = {4, 4, 3, 3, 2, 2, 2};
// TV agencies 1..5: the bigger the agency, the more viewers remember the hall.
constexpr std::array<int, 5> kTvFame = {5, 6, 7, 7, 8};

constexpr EquipmentTerms kSatisfactionByEquipment = {3, 5, 4, 3, 6, 8, 10, 8, 8, 10, 9, 13};
constexpr LawTerms kSatisfactionByLaw = {2, 3, -4, 2, 3, -3, 3};
// Stingy exchange rates disappoint: pachinko classes 3..6, slot classes 2..3.
constexpr std::array<int, 4> kPachinkoRateDisappointment = {2, 3, 3, 4};
constexpr std::array<int, 2> kSlotRateDisappointment = {2, 4};

void addDraw(int64_t& q, int bound, Random& rng) {
  if (bound >= 0) {
    q += rng.randInt(bound);
  } else {
    q -= rng.randInt(-bound);
  }
}

void addEquipment(int64_t& q, const Ttempo& s, const EquipmentTerms& terms, Random& rng) {
  for (int n = 0; n < kEquipmentCount; ++n)
    if (s.hasEquipment(n)) addDraw(q, terms[n], rng);
}

void addLaws(int64_t& q, uint16_t laws, const LawTerms& terms, Random& rng) {
  for (int bit = 0; bit < static_cast<int>(terms.size()); ++bit)
    if (terms[bit] != 0 && (laws >> bit) & 1u) addDraw(q, terms[bit], rng);
}

// Every maker that made this a model store sends its people to show it off.
void addModelMakers(int64_t& q, const Ttempo& s, Random& rng) {
  for (int m = 0; m < kMakerCount; ++m)
    if ((s.modelMakers >> m) & 1u) q += rng.randInt(2);
}

int storeAge(const Ttempo& s, int month) { return std::max(month - s.shuttenMonth, 0); }
int womenShare(const Ttempo& s) { return static_cast<int>(percentOf(s.zyosei, s.staffTotal())); }
int wholeRating(Money m) { return static_cast<int>(m.trunc()); }

}  // namespace

int ProfitRateTerm(const Ttempo& store) {
  // -0.5 x the rate in per cent, truncated toward zero.
  return static_cast<int>(-store.profitRates()[kTotal].raw() / (2 * Money::kScale));
}

RateDisappointment ExchangeRateDisappointment(const Ttempo& s) {
  RateDisappointment d;
  if (s.pkankin > 2) d.pachinko = kPachinkoRateDisappointment[std::min<int>(s.pkankin, 6) - 3];
  if (s.skankin > 1) d.slot = kSlotRateDisappointment[std::min<int>(s.skankin, 3) - 2];
  return d;
}

// ---------------------------------------------------------------------------------------------
// Refinement

void UpdateRefinement(Ttempo& s, const RatingSurroundings& at, int chisei, Random& rng) {
  int64_t q = 0;
  if (s.joutai == kOpen) {
    int n = 0;
    int64_t refinement = 0, ages = 0;
    s.forEachIsland([&](const Tddai& d) {
      ++n;
      refinement += d.actual[kRefinement];
      ages += int64_t{at.month} - d.kounyuuMonth;
      if (d.ihou) q -= 3;
    });
    // A hall without machines has nothing for its machines to say about it.
    if (n > 0) {
      const int64_t average = refinement / n;
      if (average >= s.senren) {
        q += rng.randInt(kRefinementUp[bandIndex(std::min<int64_t>(average, 99))]);
      } else {
        q -= rng.randInt(kRefinementDown[bandIndex(average)]);
      }
      const int64_t a = std::min<int64_t>(ages / n, 120);
      if (a > 6) q -= rng.randInt(static_cast<int>(a - 4));
    }

    const int impressed = rng.randInt(100);
    if (impressed < chisei && s.hansoku.event != 0) q += rng.randInt(2);
    const int skillBar = rng.randInt(100) + 1;
    if (s.skill > Money::fromInt(skillBar)) {
      q += rng.randInt(2);
    } else {
      q -= rng.randInt(2);
    }
    const int moraleBar = rng.randInt(100) + 1;
    if (s.moral > Money::fromInt(moraleBar)) {
      q += rng.randInt(2);
    } else {
      q -= rng.randInt(2);
    }

    const MachineCounts m = s.machineCounts();
    if (m.pachinkoIslands > 0) {
      if (s.pkankin <= 3) {
        q += rng.randInt(std::abs(s.pkankin - 3) + 2);
      } else {
        q -= rng.randInt(s.pkankin - 1);
      }
    }
    if (m.slotIslands > 0) {
      if (s.skankin <= 1) {
        q += rng.randInt(3 - s.skankin);
      } else {
        q -= rng.randInt(s.skankin);
      }
    }
    addEquipment(q, s, kRefinementByEquipment, rng);
    const int grace = rng.randInt(100);
    if (grace > 30 && womenShare(s) >= 70) q += rng.randInt(3);
  }

  // A new building looks smart for its first years and then shows its age.
  const int h = std::min(storeAge(s, at.month) / 2, 60);
  if (h >= 6) {
    q -= rng.randInt((h - 5) / 2);
  } else {
    q += rng.randInt(7 - h);
  }
  const int web = rng.randInt(100);
  if (web > 40 && s.hansoku.www != 0) q += rng.randInt(s.hansoku.www + 2);
  const int tv = rng.randInt(100);
  if (tv > 35 && s.hansoku.tvAgency != 0)
    q += rng.randInt((s.hansoku.tvAgency + 4) * (s.hansoku.tvSpot + 1));
  addModelMakers(q, s, rng);
  addLaws(q, at.laws, kRefinementByLaw, rng);

  // A hall among the night spots looks seedier, one among the offices smarter.
  const Tchip& b = at.blocks[s.blockY][s.blockX];
  int k = std::min(b.CountKindWithin(at.blocks, at.columns, at.rows, 24, 3) / 8, 4);
  if (k > 1) q -= rng.randInt(k);
  k = std::min(b.CountKindWithin(at.blocks, at.columns, at.rows, 25, 3) / 10, 4);
  if (k > 1) q += rng.randInt(k);

  s.setSenren(s.senren + q);
}

// ---------------------------------------------------------------------------------------------
// Fame

void UpdateFame(Ttempo& s, const RatingSurroundings& at, Random& rng) {
  int64_t q = ProfitRateTerm(s);
  if (s.joutai == kWaiting) {
    q -= rng.randInt(6);
  } else if (s.joutai == kUnderConstruction || s.joutai == kSuspended) {
    q -= rng.randInt(5);
  }

  const Tchip& b = at.blocks[s.blockY][s.blockX];
  const int crowd = b.AverageOccupancyWithin(at.blocks, at.columns, at.rows, 4);
  const int talk = rng.randInt(2);
  if (talk == 1 && crowd > 70) {
    q += rng.randInt(crowd / 10 - 5);
  } else {
    q -= rng.randInt(4);
  }

  const int age = storeAge(s, at.month);
  if (age < static_cast<int>(kNewnessFame.size())) q += rng.randInt(kNewnessFame[age]);
  const int a = std::min(age, 40);
  if (a > 9) q -= rng.randInt((a - 3) / 3);
  addModelMakers(q, s, rng);

  if (s.joutai == kOpen) {
    int n = 0;
    int64_t novelty = 0, ages = 0, morning = 0, rarity = 0;
    s.forEachIsland([&](const Tddai& d) {
      ++n;
      novelty += d.actual[kNovelty];
      const int64_t machineAge = int64_t{at.month} - d.kounyuuMonth;
      ages += machineAge;
      morning += d.morning;
      if (d.shukka < kLimitedRun && machineAge >= 0 &&
          machineAge < static_cast<int64_t>(kRarityFame.size()))
        rarity += rng.randInt(kRarityFame[machineAge]);
    });
    if (n > 0) {
      if (novelty / n < s.chimei) {
        q -= rng.randInt(3);
      } else {
        q += rng.randInt(3);
      }
      q += std::min<int64_t>(rarity, 30);
      const int m = static_cast<int>(std::min<int64_t>(morning / 10, 5));
      const int queue = rng.randInt(100);
      if (queue > 50 && m > 1) q += rng.randInt(m);
      const int64_t machineAge = std::min<int64_t>(ages / n, 120);
      if (machineAge > 4) q -= rng.randInt(static_cast<int>(machineAge - 2));
    }
    addLaws(q, at.laws, kFameByLaw, rng);

    const MachineCounts counts = s.machineCounts();
    const int pachinkoTalk = rng.randInt(2);
    if (pachinkoTalk == 1 && counts.pachinkoIslands > 0) {
      if (s.pkankin > 2) {
        q += rng.randInt(s.pkankin - 1);
      } else {
        q -= rng.randInt(std::abs(s.pkankin - 2) + 2);
      }
    }
    const int slotTalk = rng.randInt(2);
    if (slotTalk == 1 && counts.slotIslands > 0) {
      if (s.skankin > 1) {
        q += rng.randInt(s.skankin);
      } else {
        q -= rng.randInt(std::abs(s.skankin - 3));
      }
    }
    addEquipment(q, s, kFameByEquipment, rng);

    const int u = rng.randInt(120);
    if (s.moral < Money::fromInt(u)) q -= rng.randInt(3);
    const int w = rng.randInt(120);
    if (s.skill < Money::fromInt(w)) q -= rng.randInt(3);
    if (s.kousaku & kIllegalRom) q += rng.randInt(3);
    if (s.kousaku & kShills) q += rng.randInt(2);
    const int charm = rng.randInt(100);
    if (charm < womenShare(s)) q += rng.randInt(3);
  }

  // Promotions work whatever the state of the doors; each one has its own chance to be noticed.
  const Thansoku& p = s.hansoku;
  const int eventSeen = rng.randInt(100);
  if (eventSeen > 20 && p.event != 0) q += rng.randInt(p.event + 1);
  const int tissueSeen = rng.randInt(100);
  if (tissueSeen > 15 && p.tissue != 0) q += rng.randInt(p.tissue < 4 ? 2 : p.tissue / 2);
  const int mailSeen = rng.randInt(100);
  if (mailSeen > 30 && p.mail != 0) q += rng.randInt(p.mail < 10 ? 2 : p.mail / 5);
  const int webSeen = rng.randInt(100);
  if (webSeen > 10 && p.www != 0) q += rng.randInt(p.www + 1);
  const int paperSeen = rng.randInt(100);
  if (paperSeen > 5 && p.newspaperSize != 0)
    q += rng.randInt((p.newspaperSize + 2) * (p.newspaperTerm + 1));
  const int tvSeen = rng.randInt(100);
  if (tvSeen > 5 && p.tvAgency != 0)
    q += rng.randInt(kTvFame[std::min<int>(p.tvAgency, 5) - 1] * (p.tvSpot + 1));

  s.setChimei(s.chimei + q);
}

// ---------------------------------------------------------------------------------------------
// Satisfaction

void UpdateSatisfaction(Ttempo& s, uint16_t laws, int month, Random& rng) {
  if (s.joutai != kOpen) return;
  int64_t q = ProfitRateTerm(s);

  const int a = std::min(storeAge(s, month), 60);
  if (a < 25) {
    q += rng.randInt((28 - a) / 2);
  } else {
    q -= rng.randInt((a - 20) / 2);
  }
  if (s.manzoku < s.senren) q += rng.randInt((s.senren - s.manzoku) / 10 + 2);
  const RateDisappointment stingy = ExchangeRateDisappointment(s);
  if (stingy.pachinko > 0) q -= rng.randInt(stingy.pachinko);
  if (stingy.slot > 0) q -= rng.randInt(stingy.slot);
  addEquipment(q, s, kSatisfactionByEquipment, rng);

  const int women = womenShare(s);
  if (women > 60) q += rng.randInt((women - 40) / 10);
  const int m = wholeRating(s.moral) / 10;
  if (m > 6) q += rng.randInt(m - 3);
  const int k = wholeRating(s.skill) / 10;
  if (k > 5) q += rng.randInt(k - 2);
  addModelMakers(q, s, rng);
  if (s.kousaku & kShills) q -= rng.randInt(3);
  if (s.kousaku & kJackpotControl) q -= rng.randInt(4);
  // A packed hall is an uncomfortable one.
  const int attendance = s.kadou[kTotal];
  if (attendance > 50) q -= rng.randInt(std::max((attendance - 50) / 5, 2));

  int n = 0, slotMachines = 0;
  int64_t ages = 0;
  std::array<int64_t, 4> ratings{};
  s.forEachIsland([&](const Tddai& d) {
    ++n;
    ages += int64_t{month} - d.kounyuuMonth;
    for (int i = 0; i < 4; ++i) ratings[i] += d.actual[i];
    if (!d.isPachinko()) slotMachines += 10;
    if (d.shukka < kLimitedRun) q += rng.randInt(2);
  });
  if (n > 0) {
    const int64_t age = ages / n;
    if (age / 9 > 0) q -= rng.randInt(static_cast<int>(age / 9 + 1));
    if (slotMachines > 0) {
      const int64_t morningShare = percentOf(s.morningTotal(), slotMachines);
      if (morningShare > 40) q -= rng.randInt(static_cast<int>((morningShare - 20) / 10));
    }
    const int64_t g = ratings[kGambling] / n, p = ratings[kPlay] / n;
    const int64_t r = ratings[kRefinement] / n, v = ratings[kNovelty] / n;
    if (g > 60) q -= rng.randInt(static_cast<int>((g - 40) / 10));
    if (p > 50) q += rng.randInt(static_cast<int>((p - 30) / 10));
    if (r > 60) q += rng.randInt(static_cast<int>((r - 30) / 15));
    if (v > 50) {
      q += rng.randInt(static_cast<int>((v - 30) / 10));
    } else if (v < 35) {
      q -= rng.randInt(static_cast<int>(v / 10 + 2));
    }
  }
  addLaws(q, laws, kSatisfactionByLaw, rng);

  s.setManzoku(s.manzoku + q);
}

}  // namespace gm

// What the advisor's findings share: the month in progress as the month end will see it, and the
// probes that play one of the month's random rules on copies of a store with a generator of the
// advisor's own, so that a finding can say where a rating or the takings are heading and how
// much an order would change that, without touching the game.
#pragma once

#include <cstdint>

#include "base/random.h"
#include "company/advisor.h"
#include "company/store_ratings.h"
#include "store/store.h"

namespace gm {
namespace advisor {

// The month in progress: its hours and number, the laws and the president.
struct Month {
  explicit Month(const tworld& world);
  const tworld& world;
  int hours = 0;
  int month = 0;
  uint16_t laws = 0;
  int karisuma = 1;
  int chisei = 1;
  int tousotu = 1;
  RatingSurroundings surroundings() const;
};

// A probe plays a rule `kProbeSeeds` times from fixed seeds. Every probe of a finding uses the
// same seeds, so that two probes of a store that differ in one field differ by what that field
// does and not by luck.
inline constexpr int kProbeSeeds = 24;
// A month of island play is a long chain of draws; fewer runs of it do.
inline constexpr int kPlaySeeds = 8;
Random probeGenerator(int run);

// The mean change (x10) of `read(store)` when `step(copy, rng)` is played on copies of `store`.
template <typename Step, typename Read>
int64_t meanChange10(const Ttempo& store, Step&& step, Read&& read) {
  int64_t sum = 0;
  for (int run = 0; run < kProbeSeeds; ++run) {
    Ttempo copy = store;
    Random rng = probeGenerator(run);
    step(copy, rng);
    sum += read(copy) - read(store);
  }
  return sum * 10 / kProbeSeeds;
}

// A rating's monthly pull x10 as its rule plays it: fame (every state), satisfaction (an open
// store). A rating pinned at 0 or 100 hides its pull, so the probe starts it a little inside
// the range.
int64_t famePull10(const Month& m, const Ttempo& store);
int64_t satisfactionPull10(const Month& m, const Ttempo& store);
// The mean gross profit (whole thousands of yen) the store's islands would keep in a month of
// play at last month's customers, as the monthly close plays them.
int64_t meanGrossProfit(const Month& m, const Ttempo& store);

// A monthly chance of exposure (per million) from which the advisor calls a risk serious.
inline constexpr int64_t kSeriousChance = 20000;

// Findings by subject, each adding to `out` (advisor_*.cpp).
void adviseState(const Month& m, const Ttempo& s, int slot, AdviceList& out);
void adviseStaff(const Month& m, const Ttempo& s, int slot, AdviceList& out);
void adviseSpending(const Month& m, const Ttempo& s, int slot, AdviceList& out);
void adviseFire(const Month& m, const Ttempo& s, int slot, AdviceList& out);
void adviseManipulations(const Month& m, const Ttempo& s, int slot, AdviceList& out);
void adviseMachines(const Month& m, const Ttempo& s, int slot, AdviceList& out);
void adviseImage(const Month& m, const Ttempo& s, int slot, AdviceList& out);
void adviseResults(const Month& m, const Ttempo& s, int slot, AdviceList& out);
void adviseRivals(const Month& m, const Ttempo& s, int slot, AdviceList& out);

// What a year's fires are expected to cost the store a month (thousands of yen): the chance of a
// fire that burns it down times what would be lost (the building, its fittings, its machines).
int64_t fireCost(const Month& m, const Ttempo& s);

// A finding of a store with its topic, severity and remedy; the rest is filled in by the caller.
Advice finding(AdviceTopic topic, AdviceSeverity severity, AdviceRemedy remedy, int slot);

// The promotions the advisor proposes for a hall that is not talked about: the cheapest
// television agency, direct mail and pocket tissues as far as the staff can hand them out.
Thansoku thriftyPromotions(const Ttempo& store);

}  // namespace advisor
}  // namespace gm

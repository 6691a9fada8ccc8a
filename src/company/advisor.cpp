// The advisor's list, its order of importance, the probes and the store's diagnosis.
#include "company/advisor.h"

#include <algorithm>

#include "company/advisor_support.h"
#include "store/island_play.h"
#include "store/store_takings.h"
#include "world/world.h"

namespace gm {

bool MoreImportant(const Advice& a, const Advice& b) {
  if (a.severity != b.severity) return a.severity > b.severity;
  // A countdown comes before an open-ended cost, the shorter one first.
  const bool aCounts = a.monthsLeft >= 0, bCounts = b.monthsLeft >= 0;
  if (aCounts != bCounts) return aCounts;
  if (aCounts && a.monthsLeft != b.monthsLeft) return a.monthsLeft < b.monthsLeft;
  return a.monthlyCost > b.monthlyCost;
}

void AdviceList::add(const Advice& a) {
  int at = count_;
  while (at > 0 && MoreImportant(a, items_[at - 1])) --at;
  if (at == kCapacity) return;
  const int last = std::min(count_, kCapacity - 1);
  for (int i = last; i > at; --i) items_[i] = items_[i - 1];
  items_[at] = a;
  count_ = std::min(count_ + 1, kCapacity);
}

AdviceSeverity AdviceList::worst() const {
  return count_ == 0 ? AdviceSeverity::Note : items_[0].severity;
}

namespace advisor {

Month::Month(const tworld& w)
    : world(w),
      hours(w.MonthlyHours()),
      month(w.month),
      laws(w.laws),
      karisuma(w.kaichou.karisuma),
      chisei(w.kaichou.chisei),
      tousotu(w.kaichou.tousotu) {}

RatingSurroundings Month::surroundings() const {
  return RatingSurroundings{world.blocks, world.mapWidth, world.mapHeight, laws, month};
}

Random probeGenerator(int run) {
  // Seeds far apart in the generator's sequence, fixed for every probe.
  return Random(0x9e3779b9u * static_cast<uint32_t>(run + 1));
}

namespace {
// Where a pinned rating starts its probe: far enough inside the range to show a month's pull.
Ttempo unpinned(const Ttempo& s, int32_t Ttempo::*rating) {
  Ttempo copy = s;
  copy.*rating = std::clamp(copy.*rating, 15, 85);
  return copy;
}
}  // namespace

int64_t famePull10(const Month& m, const Ttempo& s) {
  const RatingSurroundings at = m.surroundings();
  return meanChange10(
      unpinned(s, &Ttempo::chimei), [&](Ttempo& c, Random& rng) { UpdateFame(c, at, rng); },
      [](const Ttempo& c) { return c.chimei; });
}

int64_t satisfactionPull10(const Month& m, const Ttempo& s) {
  return meanChange10(
      unpinned(s, &Ttempo::manzoku),
      [&](Ttempo& c, Random& rng) { UpdateSatisfaction(c, m.laws, m.month, rng); },
      [](const Ttempo& c) { return c.manzoku; });
}

int64_t meanGrossProfit(const Month& m, const Ttempo& s) {
  int64_t sum = 0;
  for (int run = 0; run < kPlaySeeds; ++run) {
    Ttempo copy = s;
    Random rng = probeGenerator(run);
    storeMonthlyPlay(copy, m.laws, m.month, rng);
    sum += grossProfit(copy)[kTotal].trunc();
  }
  return sum / kPlaySeeds;
}

Advice finding(AdviceTopic topic, AdviceSeverity severity, AdviceRemedy remedy, int slot) {
  Advice a;
  a.topic = topic;
  a.severity = severity;
  a.remedy = remedy;
  a.slot = slot;
  return a;
}

}  // namespace advisor

std::vector<IslandPosition> LeastPlayedIslands(const Ttempo& s, int count) {
  std::vector<IslandPosition> all;
  for (int f = 0; f < s.floorCount(); ++f)
    for (int i = 0; i < kIslandsPerFloor; ++i)
      if (s.dai[f][i].used) all.push_back({f, i});
  std::stable_sort(all.begin(), all.end(), [&](IslandPosition a, IslandPosition b) {
    const Tddai& x = s.dai[a.floor][a.island];
    const Tddai& y = s.dai[b.floor][b.island];
    return x.kadou != y.kadou ? x.kadou < y.kadou : x.kounyuuMonth < y.kounyuuMonth;
  });
  if (count < static_cast<int>(all.size())) all.resize(std::max(count, 0));
  return all;
}

AdviceList DiagnoseStore(const tworld& world, int slot) {
  AdviceList out;
  if (slot < 1 || slot > kStoreSlots || !world.kaichou.slot(slot).used) return out;
  const Ttempo& s = world.kaichou.slot(slot);
  const advisor::Month m(world);
  advisor::adviseState(m, s, slot, out);
  advisor::adviseRivals(m, s, slot, out);
  if (s.joutai == kUnderConstruction) return out;
  advisor::adviseStaff(m, s, slot, out);
  advisor::adviseSpending(m, s, slot, out);
  advisor::adviseFire(m, s, slot, out);
  advisor::adviseManipulations(m, s, slot, out);
  if (s.joutai != kOpen) return out;
  advisor::adviseMachines(m, s, slot, out);
  advisor::adviseImage(m, s, slot, out);
  advisor::adviseResults(m, s, slot, out);
  return out;
}

}  // namespace gm

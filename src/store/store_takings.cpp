// Sums of the islands' month over a store.
#include "store/store_takings.h"

#include <limits>

#include "base/rating.h"

namespace gm {

namespace {

// Customer counts come from saved records too; a sum never wraps past the 32-bit fields.
int32_t toCount(int64_t n) {
  return static_cast<int32_t>(clampValue(n, 0, std::numeric_limits<int32_t>::max()));
}

// One walk over the islands for both kinds: the monthly close sums every store this way.
ByKind<Money> byKind(const Ttempo& store, IslandQuantity q) {
  ByKind<Money> r{};
  store.forEachIsland(
      [&](const Tddai& d) { r[d.isPachinko() ? kPachinko : kSlot] += islandQuantity(d, q); });
  r[kTotal] = r[kPachinko] + r[kSlot];
  return r;
}

}  // namespace

ByKind<int32_t> customers(const Ttempo& store) {
  ByKind<int64_t> sum{};
  store.forEachIsland([&](const Tddai& d) { sum[d.isPachinko() ? kPachinko : kSlot] += d.kadou; });
  sum[kTotal] = sum[kPachinko] + sum[kSlot];
  return {toCount(sum[kPachinko]), toCount(sum[kSlot]), toCount(sum[kTotal])};
}

Attendance attendance(const Ttempo& store, int hours) {
  Attendance a;
  a.customers = customers(store);
  if (hours <= 0) return a;
  const MachineCounts m = store.machineCounts();
  const ByKind<int64_t> machines = {m.pachinkoMachines, m.slotMachines, m.allMachines};
  for (int k = 0; k < 3; ++k)
    a.percent[k] = clamp100(percentOf(a.customers[k], machines[k] * hours));
  return a;
}

ByKind<Money> sales(const Ttempo& store) { return byKind(store, IslandQuantity::Sales); }

ByKind<Money> grossProfit(const Ttempo& store) {
  return byKind(store, IslandQuantity::GrossProfit);
}

ByKind<Money> expectedGrossProfit(const Ttempo& store) {
  return byKind(store, IslandQuantity::ExpectedGrossProfit);
}

CustomerShares customerShares(const Ttempo& store) {
  int64_t all = 0, men = 0, women = 0;
  store.forEachIsland([&](const Tddai& d) {
    all += d.kadou;
    men += int64_t{d.kadou} * d.kyakuDansei;
    women += int64_t{d.kadou} * d.kyakuZyosei;
  });
  CustomerShares s;
  if (all <= 0) return s;
  s.men = clamp100(men / all);
  s.women = clamp100(women / all);
  return s;
}

}  // namespace gm

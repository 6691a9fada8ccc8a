// The machine tables.
#include "store/machine_figures.h"

#include <algorithm>

namespace gm {

namespace {

void addTo(MachineRow& r, const Tddai& d) {
  r.islands += 1;
  r.machines += 10;
  r.forms[std::clamp<int>(d.keitai, 0, 3)] += 10;
  if (!d.isPachinko()) r.morning += d.morning;
  r.sales += d.sales();
  r.grossProfit += d.grossProfit();
  r.expectedGrossProfit += d.expectedGrossProfit();
  r.sumRiritu += d.riritu;
  r.sumRealisedRate += d.ririJisseki;
  r.sumSalesPerMachineDay += d.salesPerMachineDay();
  r.sumGrossPerMachineDay += d.grossProfitPerMachineDay();
  r.sumSpend += d.kyakutan;
  r.sumAttendance += d.attendance();
}

Money averageOf(Money sum, int n) { return Money::fromRaw(divRoundHalfEven(sum.raw(), n)); }

void finishRow(MachineRow& r) {
  r.profitRate = profitRate(r.grossProfit, r.sales);
  r.expectedProfitRate = profitRate(r.expectedGrossProfit, r.sales);
  if (r.islands == 0) return;
  r.averageRiritu = averageOf(r.sumRiritu, r.islands);
  r.averageRealisedRate = averageOf(r.sumRealisedRate, r.islands);
  r.averageSalesPerMachineDay = averageOf(r.sumSalesPerMachineDay, r.islands);
  r.averageGrossProfitPerMachineDay = averageOf(r.sumGrossPerMachineDay, r.islands);
  r.averageSpendPerCustomer = averageOf(r.sumSpend, r.islands);
  r.averageAttendance = static_cast<int>(r.sumAttendance / r.islands);
}

}  // namespace

void MachineTable::add(const Tddai& d) {
  if (!d.used) return;
  addTo(types[std::clamp<int>(d.kishu, 0, kMachineTypeCount - 1)], d);
  addTo(kinds[d.isPachinko() ? kPachinko : kSlot], d);
  addTo(kinds[kTotal], d);
}

void MachineTable::addStore(const Ttempo& store) {
  store.forEachIsland([this](const Tddai& d) { add(d); });
}

void MachineTable::finish() {
  for (MachineRow& r : types) finishRow(r);
  for (MachineRow& r : kinds) finishRow(r);
}

MachineTable machineTable(const Ttempo& store) {
  MachineTable t;
  t.addStore(store);
  t.finish();
  return t;
}

}  // namespace gm

// Island settings: the single-island steps, the forecast and the bulk changes on one store.
#include "store/island_settings.h"

#include <algorithm>

#include "base/rating.h"

namespace gm {

namespace {

// The island at a position the store really has, or null.
Tddai* islandAt(Ttempo& store, const IslandPosition& p) {
  if (p.floor < 0 || p.floor > store.kibo || p.floor >= kFloors || p.island < 0 ||
      p.island >= kIslandsPerFloor)
    return nullptr;
  Tddai& d = store.dai[p.floor][p.island];
  return d.used ? &d : nullptr;
}

template <typename Fn>
void forEachStoreIsland(Ttempo& store, Fn&& fn) {
  for (int f = 0; f <= store.kibo && f < kFloors; ++f)
    for (Tddai& d : store.dai[f])
      if (d.used) fn(d);
}

}  // namespace

int StepProfitRate(Ttempo& store, std::span<const IslandPosition> islands, Money step) {
  const int64_t s = step.raw() < 0 ? -step.raw() : step.raw();
  if (std::find(kProfitRateSteps.begin(), kProfitRateSteps.end(), s) == kProfitRateSteps.end())
    return 0;
  int changed = 0;
  for (const IslandPosition& p : islands) {
    Tddai* d = islandAt(store, p);
    if (!d) continue;
    const Money next =
        Money::fromRaw(clampValue(d->riritu.raw() + step.raw(), -kMaxProfitRate, kMaxProfitRate));
    if (next == d->riritu) continue;
    d->riritu = next;
    ++changed;
  }
  return changed;
}

int StepBusinessForm(Ttempo& store, std::span<const IslandPosition> islands, int step) {
  if (step != 1 && step != -1) return 0;
  int changed = 0;
  for (const IslandPosition& p : islands) {
    Tddai* d = islandAt(store, p);
    if (!d) continue;
    const int next = static_cast<int>(clampValue(d->keitai + step, 0, kBusinessForms - 1));
    if (next == d->keitai) continue;
    d->keitai = static_cast<uint8_t>(next);
    ++changed;
  }
  return changed;
}

int StepMorning(Ttempo& store, std::span<const IslandPosition> islands, int step) {
  if (step != 1 && step != -1) return 0;
  int changed = 0;
  for (const IslandPosition& p : islands) {
    Tddai* d = islandAt(store, p);
    if (!d || d->isPachinko()) continue;  // the morning service is a slot hall's custom
    const int next = static_cast<int>(clampValue(d->morning + step, 0, kMorningMachines));
    if (next == d->morning) continue;
    d->morning = static_cast<uint8_t>(next);
    ++changed;
  }
  return changed;
}

void ProfitRateChanges::applyTo(Ttempo& store) const {
  for (int t = 0; t < kMachineTypeCount; ++t)
    if (byType[t]) store.setRirituWhere(IslandFilter{t, -1, IslandKind::Both}, *byType[t]);
  for (int k = 0; k < 2; ++k)
    for (int f = 0; f < kBusinessForms; ++f)
      if (byForm[k][f])
        store.setRirituWhere(IslandFilter{-1, f, k == 0 ? IslandKind::Pachinko : IslandKind::Slot},
                             *byForm[k][f]);
}

void BusinessFormChange::applyTo(Ttempo& store) const {
  for (int t = 0; t < kMachineTypeCount; ++t)
    if (types[t]) store.setKeitaiWhere(IslandFilter{t, -1, IslandKind::Both}, form);
}

void MorningChange::applyTo(Ttempo& store) const {
  forEachStoreIsland(store, [&](Tddai& d) {
    if (!d.isPachinko()) d.morning = static_cast<uint8_t>(machines);
  });
}

NewIslandDefaults NewIslandDefaults::of(const Ttempo& store) {
  NewIslandDefaults d;
  d.riritu = store.shinDaiRitu;
  d.keitai = store.shinDaiKeitai;
  d.morning8 = store.shinDaiMorning8;
  d.morning9 = store.shinDaiMorning9;
  return d;
}

void NewIslandDefaults::applyTo(Ttempo& store) const {
  store.shinDaiRitu = riritu;
  for (int t = 0; t < kMachineTypeCount; ++t) store.setShinDaiKeitai(t, keitai[t]);
  store.setShinDaiMorning8(morning8);
  store.setShinDaiMorning9(morning9);
}

}  // namespace gm

// The settings of a store's islands: the profit rate, the business form and the morning service
// of single islands, the changes the bulk screens make to every island of a type or a form, and
// the store's defaults for islands still to be installed.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>

#include "base/money.h"
#include "store/machine.h"
#include "store/store.h"

namespace gm {

// Where an island stands on the store's floors.
struct IslandPosition {
  int floor = 0;   // 0..4
  int island = 0;  // 0..9
};

// Profit rates may be set below zero (a hall that gives machines away to draw a crowd), but not
// beyond a hundred per cent either way.
inline constexpr int64_t kMaxProfitRate = 100 * Money::kScale;
inline bool profitRateAllowed(Money rate) {
  return rate.raw() >= -kMaxProfitRate && rate.raw() <= kMaxProfitRate;
}
inline constexpr int kBusinessForms = 4;
inline constexpr int kMorningMachines = 10;

// The steps of the island page's buttons: 10, 1 and 0.1 per cent.
inline constexpr std::array<int64_t, 3> kProfitRateSteps = {100000, 10000, 1000};

// The island page's up and down buttons on the selected islands. An island that is not there,
// a step that is not one of the page's, and the morning service of a pachinko island are left
// alone; values stop at their limits. Each answers how many islands changed.
int StepProfitRate(Ttempo& store, std::span<const IslandPosition> islands, Money step);
int StepBusinessForm(Ttempo& store, std::span<const IslandPosition> islands, int step);
int StepMorning(Ttempo& store, std::span<const IslandPosition> islands, int step);

// "利益率一括修正": new rates for every island of a type, or for every pachinko or slot island of a
// business form. Rates left empty stay as they are.
struct ProfitRateChanges {
  std::array<std::optional<Money>, kMachineTypeCount> byType{};
  std::array<std::array<std::optional<Money>, kBusinessForms>, 2> byForm{};  // [pachinko, slot]
  void applyTo(Ttempo& store) const;
};
// "営業形態一括調整": one business form for every island of the chosen types.
struct BusinessFormChange {
  std::array<bool, kMachineTypeCount> types{};
  int form = 0;
  void applyTo(Ttempo& store) const;
};
// "ﾓｰﾆﾝｸﾞ一括設定": the morning machines of every slot island.
struct MorningChange {
  int machines = 0;
  void applyTo(Ttempo& store) const;
};
// "新台初期値設定": the defaults a newly installed island takes.
struct NewIslandDefaults {
  std::array<Money, kMachineTypeCount> riritu{};
  std::array<uint8_t, kMachineTypeCount> keitai{};
  int morning8 = 0;
  int morning9 = 0;
  static NewIslandDefaults of(const Ttempo& store);
  void applyTo(Ttempo& store) const;
};

}  // namespace gm

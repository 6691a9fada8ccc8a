// A store's monthly maintenance (保守費): the upkeep of its machines, of its building with the
// manipulations it runs, and of each equipment item, as the monthly close records them in
// `hoshuResults` and the forecasts count them for the month in progress.
#pragma once

#include <array>
#include <cstdint>

#include "base/money.h"
#include "store/store.h"

namespace gm {

// The positions of `hoshuResults`: machine upkeep, the building, one per equipment number
// 0..11, and the total of the fourteen.
inline constexpr int kMachineUpkeep = 0;
inline constexpr int kBuildingUpkeep = 1;
inline constexpr int kFirstEquipmentUpkeep = 2;
inline constexpr int kMaintenanceTotal = 14;
using MaintenanceCosts = std::array<Money, 15>;

// The month's maintenance of the store for `hours` business hours in month `month`, with the
// president's leadership `tousotu`.
MaintenanceCosts maintenanceCost(const Ttempo& store, int hours, int month, int tousotu);

}  // namespace gm

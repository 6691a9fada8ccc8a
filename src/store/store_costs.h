// What a store's equipment and its opening cost: the introduction prices that the equipment
// order charges and the asset value counts, and the price of opening or reopening a store.
#pragma once

#include <array>
#include <cstdint>

#include "base/rating.h"
#include "store/store.h"

namespace gm {

// A president who is liked gets better prices; at 50 the factor is exactly 1.
inline constexpr FactorTable kCharismaPriceFactor = {15000, 14000, 12500, 11500, 10500,
                                                     10000, 9500,  9000,  8000,  7000};
inline constexpr FactorTable kOpeningFactor = {11100, 10900, 10700, 10500, 10300,
                                               10000, 9600,  9400,  9300,  8900};

// Introduction base of each equipment item, thousands of yen (general items per floor).
inline constexpr std::array<int32_t, kEquipmentCount> kEquipmentIntroductionBase = {
    5000, 8000, 4000, 3500, 9000, 300, 4000, 3000, 7500, 11000, 1500, 20000};

// Value of a new building of each size, thousands of yen.
inline constexpr std::array<int64_t, kFloors> kBuildingBaseValue = {100000, 250000, 400000, 900000,
                                                                    1600000};

// Introduction cost of equipment n in thousands of yen: general equipment is fitted on every
// floor, a special item only once.
int64_t equipmentCost(const Ttempo& store, int n, int karisuma);
// Cost of opening a waiting store, and of reopening one after a suspension.
int64_t openingCost(const Ttempo& store, int karisuma);

}  // namespace gm

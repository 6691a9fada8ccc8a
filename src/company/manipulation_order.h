// Manipulations ("工作変更"): shills, altered ROMs and the jackpot system, set up in or taken out
// of one store or several at once. Only a waiting or open store can be worked on.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "base/refusal.h"
#include "company/store_selection.h"
#include "store/order_support.h"

namespace gm {

class tworld;
class Ttempo;

inline constexpr int kManipulationCount = 3;
// "サクラを雇う", "裏ROMを仕込む", "特賞操作システムを導入する" for bits 0..2.
std::string manipulationCaption(int bit);

// The bits to set up and the bits to take out; a bit in neither stays as it is on each store.
struct ManipulationChange {
  uint8_t add = 0;
  uint8_t remove = 0;
  // The change that gives one store exactly the bits `wanted`.
  static ManipulationChange to(const Ttempo& store, uint8_t wanted);
};

// What the change costs on one store, and summed over the selected stores (thousands of yen).
int64_t ManipulationCost(const Ttempo& store, const ManipulationChange& change);
int64_t ManipulationCost(const tworld& world, const StoreSelection& stores,
                         const ManipulationChange& change);

Check CheckManipulations(const tworld& world, const StoreSelection& stores,
                         const ManipulationChange& change);
OrderOutcome OrderManipulations(tworld& world, const StoreSelection& stores,
                                const ManipulationChange& change);

}  // namespace gm

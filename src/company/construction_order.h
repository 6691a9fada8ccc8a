// Construction ("工事") on a block of the company's: clearing to vacant land, a car park, a new
// store or the rebuild of a store to another size. Clearing a store's block, or turning it into a
// car park, withdraws the store.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "base/refusal.h"
#include "store/order_support.h"

namespace gm {

class Ttempo;
class tworld;

// The work types in the order the construction dialog lists them.
enum WorkType : int {
  kWorkClear = 0,
  kWorkParking = 1,
  kWorkStore = 2,  // 2..6: a store of size 0..4
  kWorkTypeCount = 7,
};
inline constexpr bool isStoreWork(int workType) {
  return workType >= kWorkStore && workType < kWorkTypeCount;
}
inline constexpr int storeSizeOf(int workType) { return workType - kWorkStore; }

// The work types' captions in the dialog ("空き地(&S)" .. "タワー級の店舗(&5)").
std::string workTypeCaption(int workType);

// What the work would be on the block: a new store, a rebuild of the store standing there, or
// neither (clearing, a car park).
struct ConstructionFacts {
  int storeSlot = 0;  // the store standing on the block, 0 for none
  bool newStore = false;
  bool rebuild = false;
  bool withdrawal = false;  // the work pulls the store down
  int months = 0;           // time to complete a store, 0 for the other work
};
ConstructionFacts constructionFacts(const tworld& world, int row, int column, int workType);

// The price of the work, whole thousands of yen.
int64_t ConstructionPrice(const tworld& world, int row, int column, int workType);

// The state's part of the check on a store's block: only a waiting store is built on. The
// screens offer the construction of a store while this admits it.
Check CheckStoreConstruction(const Ttempo& store);
// Every refusal in the order the game checks them, up to the naming; no side effect.
Check CheckConstruction(const tworld& world, int row, int column, int workType);

// The block as the order's questions name it: "(column, row)".
std::string blockLabel(int row, int column);

// Runs the whole order: the checks, the name of a store, the question, the payment and the
// work. A confirmed store construction reports its completion month. After any confirmed work,
// while the stores have outgrown the warehouse, the player is asked whether to rebuild it.
OrderOutcome OrderConstruction(tworld& world, int row, int column, int workType);

}  // namespace gm

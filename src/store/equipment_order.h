// Equipment ("設備投資"): fitting a store with one of the twelve items. General items serve
// every floor; a special item stands on its own floor and takes room there that machines
// would otherwise use.
#pragma once

#include <cstdint>

#include "base/refusal.h"
#include "store/order_support.h"

namespace gm {

class tworld;
class Ttempo;

// The items the store could still be fitted with (not installed, floor present, partner not
// installed); the equipment page lists these.
bool equipmentOffered(const Ttempo& store, int item);
// The price of item 0..11 for this store, whole thousands of yen.
int64_t EquipmentPrice(const tworld& world, const Ttempo& store, int item);
// The refusals in the game's order; no side effect.
Check CheckEquipment(const tworld& world, const Ttempo& store, int item);
// Checks, asks, pays and installs.
OrderOutcome OrderEquipment(tworld& world, Ttempo& store, int item);

}  // namespace gm

// A store's monthly operating costs (営業費): the running of its machines and its promotions, as
// the monthly close records them in `eigyouResults` and the forecasts count them.
#pragma once

#include "store/store.h"

namespace gm {

// The month's operating costs of the store for `hours` business hours, with the president's
// intelligence `chisei` and charisma `karisuma` (which price the promotions).
OperatingCosts operatingCost(const Ttempo& store, int hours, int chisei, int karisuma);

}  // namespace gm

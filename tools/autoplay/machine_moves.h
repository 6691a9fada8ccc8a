// Buying islands of a model and setting them on a store's floors in one replacement, as the
// maker screen and the replacement screen do it together: the bought records go onto the first
// free islands floor by floor, after the islands to be taken down have gone to the warehouse.
#pragma once

#include <vector>

#include "company/replacement_plan.h"

namespace gm {

class PlayerOrders;
class tworld;

enum class Installation { NotBought, NotInstalled, Installed };

// `maker` 0..10 and `model` 0..4 as the maker screen numbers them. A purchase that the
// replacement then does not carry out leaves its islands in the warehouse.
Installation BuyAndInstall(tworld& world, PlayerOrders& orders, int slot, int maker, int model,
                           int islands, const std::vector<IslandPosition>& takeDown = {});

}  // namespace gm

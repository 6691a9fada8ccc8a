// How far a player store draws its customers from: wider next to roads, crossroads and
// stations and beside the company's own car parks and stores, but never beyond what its size
// can serve.
#pragma once

#include "store/store.h"
#include "world/block.h"

namespace gm {

int StoreReachRadius(const BlockGrid& blocks, int columns, int rows, const Ttempo& store);

}  // namespace gm

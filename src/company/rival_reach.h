// How far a rival store draws its customers from: wider next to roads and stations and beside
// the owner's own car parks and stores, but never beyond what its size can serve.
#pragma once

#include "company/rivals.h"
#include "world/block.h"

namespace gm {

int RivalReachRadius(const BlockGrid& blocks, int columns, int rows, const TEntempo& store);

}  // namespace gm

// The world's monthly block pass: every block of the city stepped once, the most populous first,
// with the city-wide inputs the step needs, while the wait window shows progress.
#pragma once

#include "world/block_simulation.h"
#include "world/world.h"

namespace gm {

// The limits of this month's influence draws, from the influences the blocks kept from last
// month: twice each average, at least 2.
InfluenceThresholds NeighbourThresholds(const tworld& world);

// How far the city lacks police stations, schools and hospitals (0..100 each).
FacilityShortages FacilityShortage(const tworld& world);

// The pass. Blocks whose picture may have changed are marked in `world.changedBlocks`; the map
// clears the marks as it redraws.
void RunBlockPass(tworld& world);

}  // namespace gm

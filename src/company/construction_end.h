// The month's end of construction and of suspension for the player's stores: finished
// buildings are reported, and a store whose suspension has run out may reopen at once.
#pragma once

namespace gm {

class tworld;

// Run by the month's event dispatcher once `world.month` holds the new month.
void EndConstructionAndSuspension(tworld& world);

}  // namespace gm

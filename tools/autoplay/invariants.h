// What must hold of a game between two months however it was played: every rating in its range,
// head counts never negative, morale and skill 0 without staff, the player's store slots and the
// rivals' records in use ahead of the free ones, blocks and stores pointing at each other, and
// machine records kept where the game can reach them. The soak test and the headless player's
// --check run these after every month.
#pragma once

#include <string>
#include <vector>

namespace gm {

class tworld;

// One line per broken rule, naming the record; empty when everything holds. At most `limit`
// lines, so that a game that has gone wrong everywhere still reports briefly.
std::vector<std::string> CheckInvariants(const tworld& world, int limit = 20);

// Machine records in use: the warehouse's and those on the floors of every store slot.
int MachineRecordsInUse(const tworld& world);

}  // namespace gm

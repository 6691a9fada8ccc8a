// The orders the main window hands out: a new game, the month's end, saving and loading.
#pragma once

namespace gm {

class TMain;

// Runs the new-game order; on success the fresh world replaces the old one and play begins.
// Returns whether a new game started.
bool runNewGame(TMain& main);
// Connects the main window's order signals (new game, end of the month, load, save as, save) to
// their orders.
void connectGameOrders(TMain& main);

}  // namespace gm

// The job stream in the program, of one store (the store window's) or of the stores selected in
// the company manager's store list: the adjustment dialogs the core's job stream names, each
// opened modally in turn and used as when it is opened on its own, then the store window, the
// company manager and the machine window refreshed where they are shown.
#pragma once

#include "company/store_selection.h"

namespace gm {

class TMain;

void runStoreJobStream(TMain& main, int slot);
// Nothing happens when no selected store is in use.
void runSelectionJobStream(TMain& main, const StoreSelection& stores);

}  // namespace gm

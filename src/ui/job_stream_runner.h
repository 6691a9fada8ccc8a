// The job stream of one store in the program: the adjustment dialogs the core's job stream
// names, each opened modally in turn and used as when it is opened on its own, then the store
// window, the company manager and the machine window refreshed where they are shown.
#pragma once

namespace gm {

class TMain;

void runStoreJobStream(TMain& main, int slot);

}  // namespace gm

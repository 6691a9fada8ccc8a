// What the advisor's buttons do: each opens the dialog or page of the order that mends its
// finding, exactly as the window's own command would.
#pragma once

namespace gm {

struct Advice;
class StoreWindow;

// A finding of the store the window shows.
void runStoreRemedy(StoreWindow& window, const Advice& advice);

}  // namespace gm

// The reach radius of a player store.
#include "company/store_reach.h"

#include <algorithm>

namespace gm {

int StoreReachRadius(const BlockGrid& g, int columns, int rows, const Ttempo& store) {
  const Tchip& b = g[store.blockY][store.blockX];
  int r = 2;
  if (b.HasGroupWithin(g, columns, rows, 2, 1) || b.HasGroupWithin(g, columns, rows, 3, 1) ||
      b.HasGroupWithin(g, columns, rows, 4, 2)) {
    ++r;
  }
  r += std::min(b.CountKindWithin(g, columns, rows, kOwnParkingKind, 1), 3);
  r += std::min(b.CountKindWithin(g, columns, rows, kOwnStoreKind, 1), 8);
  // The player's halls serve a wider crowd than a rival's of the same size.
  if (r >= 4 && store.kibo < 1) r = 4;
  if (r >= 6 && store.kibo < 2) r = 6;
  if (r >= 8 && store.kibo < 3) r = 8;
  if (r >= 10 && store.kibo < 4) r = 10;
  return r;
}

}  // namespace gm

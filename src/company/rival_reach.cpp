// The reach radius of a rival store.
#include "company/rival_reach.h"

#include <algorithm>

namespace gm {

int RivalReachRadius(const BlockGrid& g, int columns, int rows, const TEntempo& store) {
  const Tchip& b = g[store.blockRow][store.blockColumn];
  int r = 2;
  if (b.HasGroupWithin(g, columns, rows, 2, 1) || b.HasGroupWithin(g, columns, rows, 3, 1) ||
      b.HasGroupWithin(g, columns, rows, 4, 2)) {
    ++r;
  }
  r += std::min(b.CountOwnedKindWithin(g, columns, rows, kRivalParkingKind, store.owner, 1), 3);
  r += std::min(b.CountOwnedKindWithin(g, columns, rows, kRivalStoreKind, store.owner, 1), 8);
  // A small hall cannot take in a crowd from far away however good its position.
  if (r >= 4 && store.kibo < 1) r = 4;
  if (r >= 5 && store.kibo < 2) r = 5;
  if (r >= 7 && store.kibo < 3) r = 7;
  if (r >= 10 && store.kibo < 4) r = 10;
  return r;
}

}  // namespace gm

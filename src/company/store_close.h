// A player store's part in the month's accounts: its business step before the customers are
// shared out, its monthly close once they have played, and its month in the history.
#pragma once

#include <cstdint>

#include "base/random.h"
#include "store/store.h"
#include "world/block.h"

namespace gm {

class tworld;

// The month as the stores see it.
struct StoreMonth {
  int hours = 0;  // the month's opening hours
  int days = 0;   // the month's business days
  int month = 0;
  uint16_t laws = 0;
};

// Stamps the store and every island standing in it with the month's hours and days, then moves
// its refinement and fame and pushes its influence into the blocks around it.
void StoreBusinessStep(Ttempo& store, BlockGrid& blocks, int columns, int rows, const StoreMonth& m,
                       int chisei, Random& rng);

// The president's qualities that price a store's month.
struct President {
  int karisuma = 1;
  int chisei = 1;
  int tousotu = 1;
};

// Plays the store's islands (an open store's; the others' play nothing), records its sales,
// gross profit, customers, maintenance, operating and personnel costs, then moves its
// satisfaction and runs its staff's month.
void StoreMonthlyClose(Ttempo& store, const StoreMonth& m, const President& p, tworld& world);

// Pushes the store's fourteen history series for the month just closed; `landPrice` is the
// price of the block it stands on.
void PushStoreHistory(Ttempo& store, int month, int64_t landPrice);

}  // namespace gm

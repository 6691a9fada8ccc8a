// What a store took in its islands' month: customers and attendance, sales and gross profit by
// kind (pachinko, slot, total), and the men's and women's shares of its customers. The store's
// monthly close records these as `kyaku`, `kadou`, `uriage` and `arari`; the screens read them
// for the month in progress, from the islands' figures of the month before.
#pragma once

#include <cstdint>

#include "store/store.h"

namespace gm {

// Customers of the pachinko islands, of the slot islands and of all islands (the islands'
// `kadou` summed).
ByKind<int32_t> customers(const Ttempo& store);

// Customers over the machine hours on offer (ten machines an island, `hours` each), in whole
// per cent, truncated and kept within 0..100; 0 for a kind without machines or a month without
// hours. The customer sums come with it.
struct Attendance {
  ByKind<int32_t> percent{};    // the store's `kadou`
  ByKind<int32_t> customers{};  // the store's `kyaku`
};
Attendance attendance(const Ttempo& store, int hours);

// The islands' sales, gross profit at their realised rates, and gross profit at the rates the
// player set.
ByKind<Money> sales(const Ttempo& store);
ByKind<Money> grossProfit(const Ttempo& store);
ByKind<Money> expectedGrossProfit(const Ttempo& store);

// Shares of men and of women among all the islands' customers, in whole per cent (each island
// weighted by its customers); both 0 without customers.
struct CustomerShares {
  int men = 0;
  int women = 0;
};
CustomerShares customerShares(const Ttempo& store);

}  // namespace gm

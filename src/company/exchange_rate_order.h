// Exchange rates ("交換率変更") of one store or of several at once, within the union's limits.
#pragma once

#include <cstdint>

#include "base/refusal.h"
#include "company/store_selection.h"
#include "store/order_support.h"

namespace gm {

class tworld;

inline constexpr int kPachinkoRates = 7;  // pkankin 0..6
inline constexpr int kSlotRates = 4;      // skankin 0..3

// The price of changing the rates of the selected stores, whole thousands of yen.
int64_t ExchangeRateCost(const tworld& world, const StoreSelection& stores);
// The union's limits and the ranges; no side effect.
Check CheckExchangeRates(const tworld& world, const StoreSelection& stores, int pachinko, int slot);
// Sets both rates on every selected store after the question and the payment. Rates that are
// already in force on every store change nothing and cost nothing.
OrderOutcome OrderExchangeRates(tworld& world, const StoreSelection& stores, int pachinko,
                                int slot);

}  // namespace gm

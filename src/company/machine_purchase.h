// Buying machines ("購入") of a model on sale into the company's warehouse: the unit price after
// the maker's discount, the total, the refusals, the question, the warehouse fill and what the
// purchase does to the maker.
#pragma once

#include <cstdint>

#include "base/money.h"
#include "base/refusal.h"
#include "store/order_support.h"

namespace gm {

class tworld;
class Tmaker;
struct tdai;

inline constexpr int kMaxPurchaseIslands = 1000;

struct MachinePrice {
  Money unitYen;          // exact unit price in yen per machine, four decimals
  int32_t recordYen = 0;  // what the machine records keep: the unit price truncated
  int machines = 0;
  int64_t total = 0;  // whole thousands of yen
};
// The price of `islands` islands (ten machines each) of the model with the maker's discount.
MachinePrice MachinePurchasePrice(const Tmaker& maker, const tdai& model, int islands);

// The refusals in the game's order; no side effect. `maker` 0..10, `slot` 0..4.
Check CheckMachinePurchase(const tworld& world, int maker, int slot, int islands);

struct PurchaseResult {
  OrderOutcome outcome = OrderOutcome::Refused;
  int firstRecord = 0;  // the warehouse records filled: first .. first + records - 1
  int records = 0;
};
PurchaseResult OrderMachinePurchase(tworld& world, int maker, int slot, int islands);

}  // namespace gm

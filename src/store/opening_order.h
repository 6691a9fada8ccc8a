// Opening ("開店") a waiting store and closing ("閉店") an open one.
#pragma once

#include <cstdint>

#include "base/refusal.h"
#include "store/order_support.h"

namespace gm {

class tworld;
class Ttempo;

int64_t OpeningPrice(const tworld& world, const Ttempo& store);
// The state's part of the check: the screens offer the order while the state admits it, and the
// order itself tells what else is missing.
Check CheckOpeningState(const Ttempo& store);
// The refusal the player sees: the state first; then, of the machines, the cash and the staff,
// the last check that fails. No side effect.
Check CheckOpening(const tworld& world, const Ttempo& store);

struct OpeningResult {
  OrderOutcome outcome = OrderOutcome::Refused;
  // The player asked for the job stream of the store, which the screens run.
  bool jobStream = false;
};
OpeningResult OrderOpening(tworld& world, Ttempo& store);

Check CheckClosing(const tworld& world, const Ttempo& store);
OrderOutcome OrderClosing(tworld& world, Ttempo& store);

}  // namespace gm

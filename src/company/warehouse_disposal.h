// Disposing of machine records from the warehouse ("廃棄"): the city takes them in the months it
// accepts disposal, and at any time once the makers must take their machines back.
#pragma once

#include <cstdint>
#include <span>

#include "base/refusal.h"
#include "store/order_support.h"

namespace gm {

class tworld;

// Whole thousands of yen for the records numbered 1..1000 (records not in use count nothing).
int64_t DisposalCost(const tworld& world, std::span<const int> records);
Check CheckDisposal(const tworld& world, std::span<const int> records);
OrderOutcome OrderDisposal(tworld& world, std::span<const int> records);

}  // namespace gm

// An open player store's pull on the blocks around it each month: gambling halls make their
// streets less safe and their citizens resentful, good machines and promotions win fans. The
// store's business step runs it after refinement and fame.
#pragma once

#include <cstdint>

#include "base/money.h"
#include "base/random.h"
#include "store/store.h"
#include "world/block.h"

namespace gm {

// What the store's promotions are worth in fans (four decimals), before its machines' novelty.
Money PromotionPower(const Thansoku& hansoku);

// Moves the security, unrest and fan rate of the customer-producing blocks within the store's
// reach (its own block excluded), through the blocks' setters.
void InfluenceBlocks(const Ttempo& store, BlockGrid& blocks, int columns, int rows, uint16_t laws,
                     int month, Random& rng);

}  // namespace gm

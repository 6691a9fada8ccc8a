// The bulk settings orders of one store or of several selected stores: profit rates
// ("利益率一括修正"), business forms ("営業形態一括調整"), morning service ("ﾓｰﾆﾝｸﾞ一括設定") and
// the defaults for new islands ("新台初期値設定").
#pragma once

#include "base/refusal.h"
#include "company/store_selection.h"
#include "store/island_settings.h"
#include "store/order_support.h"

namespace gm {

class tworld;

Check CheckBulkProfitRates(const tworld& world, const StoreSelection& stores,
                           const ProfitRateChanges& changes);
Check CheckBulkBusinessForm(const tworld& world, const StoreSelection& stores,
                            const BusinessFormChange& change);
Check CheckBulkMorning(const tworld& world, const StoreSelection& stores,
                       const MorningChange& change);
Check CheckNewIslandDefaults(const tworld& world, const StoreSelection& stores,
                             const NewIslandDefaults& defaults);

// Each asks its question and writes the change into every selected store; a change that would
// leave every store as it is asks nothing.
OrderOutcome OrderBulkProfitRates(tworld& world, const StoreSelection& stores,
                                  const ProfitRateChanges& changes);
OrderOutcome OrderBulkBusinessForm(tworld& world, const StoreSelection& stores,
                                   const BusinessFormChange& change);
OrderOutcome OrderBulkMorning(tworld& world, const StoreSelection& stores,
                              const MorningChange& change);
OrderOutcome OrderNewIslandDefaults(tworld& world, const StoreSelection& stores,
                                    const NewIslandDefaults& defaults);

}  // namespace gm

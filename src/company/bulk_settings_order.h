// The bulk settings orders of one store or of several selected stores: profit rates
// ("利益率一括修正"), business forms ("営業形態一括調整"), morning service ("ﾓｰﾆﾝｸﾞ一括設定") and
// the defaults for new islands ("新台初期値設定").
#pragma once

#include "base/refusal.h"
#include "company/store_selection.h"
#include "store/forecasts.h"
#include "store/island_settings.h"
#include "store/order_support.h"

namespace gm {

class tworld;

// What the bulk screens show of the selected stores: the average profit rate of the islands a
// filter takes (0 without islands) and their number, and the month's forecast over the stores
// once a change has been made (on copies: the stores stay as they are).
Money averageProfitRate(const tworld& world, const StoreSelection& stores,
                        const IslandFilter& filter);
int islandCount(const tworld& world, const StoreSelection& stores, const IslandFilter& filter);
struct BulkForecast {
  Money sales;
  Money grossProfit;  // at the profit rates set
  Money profitRate;   // per cent, four decimals; 0 without sales
  Money netProfit;    // after the month's costs
};
BulkForecast forecastAfter(const tworld& world, const StoreSelection& stores,
                           const ProfitRateChanges& changes);
// Morning machines and slot machines over the selected stores, with every slot island at
// `machines` when that is 0..10 (and as they stand otherwise).
struct MorningRatio {
  int morning = 0;
  int slotMachines = 0;
};
MorningRatio morningRatio(const tworld& world, const StoreSelection& stores, int machines = -1);

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

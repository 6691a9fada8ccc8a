// What the budget page of a store shows: the month in progress as the forecasts count it, beside
// the last closed month as the close recorded it, split the way the page's five grids split it
// (the estimate, personnel, operating and maintenance costs, and the profit left after them).
#pragma once

#include "base/money.h"
#include "store/forecasts.h"
#include "store/maintenance_cost.h"
#include "store/store.h"

namespace gm {

struct BudgetColumn {
  ByKind<Money> sales{};
  ByKind<Money> grossProfit{};
  ByKind<Money> profitRate{};  // per cent, four decimals; 0 for a kind without sales
  PersonnelCost personnel;     // thousands of yen
  OperatingCosts operating;
  MaintenanceCosts maintenance{};
  Money equipmentUpkeep;  // the twelve equipment items of `maintenance` together
  Money cost;             // personnel + operating + maintenance
  Money netProfit;        // total gross profit less `cost`
};

struct Budget {
  BudgetColumn forecast;   // the month in progress, at the profit rates the player set
  BudgetColumn lastMonth;  // the month last closed
};

Budget storeBudget(const Ttempo& store, const ForecastTerms& terms);

// The parts of a column that follow from the others: the equipment upkeep, the cost, the net
// profit and the profit rates. The company's sums finish their columns the same way.
void finishColumn(BudgetColumn& c);

}  // namespace gm

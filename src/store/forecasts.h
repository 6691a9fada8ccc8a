// The figures that the store and company screens and the bulk profit-rate dialogs show for the
// month in progress: what the islands would keep at the rates the player set, on last month's
// customers and sales, and what the month will cost.
#pragma once

#include "base/money.h"
#include "store/maintenance_cost.h"
#include "store/store.h"

namespace gm {

// The month whose figures are forecast: its business hours and month number, with the
// president's leadership, intelligence and charisma.
struct ForecastTerms {
  int hours = 0;
  int month = 0;
  int tousotu = 0;
  int chisei = 0;
  int karisuma = 0;
};

// Expected gross profit over sales x 100 by kind, per cent x 10,000; 0 for a kind without
// sales.
ByKind<Money> forecastProfitRates(const Ttempo& store);
// Personnel, maintenance and operating costs of the month, in money.
Money forecastCost(const Ttempo& store, const ForecastTerms& terms);
// The total expected gross profit less `forecastCost`.
Money forecastNetProfit(const Ttempo& store, const ForecastTerms& terms);

// Every forecast figure of a store at once, for the screens that show them side by side and the
// company's sums over its stores.
struct StoreForecast {
  ByKind<Money> sales{};
  ByKind<Money> grossProfit{};  // at the set profit rates
  ByKind<Money> profitRate{};
  MaintenanceCosts maintenance{};
  OperatingCosts operating;
  PersonnelCost personnel;
  Money cost;       // forecastCost
  Money netProfit;  // forecastNetProfit
};
StoreForecast storeForecast(const Ttempo& store, const ForecastTerms& terms);

}  // namespace gm

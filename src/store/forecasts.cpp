// Forecasts for the month in progress.
#include "store/forecasts.h"

#include "store/operating_cost.h"
#include "store/store_takings.h"

namespace gm {

namespace {

ByKind<Money> ratesOf(const ByKind<Money>& gross, const ByKind<Money>& sold) {
  ByKind<Money> r{};
  for (int k = 0; k < 3; ++k) r[k] = profitRate(gross[k], sold[k]);
  return r;
}

}  // namespace

ByKind<Money> forecastProfitRates(const Ttempo& store) {
  return ratesOf(expectedGrossProfit(store), sales(store));
}

Money forecastCost(const Ttempo& store, const ForecastTerms& terms) {
  return storeForecast(store, terms).cost;
}

Money forecastNetProfit(const Ttempo& store, const ForecastTerms& terms) {
  return storeForecast(store, terms).netProfit;
}

StoreForecast storeForecast(const Ttempo& store, const ForecastTerms& t) {
  StoreForecast f;
  f.sales = sales(store);
  f.grossProfit = expectedGrossProfit(store);
  f.profitRate = ratesOf(f.grossProfit, f.sales);
  f.maintenance = maintenanceCost(store, t.hours, t.month, t.tousotu);
  f.operating = operatingCost(store, t.hours, t.chisei, t.karisuma);
  f.personnel = store.personnelCost();
  f.cost = Money::fromInt(f.personnel.total) + f.maintenance[kMaintenanceTotal] + f.operating.total;
  f.netProfit = f.grossProfit[kTotal] - f.cost;
  return f;
}

}  // namespace gm

// The budget page's figures of a store.
#include "store/budget_figures.h"

namespace gm {

void finishColumn(BudgetColumn& c) {
  c.equipmentUpkeep = Money();
  for (int n = 0; n < kEquipmentCount; ++n)
    c.equipmentUpkeep += c.maintenance[kFirstEquipmentUpkeep + n];
  c.cost = Money::fromInt(c.personnel.total) + c.operating.total + c.maintenance[kMaintenanceTotal];
  c.netProfit = c.grossProfit[kTotal] - c.cost;
  for (int k = 0; k < 3; ++k) c.profitRate[k] = profitRate(c.grossProfit[k], c.sales[k]);
}

Budget storeBudget(const Ttempo& store, const ForecastTerms& terms) {
  Budget b;
  const StoreForecast f = storeForecast(store, terms);
  b.forecast.sales = f.sales;
  b.forecast.grossProfit = f.grossProfit;
  b.forecast.personnel = f.personnel;
  b.forecast.operating = f.operating;
  b.forecast.maintenance = f.maintenance;
  finishColumn(b.forecast);

  BudgetColumn& last = b.lastMonth;
  last.sales = store.uriage;
  last.grossProfit = store.arari;
  last.personnel = {store.jinkenResults[0], store.jinkenResults[1], store.jinkenResults[2],
                    store.jinkenResults[3]};
  last.operating = store.eigyouResults;
  last.maintenance = store.hoshuResults;
  finishColumn(last);
  return b;
}

}  // namespace gm

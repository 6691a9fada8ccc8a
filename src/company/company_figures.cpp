// The company manager's figures.
#include "company/company_figures.h"

#include "company/company.h"
#include "world/world.h"

namespace gm {

namespace {

void addColumn(BudgetColumn& sum, const BudgetColumn& c) {
  for (int k = 0; k < 3; ++k) {
    sum.sales[k] += c.sales[k];
    sum.grossProfit[k] += c.grossProfit[k];
  }
  sum.personnel.salaries += c.personnel.salaries;
  sum.personnel.education += c.personnel.education;
  sum.personnel.welfare += c.personnel.welfare;
  sum.personnel.total += c.personnel.total;
  sum.operating.running += c.operating.running;
  sum.operating.promotion += c.operating.promotion;
  sum.operating.total += c.operating.total;
  for (std::size_t i = 0; i < sum.maintenance.size(); ++i) sum.maintenance[i] += c.maintenance[i];
}

}  // namespace

ForecastTerms forecastTerms(const tworld& world) {
  const tkaichou& k = world.kaichou;
  return {world.MonthlyHours(), world.month, k.tousotu, k.chisei, k.karisuma};
}

Budget companyBudget(const tkaichou& company, const ForecastTerms& terms) {
  Budget sum;
  for (const Ttempo& s : company.tempo) {
    if (!s.used) continue;
    const Budget b = storeBudget(s, terms);
    addColumn(sum.forecast, b.forecast);
    addColumn(sum.lastMonth, b.lastMonth);
  }
  // The rates and the net profit come from the sums, not from adding the stores' rates.
  finishColumn(sum.forecast);
  finishColumn(sum.lastMonth);
  return sum;
}

MachineTable companyMachineTable(const tkaichou& company) {
  MachineTable t;
  for (const Ttempo& s : company.tempo)
    if (s.used) t.addStore(s);
  t.finish();
  return t;
}

MachineTable warehouseMachineTable(const tkaichou& company) {
  MachineTable t;
  for (const Tddai& d : company.dai) t.add(d);
  t.finish();
  return t;
}

}  // namespace gm

// The company manager's figures: the budget of the whole company (the stores' forecasts and
// last month's results added up), the machine table of every store together, and the terms the
// forecasts of the month in progress are taken on.
#pragma once

#include "store/budget_figures.h"
#include "store/forecasts.h"
#include "store/machine_figures.h"

namespace gm {

class tkaichou;
class tworld;

// The month in progress: its business hours and number, and the president's qualities.
ForecastTerms forecastTerms(const tworld& world);

// Over the store slots in use.
Budget companyBudget(const tkaichou& company, const ForecastTerms& terms);
MachineTable companyMachineTable(const tkaichou& company);
// The warehouse's records in use, as a table of their own (they have no results).
MachineTable warehouseMachineTable(const tkaichou& company);

}  // namespace gm

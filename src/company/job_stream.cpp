// The job stream's steps.
#include "company/job_stream.h"

#include "company/company.h"
#include "store/store.h"

namespace gm {

JobStream jobStreamFor(const Ttempo& store) {
  JobStream js;
  auto add = [&](JobStep s) { js.steps[js.count++] = s; };
  const MachineCounts machines = store.machineCounts();
  const bool staffed = store.staffTotal() > 0;
  add(JobStep::ExchangeRates);
  if (store.joutai == kWaiting || store.joutai == kOpen) add(JobStep::Manipulations);
  if (machines.allMachines > 0) {
    add(JobStep::ProfitRates);
    add(JobStep::BusinessForms);
  }
  if (machines.slotMachines > 0) add(JobStep::Morning);
  add(JobStep::NewDefaults);
  if (staffed) add(JobStep::PersonnelCosts);
  add(JobStep::Promotions);
  return js;
}

SelectionJobStream jobStreamFor(const tkaichou& company, const StoreSelection& selected) {
  SelectionJobStream r;
  bool slotMachines = false;
  for (int n : slotsOf(selected)) {
    const Ttempo& s = company.slot(n);
    if (!s.used) continue;
    r.stores |= selectSlot(n);
    if (s.joutai == kWaiting || s.joutai == kOpen) r.manipulationStores |= selectSlot(n);
    slotMachines = slotMachines || s.machineCounts().slotMachines > 0;
  }
  if (r.stores.none()) return r;
  JobStream& js = r.stream;
  auto add = [&](JobStep s) { js.steps[js.count++] = s; };
  add(JobStep::ExchangeRates);
  if (r.manipulationStores.any()) add(JobStep::Manipulations);
  add(JobStep::ProfitRates);
  add(JobStep::BusinessForms);
  if (slotMachines) add(JobStep::Morning);
  add(JobStep::NewDefaults);
  add(JobStep::PersonnelCosts);
  add(JobStep::Promotions);
  return r;
}

}  // namespace gm

// The job stream's steps.
#include "company/job_stream.h"

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

}  // namespace gm

// The one-store job stream.
#include "ui/job_stream_runner.h"

#include "company/job_stream.h"
#include "shell/main_window.h"
#include "ui/exchange_rate_dialog.h"
#include "ui/island_bulk_dialogs.h"
#include "ui/manipulation_dialog.h"
#include "ui/personnel_cost_window.h"
#include "ui/profit_rate_dialog.h"
#include "ui/promotion_dialog.h"
#include "world/world.h"

namespace gm {

namespace {

template <typename Dialog>
void openDialog(TMain& main, const StoreSelection& stores) {
  Dialog dialog(main.world(), stores, &main);
  dialog.exec();
}

void refreshShownWindows(TMain& main) {
  const SubWindows& subs = main.subWindows();
  for (DataWindow* d :
       {static_cast<DataWindow*>(subs.kaishaform), static_cast<DataWindow*>(subs.tempoform),
        static_cast<DataWindow*>(subs.ddaidata)})
    if (d && d->isVisible()) d->refresh();
}

}  // namespace

void runStoreJobStream(TMain& main, int slot) {
  tworld& w = main.world();
  if (slot < 1 || slot > kStoreSlots || !w.kaichou.slot(slot).used) return;
  const StoreSelection one = selectSlot(slot);
  // The steps are fixed before the first dialog opens: a dialog that changes the store does not
  // change which dialogs follow.
  const JobStream stream = jobStreamFor(w.kaichou.slot(slot));
  for (int i = 0; i < stream.count; ++i) {
    switch (stream.steps[i]) {
      case JobStep::ExchangeRates:
        openDialog<Tkankinform>(main, one);
        break;
      case JobStep::Manipulations:
        openDialog<Ttempoinchiki>(main, one);
        break;
      case JobStep::ProfitRates:
        openDialog<Triritushuusei>(main, one);
        break;
      case JobStep::BusinessForms:
        openDialog<TKeitaichousei>(main, one);
        break;
      case JobStep::Morning:
        openDialog<TMorningchousei>(main, one);
        break;
      case JobStep::NewDefaults:
        openDialog<Tdefform>(main, one);
        break;
      case JobStep::PersonnelCosts:
        runPersonnelCostDialog(&main, w, one);
        break;
      case JobStep::Promotions:
        openDialog<Thansokusettei>(main, one);
        break;
    }
  }
  refreshShownWindows(main);
}

void runSelectionJobStream(TMain& main, const StoreSelection& selected) {
  tworld& w = main.world();
  const SelectionJobStream stream = jobStreamFor(w.kaichou, selected);
  if (stream.stream.count == 0) return;
  const StoreSelection& all = stream.stores;
  for (int i = 0; i < stream.stream.count; ++i) {
    switch (stream.stream.steps[i]) {
      case JobStep::ExchangeRates:
        openDialog<Tkankinform>(main, all);
        break;
      case JobStep::Manipulations:
        openDialog<Ttempoinchiki>(main, stream.manipulationStores);
        break;
      case JobStep::ProfitRates:
        openDialog<Triritushuusei>(main, all);
        break;
      case JobStep::BusinessForms:
        openDialog<TKeitaichousei>(main, all);
        break;
      case JobStep::Morning:
        openDialog<TMorningchousei>(main, all);
        break;
      case JobStep::NewDefaults:
        openDialog<Tdefform>(main, all);
        break;
      case JobStep::PersonnelCosts:
        runPersonnelCostDialog(&main, w, all);
        break;
      case JobStep::Promotions:
        openDialog<Thansokusettei>(main, all);
        break;
    }
  }
  refreshShownWindows(main);
}

}  // namespace gm

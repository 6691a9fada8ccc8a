// The commands over the selected stores.
#include "ui/selection_commands.h"

#include "shell/main_window.h"
#include "ui/company_store_list_page.h"
#include "ui/exchange_rate_dialog.h"
#include "ui/island_bulk_dialogs.h"
#include "ui/job_stream_runner.h"
#include "ui/manipulation_dialog.h"
#include "ui/personnel_cost_window.h"
#include "ui/profit_rate_dialog.h"
#include "ui/promotion_dialog.h"
#include "world/world.h"

namespace gm {

namespace {

template <typename Dialog>
void openFor(TMain& main, QWidget* parent, const StoreSelection& stores) {
  Dialog dialog(main.world(), stores, parent);
  dialog.exec();
}

}  // namespace

void afterSelectionOrder(TMain& main) {
  const SubWindows& subs = main.subWindows();
  for (DataWindow* d :
       {static_cast<DataWindow*>(subs.kaishaform), static_cast<DataWindow*>(subs.tempoform),
        static_cast<DataWindow*>(subs.ddaidata)})
    if (d && d->isVisible()) d->refresh();
}

void runSelectionCommand(TMain& main, QWidget* parent, int command,
                         const StoreSelection& selected) {
  // Only stores in use are handed on; the list shows no other, but the company may have changed
  // under a selection kept from before.
  StoreSelection stores;
  for (int n : slotsOf(selected))
    if (main.world().kaichou.slot(n).used) stores |= selectSlot(n);
  if (stores.none()) return;
  using P = CompanyStoreListPage;
  switch (command) {
    case P::kProfitRates:
      openFor<Triritushuusei>(main, parent, stores);
      break;
    case P::kBusinessForms:
      openFor<TKeitaichousei>(main, parent, stores);
      break;
    case P::kExchangeRates:
      openFor<Tkankinform>(main, parent, stores);
      break;
    case P::kMorning:
      openFor<TMorningchousei>(main, parent, stores);
      break;
    case P::kPromotions:
      openFor<Thansokusettei>(main, parent, stores);
      break;
    case P::kPersonnelCosts:
      runPersonnelCostDialog(parent, main.world(), stores);
      break;
    case P::kManipulations:
      openFor<Ttempoinchiki>(main, parent, stores);
      break;
    case P::kNewDefaults:
      openFor<Tdefform>(main, parent, stores);
      break;
    case P::kJobStream:
      // The stream refreshes the windows itself once its last dialog has closed.
      runSelectionJobStream(main, stores);
      return;
    default:
      return;
  }
  afterSelectionOrder(main);
}

}  // namespace gm

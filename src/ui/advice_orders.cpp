// The advisor's buttons in the store window.
#include "ui/advice_orders.h"

#include <QAction>
#include <QTabWidget>

#include "company/advisor.h"
#include "company/store_selection.h"
#include "shell/main_window.h"
#include "ui/personnel_cost_window.h"
#include "ui/store_window.h"
#include "ui/store_window_bulk.h"
#include "ui/store_window_equipment.h"
#include "world/world.h"

namespace gm {

namespace {

// A main-window order (personnel, machine purchase), checked and refused as from the menu.
void trigger(StoreWindow& window, const char* item) {
  if (QAction* action = window.mainWindow().menuItem(QLatin1String(item))) action->trigger();
  window.refresh();
}

}  // namespace

void runStoreRemedy(StoreWindow& window, const Advice& a) {
  const int slot = window.shownSlot();
  if (slot == 0) return;
  switch (a.remedy) {
    case AdviceRemedy::Personnel:
      return trigger(window, "jinjimenu");
    case AdviceRemedy::MachinePurchase:
      return trigger(window, "daibuymenu");
    case AdviceRemedy::PersonnelCost:
      runPersonnelCostDialog(&window, window.world(), selectSlot(slot));
      window.refresh();
      return;
    case AdviceRemedy::Open:
      return window.runStatusCommand(StoreStatusPage::kOpen);
    case AdviceRemedy::ExchangeRates:
      return window.runStatusCommand(StoreStatusPage::kExchangeRates);
    case AdviceRemedy::Manipulations:
      return window.runStatusCommand(StoreStatusPage::kManipulations);
    case AdviceRemedy::ProfitRates:
      return window.runBulkCommand(StoreBulkPage::kProfitRates);
    case AdviceRemedy::Promotions:
      return window.changePromotions();
    case AdviceRemedy::Replacement:
      return window.openReplacement();
    case AdviceRemedy::Equipment:
      window.pages()->setCurrentWidget(window.equipmentPage());
      return;
    default:
      return;
  }
}

}  // namespace gm

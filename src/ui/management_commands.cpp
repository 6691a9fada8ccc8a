// The commands the management windows share.
#include "ui/management_commands.h"

#include <QAction>
#include <QCoreApplication>

#include "company/company_figures.h"
#include "company/personnel_orders.h"
#include "shell/main_window.h"
#include "shell/qt_text.h"
#include "store/machine_figures.h"
#include "ui/budget_page.h"
#include "ui/calculator_dialog.h"
#include "ui/detail_dialogs.h"
#include "ui/personnel_cost_window.h"
#include "ui/warehouse_dialog.h"
#include "world/world.h"

namespace gm {

bool runBudgetCommand(TMain& main, QWidget* parent, int command, int slot) {
  tworld& w = main.world();
  const bool store = slot >= 1 && slot <= kStoreSlots && w.kaichou.slot(slot).used;
  if (slot != 0 && !store) return false;
  const QString subject = store ? qs(w.kaichou.slot(slot).name.view())
                                : QCoreApplication::translate("management_commands", "会社全体");
  switch (command) {
    case BudgetPage::kTakings: {
      const MachineTable t =
          store ? machineTable(w.kaichou.slot(slot)) : companyMachineTable(w.kaichou);
      Turishousai(subject, t, parent).exec();
      return false;
    }
    case BudgetPage::kMaintenanceDetail: {
      const ForecastTerms terms = forecastTerms(w);
      const Budget b =
          store ? storeBudget(w.kaichou.slot(slot), terms) : companyBudget(w.kaichou, terms);
      Thoshushousai(subject, b, parent).exec();
      return false;
    }
    case BudgetPage::kPersonnelCosts:
      return store && runPersonnelCostDialog(parent, w, selectSlot(slot));
    case BudgetPage::kResults:
      // The main window's own items: the report and research come as they do from the menu.
      if (QAction* item = main.menuItem(QStringLiteral("jissekimenu"))) item->trigger();
      return false;
    case BudgetPage::kResearch:
      if (QAction* item = main.menuItem(QStringLiteral("reserchmenu"))) item->trigger();
      return false;
    default:
      return false;
  }
}

void openWarehouse(TMain& main, QWidget* parent) {
  Tstockform(main.world(), main.options().daiiconview ? &main.pictures() : nullptr, parent).exec();
}

void openCalculator(QWidget* parent) { TCalcForm(parent).exec(); }

}  // namespace gm

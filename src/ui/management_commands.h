// Commands the store window and the company manager share: the budget page's commands for one
// store or for the whole company, and the warehouse and the calculator of their pop-up menus.
#pragma once

class QWidget;

namespace gm {

class TMain;

// A command of the budget page (`BudgetPage::Command`) for store `slot`, or for the company when
// `slot` is 0. True when it changed the game (the personnel spending), so the caller shows its
// figures again.
bool runBudgetCommand(TMain& main, QWidget* parent, int command, int slot);

// "倉庫": the warehouse, with machine icons while the option `daiiconview` is on.
void openWarehouse(TMain& main, QWidget* parent);
// "電卓".
void openCalculator(QWidget* parent);

}  // namespace gm

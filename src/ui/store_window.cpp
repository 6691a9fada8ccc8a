// The store window.
#include "ui/store_window.h"

#include <QContextMenuEvent>
#include <QLayout>
#include <QMenu>
#include <QPushButton>
#include <QTabWidget>

#include "company/company_figures.h"
#include "shell/main_window.h"
#include "ui/budget_page.h"
#include "ui/command_menu.h"
#include "ui/machine_pages.h"
#include "ui/management_commands.h"
#include "ui/personnel_cost_window.h"
#include "ui/stats_page.h"
#include "world/world.h"

namespace gm {

StoreWindow::StoreWindow(TMain& main)
    : Ttempoform(main), layout_(this, QStringLiteral("tempoform")) {
  pages_ = new QTabWidget(this);
  status_ = new StoreStatusPage(pages_);
  budget_ = new BudgetPage(false, pages_);
  machines_ = new StoreMachineGrids(pages_);
  stats_ = new StatsPage(pages_);
  pages_->addTab(status_, QStringLiteral("ｽﾃｰﾀｽ"));
  pages_->addTab(budget_, QStringLiteral("予算"));
  pages_->addTab(machines_, QStringLiteral("一括設定"));
  pages_->addTab(stats_, QStringLiteral("統計"));
  layout()->addWidget(pages_);
  connect(budget_, &BudgetPage::commandChosen, this, &StoreWindow::budgetCommand);

  connect(status_->personnelCostButton(), &QPushButton::clicked, this, [this] {
    if (runPersonnelCostDialog(this, world(), selectSlot(shownSlot()))) refresh();
  });

  addCommonOrders();
  connect(addOrderButton(QStringLiteral("次店(&Q)"), QStringLiteral("nextbtn")),
          &QPushButton::clicked, this, &StoreWindow::showNextStore);
  addMenuOrder(QStringLiteral("ﾘｽﾄ(&L)"), QStringLiteral("listbtn"), QStringLiteral("tempomenu"));
  popup_ = new QMenu(this);
  layout_.restore();
}

void StoreWindow::budgetCommand(int command) {
  if (runBudgetCommand(mainWindow(), this, command, shownSlot())) refresh();
}

QMenu* StoreWindow::popupMenu() {
  popup_->clear();
  addCommandItems(popup_, pages_->currentWidget(), windowOrderButtons(this));
  popup_->addSeparator();
  connect(popup_->addAction(QStringLiteral("倉庫(&S)")), &QAction::triggered, this,
          [this] { openWarehouse(mainWindow(), this); });
  connect(popup_->addAction(QStringLiteral("電卓(&C)")), &QAction::triggered, this,
          [this] { openCalculator(this); });
  return popup_;
}

void StoreWindow::contextMenuEvent(QContextMenuEvent* event) {
  popupMenu()->exec(event->globalPos());
}

int StoreWindow::shownSlot() const { return hasStore_ ? findStore(world().kaichou, shown_) : 0; }

void StoreWindow::showStore(int slot) {
  if (slot >= 1 && slot <= kStoreSlots && world().kaichou.slot(slot).used) {
    shown_ = identityOf(world().kaichou.slot(slot));
    hasStore_ = true;
  }
  Ttempoform::showStore(slot);
}

void StoreWindow::showNextStore() {
  const tkaichou& k = world().kaichou;
  const int current = shownSlot() != 0 ? shownSlot() : slot();
  for (int step = 1; step < kStoreSlots; ++step) {
    const int n = (current - 1 + step) % kStoreSlots + 1;
    if (!k.slot(n).used) continue;
    showStore(n);
    mainWindow().centreOn(k.slot(n).blockX, k.slot(n).blockY);
    return;
  }
}

void StoreWindow::refresh() {
  const int slot = shownSlot();
  status_->personnelCostButton()->setEnabled(slot != 0);
  for (BudgetPage::Command c :
       {BudgetPage::kTakings, BudgetPage::kMaintenanceDetail, BudgetPage::kPersonnelCosts})
    budget_->button(c)->setEnabled(slot != 0);
  if (slot == 0) {
    status_->clear();
    budget_->clear();
    machines_->clear();
    stats_->clear();
    return;
  }
  const Ttempo& s = world().kaichou.slot(slot);
  status_->showStore(world(), s);
  budget_->showBudget(storeBudget(s, forecastTerms(world())));
  machines_->showStore(s);
  stats_->showHistory(storeHistory(world(), s));
}

bool StoreWindow::objectStillExists() const { return shownSlot() != 0; }

void StoreWindow::worldReplaced() {
  hasStore_ = false;
  refresh();
}

}  // namespace gm

// The store window.
#include "ui/store_window.h"

#include <QContextMenuEvent>
#include <QLayout>
#include <QMenu>
#include <QPushButton>
#include <QTabWidget>

#include "company/company_figures.h"
#include "company/store_selection.h"
#include "shell/main_window.h"
#include "store/equipment_order.h"
#include "store/island_settings.h"
#include "store/opening_order.h"
#include "ui/advice_orders.h"
#include "ui/advice_page.h"
#include "ui/budget_page.h"
#include "ui/command_menu.h"
#include "ui/construction_dialog.h"
#include "ui/exchange_rate_dialog.h"
#include "ui/island_bulk_dialogs.h"
#include "ui/job_stream_runner.h"
#include "ui/machine_window.h"
#include "ui/management_commands.h"
#include "ui/manipulation_dialog.h"
#include "ui/personnel_cost_window.h"
#include "ui/profit_rate_dialog.h"
#include "ui/promotion_dialog.h"
#include "ui/replacement_dialog.h"
#include "ui/stats_page.h"
#include "ui/store_window_bulk.h"
#include "ui/store_window_equipment.h"
#include "ui/store_window_islands.h"
#include "ui/store_window_promotion.h"
#include "world/world.h"

namespace gm {

namespace {
enum IslandStep { kStepRate, kStepForm, kStepMorning };
}

StoreWindow::StoreWindow(TMain& main)
    : Ttempoform(main), layout_(this, QStringLiteral("tempoform")) {
  pages_ = new QTabWidget(this);
  status_ = new StoreStatusPage(pages_);
  budget_ = new BudgetPage(false, pages_);
  bulk_ = new StoreBulkPage(pages_);
  islands_ = new StoreIslandsPage(pages_);
  promotion_ = new StorePromotionPage(pages_);
  equipment_ = new StoreEquipmentPage(pages_);
  stats_ = new StatsPage(pages_);
  pages_->addTab(status_, tr("ｽﾃｰﾀｽ"));
  pages_->addTab(budget_, tr("予算"));
  pages_->addTab(bulk_, tr("一括設定"));
  pages_->addTab(islands_, tr("個別調整"));
  pages_->addTab(promotion_, tr("販促"));
  pages_->addTab(equipment_, tr("設備"));
  pages_->addTab(stats_, tr("統計"));
  advice_ = new AdvicePage(pages_);
  pages_->addTab(advice_, tr("診断"));
  connect(advice_, &AdvicePage::remedyRequested, this,
          [this](const Advice& a) { runStoreRemedy(*this, a); });
  layout()->addWidget(pages_);
  connect(budget_, &BudgetPage::commandChosen, this, &StoreWindow::budgetCommand);

  connect(status_->personnelCostButton(), &QPushButton::clicked, this, [this] {
    if (runPersonnelCostDialog(this, world(), selectSlot(shownSlot()))) refresh();
  });

  addCommonOrders();
  connect(addOrderButton(tr("次店(&Q)"), QStringLiteral("nextbtn")), &QPushButton::clicked, this,
          &StoreWindow::showNextStore);
  addMenuOrder(tr("ﾘｽﾄ(&L)"), QStringLiteral("listbtn"), QStringLiteral("tempomenu"));

  connect(status_, &StoreStatusPage::commandChosen, this, &StoreWindow::runStatusCommand);
  connect(bulk_, &StoreBulkPage::commandChosen, this, &StoreWindow::runBulkCommand);
  connect(equipment_, &StoreEquipmentPage::investRequested, this, &StoreWindow::invest);
  connect(promotion_, &StorePromotionPage::changeRequested, this, &StoreWindow::changePromotions);
  connect(islands_, &StoreIslandsPage::rateStepped, this,
          [this](Money step) { stepIslands(kStepRate, step, 0); });
  connect(islands_, &StoreIslandsPage::formStepped, this,
          [this](int step) { stepIslands(kStepForm, Money(), step); });
  connect(islands_, &StoreIslandsPage::morningStepped, this,
          [this](int step) { stepIslands(kStepMorning, Money(), step); });
  connect(islands_, &StoreIslandsPage::refreshRequested, this, &StoreWindow::refresh);
  connect(islands_, &StoreIslandsPage::replacementRequested, this, &StoreWindow::openReplacement);
  connect(islands_, &StoreIslandsPage::machineRequested, this, &StoreWindow::openMachine);

  popup_ = new QMenu(this);
  layout_.addList(islands_->dailistPanel());
  layout_.restore();
}

StoreMachineGrids* StoreWindow::machineGrids() const { return bulk_->machineGrids(); }

void StoreWindow::budgetCommand(int command) {
  if (runBudgetCommand(mainWindow(), this, command, shownSlot())) afterOrder();
}

QMenu* StoreWindow::popupMenu() {
  popup_->clear();
  addCommandItems(popup_, pages_->currentWidget(), windowOrderButtons(this));
  popup_->addSeparator();
  connect(popup_->addAction(tr("倉庫(&G)")), &QAction::triggered, this,
          [this] { openWarehouse(mainWindow(), this); });
  connect(popup_->addAction(tr("電卓(&U)")), &QAction::triggered, this,
          [this] { openCalculator(this); });
  giveEveryItemItsOwnLetter(popup_);
  return popup_;
}

void StoreWindow::contextMenuEvent(QContextMenuEvent* event) {
  popupMenu()->exec(event->globalPos());
}

int StoreWindow::shownSlot() const { return hasStore_ ? findStore(world().kaichou, shown_) : 0; }

Ttempo* StoreWindow::shownStore() const {
  const int slot = shownSlot();
  return slot == 0 ? nullptr : &world().kaichou.slot(slot);
}

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
  const Ttempo* s = shownStore();
  status_->personnelCostButton()->setEnabled(s != nullptr);
  for (BudgetPage::Command c :
       {BudgetPage::kTakings, BudgetPage::kMaintenanceDetail, BudgetPage::kPersonnelCosts})
    budget_->button(c)->setEnabled(s != nullptr);
  if (!s) {
    status_->clear();
    budget_->clear();
    bulk_->clear();
    islands_->clear();
    promotion_->clear();
    equipment_->clear();
    stats_->clear();
    advice_->clear();
    pages_->setTabText(pages_->indexOf(advice_), adviceTabCaption(AdviceList()));
    return;
  }
  // A rebuild may have renamed the store: follow it under its new name.
  shown_ = identityOf(*s);
  const tworld& w = world();
  status_->showStore(w, *s);
  budget_->showBudget(storeBudget(*s, forecastTerms(w)));
  bulk_->showStore(w, *s);
  islands_->showStore(w, *s,
                      mainWindow().options().daiiconview ? &mainWindow().pictures() : nullptr);
  promotion_->showStore(w, *s);
  equipment_->showStore(w, *s);
  stats_->showHistory(storeHistory(w, *s));
  advice_->showStore(w, shownSlot());
  pages_->setTabText(pages_->indexOf(advice_), adviceTabCaption(advice_->advice()));
}

void StoreWindow::rebuildLists() { refresh(); }

bool StoreWindow::objectStillExists() const { return shownSlot() != 0; }

void StoreWindow::worldReplaced() {
  hasStore_ = false;
  refresh();
}

void StoreWindow::afterOrder() {
  refresh();
  const SubWindows& subs = mainWindow().subWindows();
  for (DataWindow* d :
       {static_cast<DataWindow*>(subs.kaishaform), static_cast<DataWindow*>(subs.ddaidata),
        static_cast<DataWindow*>(subs.chipform)})
    if (d && d->isVisible()) d->refresh();
}

void StoreWindow::runStatusCommand(int command) {
  Ttempo* s = shownStore();
  if (!s) return;
  tworld& w = world();
  const int slot = shownSlot();
  switch (command) {
    case StoreStatusPage::kOpen: {
      const OpeningResult r = OrderOpening(w, *s);
      afterOrder();
      if (r.jobStream) runStoreJobStream(mainWindow(), slot);
      break;
    }
    case StoreStatusPage::kClose:
      OrderClosing(w, *s);
      break;
    case StoreStatusPage::kConstruction: {
      // A rebuild renames the store: the window follows it by its block.
      const int row = s->blockY, column = s->blockX;
      if (runConstruction(this, w, row, column)) {
        const int n = w.kaichou.TempoAt(row, column);
        if (w.kaichou.slot(n).used && w.kaichou.slot(n).blockY == row &&
            w.kaichou.slot(n).blockX == column)
          shown_ = identityOf(w.kaichou.slot(n));
      }
      break;
    }
    case StoreStatusPage::kExchangeRates: {
      Tkankinform dialog(w, selectSlot(slot), this);
      dialog.exec();
      break;
    }
    case StoreStatusPage::kManipulations: {
      Ttempoinchiki dialog(w, selectSlot(slot), this);
      dialog.exec();
      break;
    }
    case StoreStatusPage::kJobStream:
      runStoreJobStream(mainWindow(), slot);
      break;
    default:
      return;
  }
  afterOrder();
}

void StoreWindow::runBulkCommand(int command) {
  const int slot = shownSlot();
  if (slot == 0) return;
  tworld& w = world();
  const StoreSelection one = selectSlot(slot);
  switch (command) {
    case StoreBulkPage::kProfitRates: {
      Triritushuusei dialog(w, one, this);
      dialog.exec();
      break;
    }
    case StoreBulkPage::kBusinessForms: {
      TKeitaichousei dialog(w, one, this);
      dialog.exec();
      break;
    }
    case StoreBulkPage::kMorning: {
      TMorningchousei dialog(w, one, this);
      dialog.exec();
      break;
    }
    case StoreBulkPage::kNewDefaults: {
      Tdefform dialog(w, one, this);
      dialog.exec();
      break;
    }
    default:
      return;
  }
  afterOrder();
}

void StoreWindow::stepIslands(int what, const Money& rateStep, int step) {
  Ttempo* s = shownStore();
  if (!s) return;
  const std::vector<IslandPosition> chosen = islands_->selectedIslands();
  if (what == kStepRate) StepProfitRate(*s, chosen, rateStep);
  if (what == kStepForm) StepBusinessForm(*s, chosen, step);
  if (what == kStepMorning) StepMorning(*s, chosen, step);
  afterOrder();
}

void StoreWindow::invest(int item) {
  Ttempo* s = shownStore();
  if (!s) return;
  OrderEquipment(world(), *s, item);
  afterOrder();
}

void StoreWindow::changePromotions() {
  const int slot = shownSlot();
  if (slot == 0) return;
  Thansokusettei dialog(world(), selectSlot(slot), this);
  dialog.exec();
  afterOrder();
}

void StoreWindow::openReplacement() {
  const int slot = shownSlot();
  if (slot == 0) return;
  runReplacement(this, world(), mainWindow().options(), slot,
                 mainWindow().options().daiiconview ? &mainWindow().pictures() : nullptr);
  afterOrder();
}

void StoreWindow::openMachine(int floor, int island) {
  const int slot = shownSlot();
  if (slot == 0) return;
  if (auto* machines = dynamic_cast<MachineWindow*>(mainWindow().subWindows().ddaidata))
    machines->showStoreIsland(slot, floor, island);
}

}  // namespace gm

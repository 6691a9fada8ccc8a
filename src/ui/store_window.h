// The store window ("店舗データ", `Ttempoform`) with its pages and, below them, the orders the
// main window also gives plus the walk to the next store. It follows its store by name and block,
// so it keeps showing the same store after the company's slots have moved. The pages' commands
// run the store orders on the company's store and then show the store again.
#pragma once

#include "shell/sub_windows.h"
#include "ui/list_layout.h"
#include "ui/store_window_status.h"

class QMenu;
class QTabWidget;

namespace gm {

class AdvicePage;
class BudgetPage;
class Money;
class StatsPage;
class StoreBulkPage;
class StoreEquipmentPage;
class StoreIslandsPage;
class StoreMachineGrids;
class StorePromotionPage;
class Ttempo;

class StoreWindow : public Ttempoform {
  Q_OBJECT

 public:
  explicit StoreWindow(TMain& main);

  void showStore(int slot) override;
  void refresh() override;
  void rebuildLists() override;
  bool objectStillExists() const override;
  void worldReplaced() override;

  // The slot 1..50 of the store shown, 0 when it is gone.
  int shownSlot() const;
  // "次店(&Q)": the next store in use after the one shown, wrapping from the last slot to the
  // first; its block is selected on the map. With no other store nothing changes.
  void showNextStore();
  QTabWidget* pages() const { return pages_; }
  StoreStatusPage* statusPage() const { return status_; }
  BudgetPage* budgetPage() const { return budget_; }
  StoreBulkPage* bulkPage() const { return bulk_; }
  StoreMachineGrids* machineGrids() const;
  StoreIslandsPage* islandsPage() const { return islands_; }
  StorePromotionPage* promotionPage() const { return promotion_; }
  StoreEquipmentPage* equipmentPage() const { return equipment_; }
  StatsPage* statsPage() const { return stats_; }
  AdvicePage* advicePage() const { return advice_; }
  // The pop-up menu as it stands for the page shown: the page's commands, the window's orders,
  // the warehouse and the calculator.
  QMenu* popupMenu();

  // The status page's commands, the bulk page's and the island page's.
  void runStatusCommand(int command);
  void runBulkCommand(int command);
  void openReplacement();
  void changePromotions();

 protected:
  void contextMenuEvent(QContextMenuEvent* event) override;

 private:
  Ttempo* shownStore() const;
  void stepIslands(int what, const Money& rateStep, int step);
  void invest(int item);
  void openMachine(int floor, int island);
  // After an order: this window and the other windows that show the company's figures.
  void afterOrder();
  void budgetCommand(int command);

  // Writes the layout as the window goes, while its pages still stand.
  WindowLayout layout_;
  StoreIdentity shown_;
  bool hasStore_ = false;
  QTabWidget* pages_;
  StoreStatusPage* status_;
  BudgetPage* budget_;
  StoreBulkPage* bulk_;
  StoreIslandsPage* islands_;
  StorePromotionPage* promotion_;
  StoreEquipmentPage* equipment_;
  StatsPage* stats_;
  AdvicePage* advice_;
  QMenu* popup_;
};

}  // namespace gm

// The company manager's store list ("店舗一覧"): every store in use (`tempolist`: name, state,
// size, block, machines, staff and last month's customers, takings, profits, rates and ratings),
// several of which may be selected, with the commands over the selected stores. A double click
// or "店舗ﾃﾞｰﾀ(&T)" opens the store window; "人件費(&N)" sets the personnel spending of all the
// selected stores at once.
#pragma once

#include <QWidget>
#include <array>

#include "company/personnel_orders.h"
#include "ui/list_layout.h"

class QPushButton;

namespace gm {

class PictureBook;
class tworld;

class CompanyStoreListPage : public QWidget {
  Q_OBJECT

 public:
  enum Column {
    kName,
    kState,
    kSize,
    kBlock,
    kMachines,
    kStaff,
    kCustomers,
    kTakings,
    kGrossProfit,
    kNetProfit,
    kProfitRate,
    kAttendance,
    kRefinement,
    kFame,
    kSatisfaction,
    kColumnCount
  };
  enum Command { kPersonnelCosts, kStoreData, kSelectAll, kColumns, kCommandCount };

  explicit CompanyStoreListPage(QWidget* parent = nullptr);

  // Fills the list; `pictures` gives the rows their state's icon (null: text only).
  void showStores(const tworld& world, const PictureBook* pictures);

  ListPanel* tempolist() const { return list_; }
  QPushButton* button(Command c) const { return buttons_[c]; }
  // The selected stores, by slot.
  StoreSelection selection() const;
  // The slot of the store the command "店舗ﾃﾞｰﾀ(&T)" opens: the current row if it is selected,
  // else the first selected row; 0 when nothing is selected.
  int chosenStore() const;

 signals:
  void commandChosen(int command);
  void storeOpened(int slot);

 private:
  ListPanel* list_;
  std::array<QPushButton*, kCommandCount> buttons_{};
};

}  // namespace gm

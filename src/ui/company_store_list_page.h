// The company manager's store list ("店舗一覧"): every store in use (`tempolist`: name, state,
// size, block, machines, staff and last month's customers, takings, profits, rates and ratings),
// several of which may be selected, with the commands over the selected stores: the bulk dialogs
// for all of them at once and their job stream. A double click or "店舗ﾃﾞｰﾀ(&T)" opens the store
// window, and "入替(&I)" the replacement plan, of the store chosen.
#pragma once

#include <QWidget>
#include <array>

#include "company/store_selection.h"
#include "ui/list_layout.h"

class QLabel;
class QPushButton;

namespace gm {

class PictureBook;
class tworld;

class CompanyStoreListPage : public QWidget {
  Q_OBJECT

 public:
  enum Column {
    kName,
    kAdvice,  // the advisor's mark for a hall that needs attention
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
  enum Command {
    kProfitRates,
    kBusinessForms,
    kExchangeRates,
    kMorning,
    kPromotions,
    kPersonnelCosts,
    kManipulations,
    kNewDefaults,
    kJobStream,
    kStoreData,
    kSelectAll,
    kColumns,
    kReplacement,
    kCommandCount
  };

  explicit CompanyStoreListPage(QWidget* parent = nullptr);

  // Fills the list; `pictures` gives the rows their state's icon (null: text only).
  void showStores(const tworld& world, const PictureBook* pictures);

  ListPanel* tempolist() const { return list_; }
  // The advisor's word on the company as a whole, above the list.
  QLabel* companyAdvice() const { return companyAdvice_; }
  QPushButton* button(Command c) const { return buttons_[c]; }
  // The selected stores, by slot.
  StoreSelection selection() const;
  // The slot of the store "店舗ﾃﾞｰﾀ(&T)" and "入替(&I)" open: the current row if it is selected,
  // else the first selected row; 0 when nothing is selected.
  int chosenStore() const;

 signals:
  void commandChosen(int command);
  void storeOpened(int slot);

 private:
  ListPanel* list_;
  QLabel* companyAdvice_;
  std::array<QPushButton*, kCommandCount> buttons_{};
};

}  // namespace gm

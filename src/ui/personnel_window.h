// The personnel window ("人事", `Tidouform`): the company's stores with their staff against their
// need, the surplus pool (余剰ｽﾀｯﾌ), and the orders that move people between the selected stores
// and the pool, hire, dismiss the pool and confirm. Everything happens on the personnel orders'
// working copies; only "決定(&R)" writes them back. It opens behind the personnel guard, and
// without it for the year's new graduates, who arrive in the pool.
#pragma once

#include <QString>
#include <array>
#include <memory>

#include "company/personnel_orders.h"
#include "shell/sub_windows.h"
#include "ui/list_layout.h"

class QLabel;
class QPushButton;
class QRadioButton;
class QTreeWidget;

namespace gm {

class PersonnelWindow : public Tidouform {
  Q_OBJECT

 public:
  enum Command {
    kAssign1,
    kAssign10,
    kAssign100,
    kAssignAll,
    kOut1,
    kOut10,
    kOut100,
    kOutAll,
    kLeaveItToMe,
    kHire,
    kDismiss,
    kSelectAll,
    kConfirm,
    kCancel,
    kCommandCount
  };
  enum Column {
    kColName,
    kColState,
    kColMen,
    kColWomen,
    kColTotal,
    kColNeed,
    kColShortage,
    kColMoral,
    kColSkill,
    kColSalary,
    kColumnCount
  };
  enum PoolField { kPoolMen, kPoolWomen, kPoolTotal, kPoolMoral, kPoolSkill, kPoolFieldCount };

  explicit PersonnelWindow(TMain& main);
  ~PersonnelWindow() override;

  // The "人事(&S)" order: the guard, then the screen on fresh copies with an empty pool.
  void openPersonnel() override;
  // The entry window for the new graduates; those taken open the screen with them in the pool.
  void takeInGraduates(const GraduateOffer& offer) override;
  void refresh() override;
  void rebuildLists() override;
  void worldReplaced() override;
  // Leaving is refused while it would lose people who came in or went this time.
  void reject() override;

  PersonnelSession& session();
  QTreeWidget* storeList() const { return list_; }
  ListPanel* storePanel() const { return panel_; }
  QPushButton* button(Command c) const { return buttons_[c]; }
  QRadioButton* choiceButton(StaffChoice c) const { return choices_[static_cast<int>(c)]; }
  QLabel* poolLabel(PoolField f) const { return pool_[f]; }
  // The selected stores, by slot.
  StoreSelection selection() const;
  // The selected stores in the order the list shows them, as the moves serve them.
  StoreOrder shownSelection() const;
  // Selects the rows of the given slots only.
  void select(const StoreSelection& stores);

 private:
  void startSession();
  void runScreen();
  void fill();
  StaffChoice choice() const;
  void move(bool intoStores, int amount);
  void hire();

  // Writes the list's layout as the window goes, while the list still stands.
  WindowLayout layout_;
  std::unique_ptr<PersonnelSession> session_;
  ListPanel* panel_;
  QTreeWidget* list_;
  std::array<QPushButton*, kCommandCount> buttons_{};
  std::array<QRadioButton*, 3> choices_{};
  std::array<QLabel*, kPoolFieldCount> pool_{};
};

}  // namespace gm

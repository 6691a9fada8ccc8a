// The exchange-rate dialog (`Tkankinform`, "交換率変更") for one store or several: the pachinko
// and slot rates, the union's limits and the cost of the change.
#pragma once

#include "company/store_selection.h"
#include "ui/order_dialog.h"

class QComboBox;
class QLabel;

namespace gm {

class Tkankinform : public OrderDialog {
  Q_OBJECT

 public:
  Tkankinform(tworld& world, const StoreSelection& stores, QWidget* parent = nullptr);

  QComboBox* pachinkoRate() const { return pachinko_; }
  QComboBox* slotRate() const { return slot_; }
  QLabel* costLabel() const { return cost_; }

 protected:
  OrderOutcome runOrder() override;

 private:
  void showCheck();

  StoreSelection stores_;
  QComboBox* pachinko_;
  QComboBox* slot_;
  QLabel* cost_;
  QLabel* check_;
};

}  // namespace gm

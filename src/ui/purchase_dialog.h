// The purchase dialog (`Tdaibuyform`, "購入"): how many islands of the chosen model to buy, with
// the unit price after the maker's discount, the machines, the total, the cash and the room left
// in the warehouse; "決定" runs the purchase order.
#pragma once

#include "ui/order_dialog.h"

class QLabel;
class QSpinBox;

namespace gm {

class Tdaibuyform : public OrderDialog {
  Q_OBJECT

 public:
  Tdaibuyform(tworld& world, int maker, int slot, QWidget* parent = nullptr);

  QSpinBox* islandsEdit() const { return islands_; }
  QLabel* unitPriceLabel() const { return unit_; }
  QLabel* machinesLabel() const { return machines_; }
  QLabel* totalLabel() const { return total_; }
  QLabel* restLabel() const { return rest_; }

 protected:
  OrderOutcome runOrder() override;

 private:
  void showPrice();

  int maker_;
  int slot_;
  QSpinBox* islands_;
  QLabel* unit_;
  QLabel* machines_;
  QLabel* total_;
  QLabel* rest_;
  QLabel* check_;
};

}  // namespace gm

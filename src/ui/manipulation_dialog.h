// The manipulation dialog (`Ttempoinchiki`, "工作変更") for one store or several: a check box per
// manipulation (half-checked where only some of the stores have it, which leaves them as they
// are) and the cost of the change.
#pragma once

#include <array>

#include "company/manipulation_order.h"
#include "ui/order_dialog.h"

class QCheckBox;
class QLabel;

namespace gm {

class Ttempoinchiki : public OrderDialog {
  Q_OBJECT

 public:
  Ttempoinchiki(tworld& world, const StoreSelection& stores, QWidget* parent = nullptr);

  QCheckBox* manipulationBox(int bit) const { return boxes_[bit]; }
  QLabel* costLabel() const { return cost_; }
  ManipulationChange change() const;

 protected:
  OrderOutcome runOrder() override;

 private:
  void showCost();

  StoreSelection stores_;
  std::array<QCheckBox*, kManipulationCount> boxes_{};
  QLabel* cost_;
};

}  // namespace gm

// The construction dialog (`Tkoujiform`, "工事"): the work types for the selected block with the
// price of each, and the order's own check of the chosen one as a line under them.
#pragma once

#include <array>

#include "company/construction_order.h"
#include "ui/order_dialog.h"

class QLabel;
class QRadioButton;

namespace gm {

class Tkoujiform : public OrderDialog {
  Q_OBJECT

 public:
  Tkoujiform(tworld& world, int row, int column, QWidget* parent = nullptr);

  QRadioButton* workButton(int workType) const { return works_[workType]; }
  int chosenWork() const;
  // The check of the chosen work ("" when it may go ahead).
  QLabel* checkLine() const { return check_; }

 protected:
  OrderOutcome runOrder() override;

 private:
  void showCheck();

  int row_;
  int column_;
  std::array<QRadioButton*, kWorkTypeCount> works_{};
  QLabel* check_;
};

// Opens the construction dialog for a block; answers whether a construction was ordered.
bool runConstruction(QWidget* parent, tworld& world, int row, int column);

}  // namespace gm

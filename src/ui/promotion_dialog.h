// The promotion dialog (`Thansokusettei`, "販売促進予算変更") for one store or several: a choice
// per promotion, each promotion's monthly cost and their total. For a single store a tissue or mail
// choice beyond what its staff can hand out is set back at once, with the order's own message.
#pragma once

#include <array>

#include "company/promotion_order.h"
#include "ui/order_dialog.h"

class QComboBox;
class QLabel;

namespace gm {

class Thansokusettei : public OrderDialog {
  Q_OBJECT

 public:
  // The costs shown: event, tissues, mail, TV, WWW, newspaper and the total.
  enum CostRow {
    kCostEvent,
    kCostTissue,
    kCostMail,
    kCostTv,
    kCostWww,
    kCostNewspaper,
    kCostTotal,
    kCostRows
  };

  // The choices start from the first selected store's.
  Thansokusettei(tworld& world, const StoreSelection& stores, QWidget* parent = nullptr);

  QComboBox* choiceBox(Promotion p) const { return boxes_[static_cast<int>(p)]; }
  QLabel* costLabel(CostRow r) const { return costs_[r]; }
  Thansoku choices() const;

 protected:
  OrderOutcome runOrder() override;

 private:
  void choiceChanged();

  StoreSelection stores_;
  std::array<QComboBox*, kPromotionCount> boxes_{};
  std::array<QLabel*, kCostRows> costs_{};
};

}  // namespace gm

// The bulk profit-rate dialog (`Triritushuusei`, "利益率一括修正") for one store or several: new
// rates by machine type (機種別で修正) or by business form of the pachinko and slot islands
// (営業形態別で修正), with the month's forecast of the profit rate and the gross profit at the
// rates being set. Only the rows the player changes are written.
#pragma once

#include <array>

#include "company/bulk_settings_order.h"
#include "ui/order_dialog.h"

class QLabel;
class QRadioButton;
class QStackedWidget;

namespace gm {

class RateSpinBox;

class Triritushuusei : public OrderDialog {
  Q_OBJECT

 public:
  Triritushuusei(tworld& world, const StoreSelection& stores, QWidget* parent = nullptr);

  QRadioButton* byTypeButton() const { return byType_; }
  QRadioButton* byFormButton() const { return byForm_; }
  RateSpinBox* typeRate(int type) const { return typeRates_[type]; }
  // Kind 0 pachinko, 1 slot; form 0..3.
  RateSpinBox* formRate(int kind, int form) const {
    return formRates_[kind * kBusinessForms + form];
  }
  QLabel* forecastRate() const { return forecastRate_; }
  QLabel* forecastGross() const { return forecastGross_; }
  QLabel* forecastNet() const { return forecastNet_; }
  ProfitRateChanges changes() const;

 protected:
  OrderOutcome runOrder() override;

 private:
  void showForecast();

  StoreSelection stores_;
  QRadioButton* byType_;
  QRadioButton* byForm_;
  QStackedWidget* pages_;
  std::array<RateSpinBox*, kMachineTypeCount> typeRates_{};
  std::array<Money, kMachineTypeCount> typeStart_{};
  std::array<RateSpinBox*, 2 * kBusinessForms> formRates_{};
  std::array<Money, 2 * kBusinessForms> formStart_{};
  QLabel* forecastRate_;
  QLabel* forecastGross_;
  QLabel* forecastNet_;
};

}  // namespace gm

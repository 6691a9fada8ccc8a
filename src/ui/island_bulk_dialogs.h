// The bulk island dialogs for one store or several: business forms by machine type
// (`TKeitaichousei`, "営業形態一括調整"), the morning service of every slot island
// (`TMorningchousei`, "ﾓｰﾆﾝｸﾞ一括設定") and the defaults for new islands (`Tdefform`,
// "新台初期値設定").
#pragma once

#include <array>

#include "company/bulk_settings_order.h"
#include "ui/order_dialog.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QRadioButton;
class QSpinBox;

namespace gm {

class RateSpinBox;

class TKeitaichousei : public OrderDialog {
  Q_OBJECT

 public:
  TKeitaichousei(tworld& world, const StoreSelection& stores, QWidget* parent = nullptr);

  QCheckBox* typeBox(int type) const { return types_[type]; }
  QRadioButton* formButton(int form) const { return forms_[form]; }
  BusinessFormChange change() const;

 protected:
  OrderOutcome runOrder() override;

 private:
  StoreSelection stores_;
  std::array<QCheckBox*, kMachineTypeCount> types_{};
  std::array<QRadioButton*, kBusinessForms> forms_{};
};

class TMorningchousei : public OrderDialog {
  Q_OBJECT

 public:
  TMorningchousei(tworld& world, const StoreSelection& stores, QWidget* parent = nullptr);

  QSpinBox* machinesEdit() const { return machines_; }
  // "ﾓｰﾆﾝｸﾞ合計／ﾊﾟﾁｽﾛ合計" now and once the change is made.
  QLabel* ratioNow() const { return now_; }
  QLabel* ratioAfter() const { return after_; }

 protected:
  OrderOutcome runOrder() override;

 private:
  void showRatio();

  StoreSelection stores_;
  QSpinBox* machines_;
  QLabel* now_;
  QLabel* after_;
};

class Tdefform : public OrderDialog {
  Q_OBJECT

 public:
  // The edits start from the first selected store's defaults.
  Tdefform(tworld& world, const StoreSelection& stores, QWidget* parent = nullptr);

  RateSpinBox* rateEdit(int type) const { return rates_[type]; }
  QComboBox* formEdit(int type) const { return forms_[type]; }
  QSpinBox* morning8Edit() const { return morning8_; }
  QSpinBox* morning9Edit() const { return morning9_; }
  NewIslandDefaults defaults() const;

 protected:
  OrderOutcome runOrder() override;

 private:
  StoreSelection stores_;
  std::array<RateSpinBox*, kMachineTypeCount> rates_{};
  std::array<QComboBox*, kMachineTypeCount> forms_{};
  QSpinBox* morning8_;
  QSpinBox* morning9_;
};

}  // namespace gm

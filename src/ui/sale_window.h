// The sale window (`Tsaleform`, "売却金額"): the player names the asking price for his vacant
// land, with the block's land price and the company's cash beside the edit.
#pragma once

#include <QDialog>
#include <cstdint>
#include <optional>

#include "base/money.h"

class QLabel;
class QPushButton;
class QSpinBox;

namespace gm {

class Tsaleform : public QDialog {
  Q_OBJECT

 public:
  // The largest asking price the edit takes, in thousands of yen.
  static constexpr int kMaxPrice = 2000000000;

  Tsaleform(int landPrice, Money cash, QWidget* parent = nullptr);

  // Runs the window; the asking price in thousands of yen, or nothing when cancelled.
  std::optional<int64_t> askPrice();

  QSpinBox* priceEdit() const { return price_; }
  QLabel* landPriceLabel() const { return landPrice_; }
  QLabel* cashLabel() const { return cash_; }
  QPushButton* okButton() const { return ok_; }
  QPushButton* cancelButton() const { return cancel_; }

 private:
  QSpinBox* price_;
  QLabel* landPrice_;
  QLabel* cash_;
  QPushButton* ok_;
  QPushButton* cancel_;
};

// The sale window for the program's port.
std::optional<int64_t> askSalePrice(QWidget* parent, int landPrice, Money cash);

}  // namespace gm

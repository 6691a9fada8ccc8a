// The negotiation's amount dialog (`Tbuymoney`): the player names his offer for the land, with
// the owner's asking price ("地価"), the cash ("資金") and what would be left ("残り資金") beside
// it. The offer never reaches the cash, and "決定(&R)" takes only an offer above 0.
#pragma once

#include <QDialog>
#include <cstdint>
#include <optional>

#include "base/money.h"

class QLabel;
class QPushButton;
class QSpinBox;

namespace gm {

// "残り資金  " and cash less the offer.
QString remainderText(Money cash, int64_t offer);

class Tbuymoney : public QDialog {
  Q_OBJECT

 public:
  Tbuymoney(const QString& title, int64_t landPrice, Money cash, QWidget* parent = nullptr);

  // `KingakuNyuuryoku`: the offer in whole thousands of yen; nothing when the player closes the
  // dialog without an offer (Esc or the window's close box), which breaks the talk off.
  std::optional<int64_t> askOffer();

  QSpinBox* offerEdit() const { return offer_; }
  QLabel* landPriceLabel() const { return landPrice_; }
  QLabel* cashLabel() const { return cash_; }
  QLabel* remainderLabel() const { return remainder_; }
  QPushButton* okButton() const { return ok_; }

 private:
  void offerChanged(int offer);

  Money cashValue_;
  QSpinBox* offer_;
  QLabel* landPrice_;
  QLabel* cash_;
  QLabel* remainder_;
  QPushButton* ok_;
};

}  // namespace gm

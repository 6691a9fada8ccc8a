// The frame the order dialogs share: the dialog's own widgets above a row with "決定(&R)" and
// "取り消し(&N)". "決定" runs the dialog's core order; the dialog closes once the order is carried
// out (or would change nothing) and stays open after a refusal, a "no" or a shortfall, so that the
// player can change his choice. Cancelling changes nothing.
#pragma once

#include <QDialog>

#include "store/order_support.h"

class QPushButton;
class QVBoxLayout;

namespace gm {

class tworld;

class OrderDialog : public QDialog {
  Q_OBJECT

 public:
  OrderDialog(tworld& world, const QString& caption, const QString& name, QWidget* parent);

  QPushButton* okButton() const { return ok_; }
  QPushButton* cancelButton() const { return cancel_; }
  // What the last "決定" did; Declined until it is pressed.
  OrderOutcome lastOutcome() const { return outcome_; }

 protected:
  tworld& world() const { return world_; }
  // Where the dialog puts its widgets.
  QVBoxLayout* body() const { return body_; }
  virtual OrderOutcome runOrder() = 0;

 private:
  void confirm();

  tworld& world_;
  QVBoxLayout* body_;
  QPushButton* ok_;
  QPushButton* cancel_;
  OrderOutcome outcome_ = OrderOutcome::Declined;
};

}  // namespace gm

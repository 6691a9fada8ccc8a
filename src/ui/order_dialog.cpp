// The order dialogs' frame.
#include "ui/order_dialog.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace gm {

OrderDialog::OrderDialog(tworld& world, const QString& caption, const QString& name,
                         QWidget* parent)
    : QDialog(parent), world_(world) {
  setWindowTitle(caption);
  setObjectName(name);
  body_ = new QVBoxLayout;
  ok_ = new QPushButton(tr("決定(&R)"), this);
  cancel_ = new QPushButton(tr("取り消し(&N)"), this);
  ok_->setDefault(true);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(ok_);
  buttons->addWidget(cancel_);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(body_, 1);
  layout->addLayout(buttons);
  connect(ok_, &QPushButton::clicked, this, &OrderDialog::confirm);
  connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);
}

void OrderDialog::confirm() {
  outcome_ = runOrder();
  if (outcome_ == OrderOutcome::Done || outcome_ == OrderOutcome::Unchanged) accept();
}

}  // namespace gm

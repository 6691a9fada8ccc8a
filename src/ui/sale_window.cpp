// The sale window.
#include "ui/sale_window.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>
#include <algorithm>

namespace gm {

namespace {
QString grouped(Money m) { return QString::fromStdString(formatGrouped(m)); }
}  // namespace

Tsaleform::Tsaleform(int landPrice, Money cash, QWidget* parent) : QDialog(parent) {
  setWindowTitle(tr("売却金額"));

  landPrice_ = new QLabel(grouped(Money::fromInt(landPrice)), this);
  cash_ = new QLabel(grouped(cash), this);
  price_ = new QSpinBox(this);
  // "#,##0" whatever the desktop's language: the grouping of the game's other figures.
  price_->setLocale(QLocale(QLocale::English, QLocale::UnitedStates));
  price_->setGroupSeparatorShown(true);
  // Nobody gives land away: the lowest asking price is one thousand yen.
  price_->setRange(1, kMaxPrice);
  price_->setValue(std::clamp(landPrice, 1, kMaxPrice));
  price_->setAlignment(Qt::AlignRight);
  price_->setMinimumWidth(140);

  auto* form = new QFormLayout;
  form->addRow(tr("区画の地価(千円)"), landPrice_);
  form->addRow(tr("資金(千円)"), cash_);
  form->addRow(tr("売却金額(千円)"), price_);

  ok_ = new QPushButton(tr("決定(&R)"), this);
  cancel_ = new QPushButton(tr("取り消し(&N)"), this);
  ok_->setDefault(true);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(ok_);
  buttons->addWidget(cancel_);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  layout->addLayout(buttons);

  connect(ok_, &QPushButton::clicked, this, &QDialog::accept);
  connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);
  price_->selectAll();
}

std::optional<int64_t> Tsaleform::askPrice() {
  if (exec() != QDialog::Accepted) return std::nullopt;
  price_->interpretText();  // a price typed without leaving the edit still counts
  return price_->value();
}

std::optional<int64_t> askSalePrice(QWidget* parent, int landPrice, Money cash) {
  Tsaleform form(landPrice, cash, parent);
  return form.askPrice();
}

}  // namespace gm

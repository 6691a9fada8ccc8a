// The negotiation's amount dialog.
#include "ui/purchase_offer_dialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>
#include <algorithm>
#include <limits>

#include "company/negotiation.h"

namespace gm {

namespace {
QString grouped(Money m) { return QString::fromStdString(formatGrouped(m)); }
}  // namespace

QString remainderText(Money cash, int64_t offer) {
  return Tbuymoney::tr("残り資金  %1").arg(grouped(cash - Money::fromInt(offer)));
}

Tbuymoney::Tbuymoney(const QString& title, int64_t landPrice, Money cash, QWidget* parent)
    : QDialog(parent), cashValue_(cash) {
  setWindowTitle(title);
  setWindowFlag(Qt::WindowContextHelpButtonHint, false);

  landPrice_ = new QLabel(tr("地価  %1").arg(grouped(Money::fromInt(landPrice))), this);
  cash_ = new QLabel(tr("資金  %1").arg(grouped(cash)), this);
  remainder_ = new QLabel(this);
  offer_ = new QSpinBox(this);
  // "#,##0" whatever the desktop's language: the grouping of the game's other figures.
  offer_->setLocale(QLocale(QLocale::English, QLocale::UnitedStates));
  offer_->setGroupSeparatorShown(true);
  // The edit's own limit cuts every offer to cash - 1, typed or stepped.
  const int64_t cap = std::min<int64_t>(offerCap(cash), std::numeric_limits<int>::max());
  offer_->setRange(0, static_cast<int>(cap));
  offer_->setCorrectionMode(QAbstractSpinBox::CorrectToNearestValue);
  offer_->setAlignment(Qt::AlignRight);
  offer_->setMinimumWidth(160);
  offer_->setSingleStep(1000);

  ok_ = new QPushButton(tr("決定(&R)"), this);
  ok_->setDefault(true);
  connect(ok_, &QPushButton::clicked, this, &QDialog::accept);
  connect(offer_, &QSpinBox::valueChanged, this, &Tbuymoney::offerChanged);

  auto* figures = new QVBoxLayout;
  // The figures keep the game's own labels; the unit stands once above them.
  figures->addWidget(new QLabel(tr("（金額の単位：千円）"), this));
  figures->addWidget(landPrice_);
  figures->addWidget(cash_);
  figures->addWidget(remainder_);
  auto* entry = new QHBoxLayout;
  entry->addWidget(new QLabel(tr("買収金額"), this));
  entry->addWidget(offer_, 1);
  entry->addWidget(ok_);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(figures);
  layout->addLayout(entry);

  // The offer starts at the land price, so that a player with only a mouse can offer it at
  // once or step from it; the edit cuts it to what the cash allows.
  offer_->setValue(static_cast<int>(std::clamp<int64_t>(landPrice, 0, cap)));
  offerChanged(offer_->value());
  offer_->selectAll();
  offer_->setFocus();
}

void Tbuymoney::offerChanged(int offer) {
  remainder_->setText(remainderText(cashValue_, offer));
  ok_->setEnabled(offer > 0);
}

std::optional<int64_t> Tbuymoney::askOffer() {
  if (exec() != QDialog::Accepted) return std::nullopt;
  offer_->interpretText();  // an offer typed without leaving the edit still counts
  if (offer_->value() <= 0) return std::nullopt;
  return offer_->value();
}

}  // namespace gm

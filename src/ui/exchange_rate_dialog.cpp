// The exchange-rate dialog.
#include "ui/exchange_rate_dialog.h"

#include <QComboBox>
#include <QFormLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "company/exchange_rate_order.h"
#include "ui/screen_text.h"
#include "world/world.h"

namespace gm {

namespace {

// A limit at the last rate is no limit at all.
QString limitText(std::string_view name, bool none) {
  return none ? Tkankinform::tr("なし") : qs(name);
}

}  // namespace

Tkankinform::Tkankinform(tworld& world, const StoreSelection& stores, QWidget* parent)
    : OrderDialog(world, tr("交換率変更"), QStringLiteral("kankinform"), parent), stores_(stores) {
  pachinko_ = new QComboBox(this);
  for (int i = 0; i < kPachinkoRates; ++i) pachinko_->addItem(qs(pachinkoRateName(i)));
  slot_ = new QComboBox(this);
  for (int i = 0; i < kSlotRates; ++i) slot_->addItem(qs(slotRateName(i)));
  if (!stores.none()) {
    const Ttempo& first = world.kaichou.slot(firstSlot(stores));
    pachinko_->setCurrentIndex(first.pkankin);
    slot_->setCurrentIndex(first.skankin);
  }
  cost_ = new QLabel(moneyText(ExchangeRateCost(world, stores)), this);
  check_ = new QLabel(this);
  check_->setWordWrap(true);

  QString names;
  for (int n : slotsOf(stores)) {
    if (!names.isEmpty()) names += tr("、", "between the names of the stores");
    names += qs(world.kaichou.slot(n).name.view());
  }
  auto* form = new QFormLayout;
  form->addRow(tr("店舗"), new QLabel(names, this));
  form->addRow(tr("ﾊﾟﾁﾝｺの交換率"), pachinko_);
  form->addRow(tr("ｽﾛｯﾄの交換率"), slot_);
  form->addRow(tr("組合の規制（ﾊﾟﾁﾝｺ）"),
               new QLabel(limitText(pachinkoRateName(world.maxPachinkoRate),
                                    world.maxPachinkoRate >= kPachinkoRates - 1),
                          this));
  form->addRow(tr("組合の規制（ｽﾛｯﾄ）"), new QLabel(limitText(slotRateName(world.maxSlotRate),
                                                              world.maxSlotRate >= kSlotRates - 1),
                                                    this));
  form->addRow(tr("コスト(千円)"), cost_);
  body()->addLayout(form);
  body()->addWidget(check_);
  connect(pachinko_, &QComboBox::currentIndexChanged, this, &Tkankinform::showCheck);
  connect(slot_, &QComboBox::currentIndexChanged, this, &Tkankinform::showCheck);
  showCheck();
}

void Tkankinform::showCheck() {
  const Check c =
      CheckExchangeRates(world(), stores_, pachinko_->currentIndex(), slot_->currentIndex());
  check_->setText(c ? qs(c->text) : QString());
}

OrderOutcome Tkankinform::runOrder() {
  return OrderExchangeRates(world(), stores_, pachinko_->currentIndex(), slot_->currentIndex());
}

}  // namespace gm

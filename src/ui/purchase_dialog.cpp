// The purchase dialog.
#include "ui/purchase_dialog.h"

#include <QFormLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "company/machine_purchase.h"
#include "ui/screen_text.h"
#include "world/world.h"

namespace gm {

Tdaibuyform::Tdaibuyform(tworld& world, int maker, int slot, QWidget* parent)
    : OrderDialog(world, tr("購入"), QStringLiteral("daibuyform"), parent),
      maker_(maker),
      slot_(slot) {
  const Tmaker& m = world.makers[maker];
  const tdai& model = m.models[slot];
  islands_ = new QSpinBox(this);
  islands_->setRange(0, kMaxPurchaseIslands);
  islands_->setSuffix(tr(" 島"));
  islands_->setValue(1);
  unit_ = new QLabel(this);
  machines_ = new QLabel(this);
  total_ = new QLabel(this);
  rest_ = new QLabel(this);
  check_ = new QLabel(this);
  check_->setWordWrap(true);
  auto* form = new QFormLayout;
  form->addRow(tr("メーカー"), new QLabel(qs(m.name()), this));
  form->addRow(tr("台名"), new QLabel(qs(model.name.view()), this));
  form->addRow(tr("機種"), new QLabel(qs(machineTypeName(model.kishu)), this));
  form->addRow(tr("在庫"), new QLabel(tr("%1台").arg(moneyText(int64_t{model.zaiko})), this));
  form->addRow(tr("購入単価(円)"), unit_);
  form->addRow(tr("購入数"), islands_);
  form->addRow(tr("台数"), machines_);
  form->addRow(tr("費用(千円)"), total_);
  form->addRow(tr("残り資金(千円)"), rest_);
  form->addRow(tr("倉庫の空き"),
               new QLabel(tr("%1台").arg(moneyText(int64_t{world.kaichou.SoukoAki()})), this));
  body()->addLayout(form);
  body()->addWidget(check_);
  connect(islands_, &QSpinBox::valueChanged, this, &Tdaibuyform::showPrice);
  showPrice();
}

void Tdaibuyform::showPrice() {
  const tworld& w = world();
  const MachinePrice p =
      MachinePurchasePrice(w.makers[maker_], w.makers[maker_].models[slot_], islands_->value());
  unit_->setText(moneyText(int64_t{p.recordYen}));
  machines_->setText(tr("%1台").arg(moneyText(int64_t{p.machines})));
  total_->setText(moneyText(p.total));
  rest_->setText(moneyText(w.kaichou.sikin - Money::fromInt(p.total)));
  const Check c = CheckMachinePurchase(w, maker_, slot_, islands_->value());
  check_->setText(c ? qs(c->text) : QString());
}

OrderOutcome Tdaibuyform::runOrder() {
  islands_->interpretText();
  return OrderMachinePurchase(world(), maker_, slot_, islands_->value()).outcome;
}

}  // namespace gm

// The manipulation dialog.
#include "ui/manipulation_dialog.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "ui/screen_text.h"
#include "world/world.h"

namespace gm {

Ttempoinchiki::Ttempoinchiki(tworld& world, const StoreSelection& stores, QWidget* parent)
    : OrderDialog(world, tr("工作変更"), QStringLiteral("tempoinchiki"), parent), stores_(stores) {
  for (int bit = 0; bit < kManipulationCount; ++bit) {
    int with = 0;
    for (int n : slotsOf(stores)) with += (world.kaichou.slot(n).kousaku >> bit) & 1;
    boxes_[bit] = new QCheckBox(qs(manipulationCaption(bit)), this);
    const bool mixed = with > 0 && with < static_cast<int>(stores.count());
    boxes_[bit]->setTristate(mixed);
    boxes_[bit]->setCheckState(mixed ? Qt::PartiallyChecked
                                     : (with > 0 ? Qt::Checked : Qt::Unchecked));
    body()->addWidget(boxes_[bit]);
    connect(boxes_[bit], &QCheckBox::stateChanged, this, &Ttempoinchiki::showCost);
  }
  cost_ = new QLabel(this);
  auto* form = new QFormLayout;
  form->addRow(tr("コスト(千円)"), cost_);
  body()->addLayout(form);
  showCost();
}

ManipulationChange Ttempoinchiki::change() const {
  ManipulationChange c;
  for (int bit = 0; bit < kManipulationCount; ++bit) {
    const Qt::CheckState state = boxes_[bit]->checkState();
    if (state == Qt::Checked) c.add = static_cast<uint8_t>(c.add | (1u << bit));
    if (state == Qt::Unchecked) c.remove = static_cast<uint8_t>(c.remove | (1u << bit));
  }
  return c;
}

void Ttempoinchiki::showCost() {
  cost_->setText(moneyText(ManipulationCost(world(), stores_, change())));
}

OrderOutcome Ttempoinchiki::runOrder() { return OrderManipulations(world(), stores_, change()); }

}  // namespace gm

// The construction dialog.
#include "ui/construction_dialog.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "ui/screen_text.h"
#include "world/world.h"

namespace gm {

Tkoujiform::Tkoujiform(tworld& world, int row, int column, QWidget* parent)
    : OrderDialog(world, tr("工事"), QStringLiteral("koujiform"), parent),
      row_(row),
      column_(column) {
  body()->addWidget(new QLabel(
      tr("区画 %1  %2")
          .arg(qs(blockLabel(row, column)),
               world.onMap(row, column) ? qs(world.block(row, column).KindName()) : QString()),
      this));
  body()->addWidget(new QLabel(tr("工事内容"), this));
  // The works have letters of their own (the car park's is the one "Cancel" starts with).
  cancelButton()->setText(tr("取り消し(&N)"));
  auto* grid = new QGridLayout;
  auto* group = new QButtonGroup(this);
  for (int t = 0; t < kWorkTypeCount; ++t) {
    works_[t] = new QRadioButton(qs(workTypeCaption(t)), this);
    group->addButton(works_[t], t);
    grid->addWidget(works_[t], t, 0);
    auto* price = new QLabel(moneyText(ConstructionPrice(world, row, column, t)), this);
    price->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    grid->addWidget(price, t, 1);
  }
  grid->addWidget(new QLabel(tr("費用(千円)"), this), kWorkTypeCount, 1);
  body()->addLayout(grid);
  body()->addWidget(new QLabel(tr("資金  %1").arg(moneyText(world.kaichou.sikin)), this));
  check_ = new QLabel(this);
  check_->setObjectName(QStringLiteral("checkLine"));
  check_->setWordWrap(true);
  body()->addWidget(check_);

  // Start on the first work the block allows, a store of the present size being pointless.
  int first = kWorkStore;
  for (int t = 0; t < kWorkTypeCount; ++t)
    if (!CheckConstruction(world, row, column, t)) {
      first = t;
      break;
    }
  works_[first]->setChecked(true);
  connect(group, &QButtonGroup::idToggled, this, [this](int, bool on) {
    if (on) showCheck();
  });
  showCheck();
}

int Tkoujiform::chosenWork() const {
  for (int t = 0; t < kWorkTypeCount; ++t)
    if (works_[t]->isChecked()) return t;
  return -1;
}

void Tkoujiform::showCheck() {
  const Check c = CheckConstruction(world(), row_, column_, chosenWork());
  check_->setText(c ? qs(c->text) : QString());
}

OrderOutcome Tkoujiform::runOrder() {
  const OrderOutcome r = OrderConstruction(world(), row_, column_, chosenWork());
  showCheck();
  return r;
}

bool runConstruction(QWidget* parent, tworld& world, int row, int column) {
  Tkoujiform dialog(world, row, column, parent);
  return dialog.exec() == QDialog::Accepted;
}

}  // namespace gm

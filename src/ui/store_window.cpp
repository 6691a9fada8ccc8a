// The store window.
#include "ui/store_window.h"

#include <QLayout>
#include <QPushButton>
#include <QTabWidget>

#include "shell/main_window.h"
#include "ui/personnel_cost_window.h"
#include "world/world.h"

namespace gm {

StoreWindow::StoreWindow(TMain& main) : Ttempoform(main) {
  pages_ = new QTabWidget(this);
  status_ = new StoreStatusPage(pages_);
  pages_->addTab(status_, QStringLiteral("ｽﾃｰﾀｽ"));
  layout()->addWidget(pages_);

  connect(status_->personnelCostButton(), &QPushButton::clicked, this, [this] {
    if (runPersonnelCostDialog(this, world(), selectSlot(shownSlot()))) refresh();
  });

  addCommonOrders();
  connect(addOrderButton(QStringLiteral("次店(&Q)"), QStringLiteral("nextbtn")),
          &QPushButton::clicked, this, &StoreWindow::showNextStore);
  addMenuOrder(QStringLiteral("ﾘｽﾄ(&L)"), QStringLiteral("listbtn"), QStringLiteral("tempomenu"));
}

int StoreWindow::shownSlot() const { return hasStore_ ? findStore(world().kaichou, shown_) : 0; }

void StoreWindow::showStore(int slot) {
  if (slot >= 1 && slot <= kStoreSlots && world().kaichou.slot(slot).used) {
    shown_ = identityOf(world().kaichou.slot(slot));
    hasStore_ = true;
  }
  Ttempoform::showStore(slot);
}

void StoreWindow::showNextStore() {
  const tkaichou& k = world().kaichou;
  const int current = shownSlot() != 0 ? shownSlot() : slot();
  for (int step = 1; step < kStoreSlots; ++step) {
    const int n = (current - 1 + step) % kStoreSlots + 1;
    if (!k.slot(n).used) continue;
    showStore(n);
    mainWindow().centreOn(k.slot(n).blockX, k.slot(n).blockY);
    return;
  }
}

void StoreWindow::refresh() {
  const int slot = shownSlot();
  status_->personnelCostButton()->setEnabled(slot != 0);
  if (slot == 0)
    status_->clear();
  else
    status_->showStore(world(), world().kaichou.slot(slot));
}

bool StoreWindow::objectStillExists() const { return shownSlot() != 0; }

void StoreWindow::worldReplaced() {
  hasStore_ = false;
  refresh();
}

}  // namespace gm

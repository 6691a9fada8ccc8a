// The store window.
#include "ui/store_window.h"

#include <QLayout>
#include <QTabWidget>

#include "world/world.h"

namespace gm {

StoreWindow::StoreWindow(TMain& main) : Ttempoform(main) {
  pages_ = new QTabWidget(this);
  status_ = new StoreStatusPage(pages_);
  pages_->addTab(status_, QStringLiteral("ｽﾃｰﾀｽ"));
  layout()->addWidget(pages_);
}

int StoreWindow::shownSlot() const { return hasStore_ ? findStore(world().kaichou, shown_) : 0; }

void StoreWindow::showStore(int slot) {
  if (slot >= 1 && slot <= kStoreSlots && world().kaichou.slot(slot).used) {
    shown_ = identityOf(world().kaichou.slot(slot));
    hasStore_ = true;
  }
  Ttempoform::showStore(slot);
}

void StoreWindow::refresh() {
  const int slot = shownSlot();
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

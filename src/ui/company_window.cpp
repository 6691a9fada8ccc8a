// The company manager.
#include "ui/company_window.h"

#include <QBoxLayout>
#include <QTabWidget>

#include "company/warehouse_disposal.h"
#include "shell/main_window.h"
#include "ui/company_window_warehouse.h"
#include "ui/machine_window.h"
#include "world/world.h"

namespace gm {

CompanyWindow::CompanyWindow(TMain& main) : Tkaishaform(main) {
  pages_ = new QTabWidget(this);
  warehouse_ = new WarehousePage(pages_);
  pages_->addTab(warehouse_, QStringLiteral("倉庫"));
  // The pages stand between the company's line and the row of orders.
  static_cast<QBoxLayout*>(layout())->insertWidget(1, pages_, 1);
  connect(warehouse_, &WarehousePage::machineRequested, this, &CompanyWindow::openMachine);
  connect(warehouse_, &WarehousePage::disposalRequested, this, &CompanyWindow::disposeSelected);
}

void CompanyWindow::refresh() {
  Tkaishaform::refresh();
  warehouse_->showWarehouse(world());
}

void CompanyWindow::disposeSelected() {
  const std::vector<int> records = warehouse_->selectedRecords();
  if (OrderDisposal(world(), records) == OrderOutcome::Done) {
    refresh();
    if (DataWindow* machines = mainWindow().subWindows().ddaidata;
        machines && machines->isVisible())
      machines->refresh();
  }
}

void CompanyWindow::openMachine(int record) {
  if (auto* machines = dynamic_cast<MachineWindow*>(mainWindow().subWindows().ddaidata))
    machines->showWarehouseRecord(record);
}

}  // namespace gm

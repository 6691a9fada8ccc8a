// The pages of machine grids.
#include "ui/machine_pages.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "company/company_figures.h"
#include "store/machine_figures.h"
#include "ui/figure_grid.h"
#include "ui/machine_grids.h"

namespace gm {

StoreMachineGrids::StoreMachineGrids(QWidget* parent) : QWidget(parent) {
  results_ = makeResultsGrid(this);
  installed_ = makeInstalledGrid(this);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(results_->boxed(tr("台の実績詳細（平均）"), this));
  layout->addWidget(installed_->boxed(tr("設置されている台数の内訳"), this));
  layout->addStretch(1);
}

void StoreMachineGrids::showStore(const Ttempo& store) {
  const MachineTable t = machineTable(store);
  showResults(results_, t);
  showInstalled(installed_, t);
}

void StoreMachineGrids::clear() {
  results_->clearFigures();
  installed_->clearFigures();
}

CompanyMachinesPage::CompanyMachinesPage(QWidget* parent) : QWidget(parent) {
  counts_ = makeCountsGrid(this);
  results_ = makeResultsGrid(this);
  auto* layout = new QHBoxLayout(this);
  auto* left = new QVBoxLayout;
  left->addWidget(counts_->boxed(tr("台数の一覧"), this));
  left->addStretch(1);
  auto* right = new QVBoxLayout;
  right->addWidget(results_->boxed(tr("台の実績詳細（平均）"), this));
  right->addStretch(1);
  layout->addLayout(left);
  layout->addLayout(right, 1);
}

void CompanyMachinesPage::showCompany(const tkaichou& company) {
  const MachineTable stores = companyMachineTable(company);
  showCounts(counts_, stores, warehouseMachineTable(company));
  showResults(results_, stores);
}

}  // namespace gm

// The budget page's detail dialogs.
#include "ui/detail_dialogs.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "shell/qt_text.h"
#include "ui/figure_grid.h"
#include "ui/figure_text.h"
#include "ui/machine_grids.h"

namespace gm {

namespace {

// The subject over the grid and a close button under it.
void frame(QDialog* d, const QString& subject, QWidget* grid) {
  auto* name = new QLabel(subject, d);
  name->setObjectName(QStringLiteral("subjectlb"));
  auto* close = new QPushButton(QCoreApplication::translate("detail_dialogs", "閉じる(&C)"), d);
  close->setDefault(true);
  QObject::connect(close, &QPushButton::clicked, d, &QDialog::accept);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(close);
  auto* layout = new QVBoxLayout(d);
  layout->addWidget(name);
  layout->addWidget(grid, 1);
  layout->addLayout(buttons);
}

}  // namespace

Turishousai::Turishousai(const QString& subject, const MachineTable& table, QWidget* parent)
    : QDialog(parent) {
  setWindowTitle(tr("売上／利益  種別集計"));
  grid_ = makeTakingsGrid(this);
  showTakings(grid_, table);
  frame(this, subject, grid_);
}

Thoshushousai::Thoshushousai(const QString& subject, const Budget& budget, QWidget* parent)
    : QDialog(parent) {
  setWindowTitle(tr("設備保守費詳細"));
  QStringList rows = {tr("台"), tr("建物（工作を含む）")};
  for (int n = 0; n < kEquipmentCount; ++n) rows << qs(equipmentName(n));
  rows << tr("合計");
  grid_ = new FigureGrid(rows, {tr("今月予測"), tr("先月実績")}, this);
  grid_->setObjectName(QStringLiteral("hoshushousaigrid"));
  const std::array<const MaintenanceCosts*, 2> columns = {&budget.forecast.maintenance,
                                                          &budget.lastMonth.maintenance};
  for (int c = 0; c < 2; ++c)
    for (int r = 0; r < static_cast<int>(columns[c]->size()); ++r)
      grid_->setFigure(r, c, moneyFigure((*columns[c])[r]));
  grid_->fit();
  frame(this, subject, grid_);
}

}  // namespace gm

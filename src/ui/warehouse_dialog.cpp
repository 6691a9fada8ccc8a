// The warehouse dialog.
#include "ui/warehouse_dialog.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "company/company.h"
#include "company/company_figures.h"
#include "shell/picture_book.h"
#include "store/maker.h"
#include "ui/column_fit.h"
#include "ui/figure_grid.h"
#include "ui/figure_text.h"
#include "ui/machine_grids.h"
#include "ui/screen_text.h"
#include "ui/sort_key_item.h"
#include "world/world.h"

namespace gm {

namespace {
enum Column { kName, kType, kMaker, kBought, kValid, kPrice, kIllegal, kColumnCount };
}

QStringList machineRowHeaders() {
  return {Tstockform::tr("機種名"),   Tstockform::tr("種類"),     Tstockform::tr("メーカー"),
          Tstockform::tr("購入年月"), Tstockform::tr("設置期限"), Tstockform::tr("単価(円)"),
          Tstockform::tr("違法性")};
}

void fillMachineRow(SortKeyItem* row, const Tddai& d, int record, const PictureBook* pictures) {
  row->setData(kName, Qt::UserRole, record);
  row->setText(kName, qs(d.name.view()));
  row->setText(kType, qs(machineTypeName(d.kishu)));
  row->setSortKey(kType, d.kishu);
  if (pictures) row->setIcon(kName, QIcon(QPixmap::fromImage(pictures->machineIcon(d.kishu))));
  row->setText(kMaker, qs(makerInfo(d.maker).name));
  row->setSortKey(kMaker, d.maker);
  row->setText(kBought, dateText(d.kounyuuMonth));
  row->setSortKey(kBought, d.kounyuuMonth);
  row->setText(kValid, dateText(d.yuukouMonth));
  row->setSortKey(kValid, d.yuukouMonth);
  row->setText(kPrice, moneyFigure(int64_t{d.tanka}));
  row->setSortKey(kPrice, d.tanka);
  row->setTextAlignment(kPrice, Qt::AlignRight | Qt::AlignVCenter);
  row->setText(kIllegal, qs(illegalityText(d.ihou)));
}

Tstockform::Tstockform(const tworld& world, const PictureBook* pictures, QWidget* parent)
    : QDialog(parent), layout_(this, QStringLiteral("stockform")) {
  setWindowTitle(tr("倉庫"));
  const tkaichou& k = world.kaichou;
  list_ = new ListPanel(QStringLiteral("dailist"), QStringLiteral("stcolumns"),
                        QStringLiteral("daisort"), machineRowHeaders(), this);
  list_->tree()->setSelectionMode(QAbstractItemView::ExtendedSelection);
  list_->setMinimumSize(560, 300);
  layout_.addList(list_);
  layout_.restore();

  list_->beginFill();
  for (int n = 1; n <= kWarehouseRecords; ++n) {
    const Tddai& d = k.record(n);
    if (!d.used) continue;
    fillMachineRow(new SortKeyItem(list_->tree()), d, n, pictures);
  }
  list_->endFill();
  widenToColumns(list_, list_->tree(), 560, 1000);

  grid_ = makeStockGrid(this);
  showStock(grid_, warehouseMachineTable(k));
  room_ = new QLabel(
      tr("%1  空き %2台").arg(qs(warehouseLevelLabel(k.souko)), countFigure(k.SoukoAki())), this);
  room_->setObjectName(QStringLiteral("soukolb"));

  auto* selectAll = new QPushButton(tr("全選択(&A)"), this);
  auto* columns = new QPushButton(tr("項目(&V)"), this);
  auto* close = new QPushButton(tr("閉じる(&C)"), this);
  for (QPushButton* b : {selectAll, columns}) b->setAutoDefault(false);
  close->setDefault(true);
  connect(selectAll, &QPushButton::clicked, list_, &ListPanel::selectAll);
  connect(columns, &QPushButton::clicked, list_, &ListPanel::chooseColumns);
  connect(close, &QPushButton::clicked, this, &QDialog::accept);

  auto* side = new QVBoxLayout;
  side->addWidget(room_);
  side->addWidget(grid_->boxed(tr("ｽﾄｯｸされている台の内訳"), this));
  side->addStretch(1);
  auto* top = new QHBoxLayout;
  top->addWidget(list_, 1);
  top->addLayout(side);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(selectAll);
  buttons->addWidget(columns);
  buttons->addStretch(1);
  buttons->addWidget(close);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top, 1);
  layout->addLayout(buttons);
}

}  // namespace gm

// The warehouse page.
#include "ui/company_window_warehouse.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "company/company.h"
#include "company/company_orders.h"
#include "company/warehouse_disposal.h"
#include "shell/picture_book.h"
#include "ui/list_layout.h"
#include "ui/screen_text.h"
#include "ui/sort_key_item.h"
#include "world/world.h"

namespace gm {

namespace {

constexpr int kRecordRole = Qt::UserRole + 6;
constexpr int kGridRows = kMachineTypeCount + 3;

QTableWidgetItem* cell(const QString& text) {
  auto* item = new QTableWidgetItem(text);
  item->setFlags(Qt::ItemIsEnabled);
  item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
  return item;
}

}  // namespace

WarehousePage::WarehousePage(QWidget* parent) : QWidget(parent) {
  panel_ = new ListPanel(QStringLiteral("dailist"), QStringLiteral("kdcolumns"),
                         QStringLiteral("daisort"),
                         {tr("番号"), tr("台名"), tr("機種"), tr("ﾒｰｶｰ"), tr("購入年月"),
                          tr("有効期限"), tr("購入単価(円)"), tr("違法性"), tr("ﾓﾃﾞﾙﾏｼﾝ")},
                         this);
  panel_->setNameColumn(kColName);
  list_ = panel_->tree();
  list_->setSelectionMode(QAbstractItemView::ExtendedSelection);
  // The records' own order until the player sorts otherwise.
  list_->sortByColumn(kColNumber, Qt::AscendingOrder);

  grid_ = new QTableWidget(kGridRows, 2, this);
  grid_->setObjectName(QStringLiteral("stockgrid"));
  grid_->setHorizontalHeaderLabels({tr("島数"), tr("台数")});
  QStringList rows;
  for (int t = 0; t < kMachineTypeCount; ++t) rows << qs(machineTypeName(t));
  rows << tr("ﾊﾟﾁﾝｺ計") << tr("ﾊﾟﾁｽﾛ計") << tr("合計");
  grid_->setVerticalHeaderLabels(rows);
  grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  grid_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
  grid_->setMaximumWidth(260);

  room_ = new QLabel(this);
  machine_ = new QPushButton(tr("台データ(&T)"), this);
  selectAll_ = new QPushButton(tr("全選択(&A)"), this);
  columns_ = new QPushButton(tr("項目(&V)"), this);
  dispose_ = new QPushButton(tr("廃棄(&D)"), this);
  rebuild_ = new QPushButton(tr("改築(&K)"), this);
  rebuild_->setObjectName(QStringLiteral("kaichikubtn"));
  for (QPushButton* b : {machine_, selectAll_, columns_, rebuild_, dispose_})
    b->setAutoDefault(false);

  auto* right = new QVBoxLayout;
  right->addWidget(new QLabel(tr("ｽﾄｯｸされている台の内訳"), this));
  right->addWidget(grid_, 1);
  auto* lists = new QHBoxLayout;
  lists->addWidget(panel_, 1);
  lists->addLayout(right);
  auto* commands = new QHBoxLayout;
  commands->addWidget(room_);
  commands->addStretch(1);
  commands->addWidget(machine_);
  commands->addWidget(selectAll_);
  commands->addWidget(columns_);
  commands->addWidget(rebuild_);
  commands->addWidget(dispose_);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(lists, 1);
  layout->addLayout(commands);

  auto openMachine = [this](QTreeWidgetItem* item) {
    if (item) emit machineRequested(item->data(kColNumber, kRecordRole).toInt());
  };
  connect(list_, &QTreeWidget::itemDoubleClicked, this,
          [openMachine](QTreeWidgetItem* item, int) { openMachine(item); });
  connect(machine_, &QPushButton::clicked, this,
          [this, openMachine] { openMachine(list_->currentItem()); });
  connect(selectAll_, &QPushButton::clicked, list_, &QTreeWidget::selectAll);
  connect(columns_, &QPushButton::clicked, panel_, &ListPanel::chooseColumns);
  connect(rebuild_, &QPushButton::clicked, this, [this] { emit rebuildRequested(); });
  connect(dispose_, &QPushButton::clicked, this, [this] {
    if (!selectedRecords().empty()) emit disposalRequested();
  });
}

std::vector<int> WarehousePage::selectedRecords() const {
  std::vector<int> records;
  for (int i = 0; i < list_->topLevelItemCount(); ++i)
    if (list_->topLevelItem(i)->isSelected())
      records.push_back(list_->topLevelItem(i)->data(kColNumber, kRecordRole).toInt());
  return records;
}

void WarehousePage::showWarehouse(const tworld& world, const PictureBook* pictures) {
  const tkaichou& k = world.kaichou;
  panel_->beginFill();
  list_->clear();
  for (int n = 1; n <= kWarehouseRecords; ++n) {
    const Tddai& d = k.record(n);
    if (!d.used) continue;
    auto* row = new SortKeyItem(list_);
    row->setData(kColNumber, kRecordRole, n);
    row->setData(kColNumber, Qt::UserRole, n);
    row->setText(kColNumber, QString::number(n));
    row->setSortKey(kColNumber, n);
    row->setText(kColName, qs(d.name.view()));
    if (pictures) row->setIcon(kColName, QIcon(QPixmap::fromImage(pictures->machineIcon(d.kishu))));
    row->setText(kColType, qs(machineTypeName(d.kishu)));
    row->setSortKey(kColType, d.kishu);
    row->setText(kColMaker, qs(makerInfo(d.maker).name));
    row->setSortKey(kColMaker, d.maker);
    row->setText(kColBought, dateText(d.kounyuuMonth));
    row->setSortKey(kColBought, d.kounyuuMonth);
    row->setText(kColValidUntil, dateText(d.yuukouMonth));
    row->setSortKey(kColValidUntil, d.yuukouMonth);
    if (!d.withinValidity(world.month)) row->setForeground(kColValidUntil, Qt::red);
    row->setText(kColUnitPrice, moneyText(int64_t{d.tanka}));
    row->setSortKey(kColUnitPrice, d.tanka);
    row->setText(kColIllegal, qs(illegalityText(d.ihou)));
    row->setText(kColModel, d.modelMachine ? QStringLiteral("○") : QString());
    for (int c : {kColNumber, kColUnitPrice})
      row->setTextAlignment(c, Qt::AlignRight | Qt::AlignVCenter);
  }
  panel_->endFill();

  const MachineTally t = k.WarehouseMachineTally();
  for (int r = 0; r < kMachineTypeCount; ++r) {
    grid_->setItem(r, 0, cell(QString::number(t.records[r])));
    grid_->setItem(r, 1, cell(QString::number(t.machines[r])));
  }
  const std::array<std::pair<int, int>, 3> sums = {{{t.pachinkoRecords, t.pachinkoMachines},
                                                    {t.slotRecords, t.slotMachines},
                                                    {t.totalRecords, t.totalMachines}}};
  for (int i = 0; i < 3; ++i) {
    grid_->setItem(kMachineTypeCount + i, 0, cell(QString::number(sums[i].first)));
    grid_->setItem(kMachineTypeCount + i, 1, cell(QString::number(sums[i].second)));
  }
  rebuild_->setVisible(NextWarehouseRebuild(k).has_value());
  // The disposal order's own check, asked of no record, says whether the city takes any now.
  const bool accepted = !CheckDisposal(world, {});
  room_->setText(tr("%1  空き %2台  廃棄の受付：%3")
                     .arg(qs(warehouseLevelLabel(k.souko)), moneyText(int64_t{k.SoukoAki()}),
                          accepted ? tr("受理中") : tr("停止中")));
}

}  // namespace gm

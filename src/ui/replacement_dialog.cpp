// The replacement plan dialog and its side list.
#include "ui/replacement_dialog.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QShowEvent>
#include <QTimer>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <vector>

#include "base/options.h"
#include "shell/form_placement.h"
#include "shell/picture_book.h"
#include "shell/placement_rules.h"
#include "ui/column_fit.h"
#include "ui/screen_text.h"
#include "ui/sort_key_item.h"
#include "world/world.h"

namespace gm {

namespace {

constexpr int kIndexRole = Qt::UserRole + 3;

ListPanel* makeList(QWidget* parent, const QString& name, const QString& columns,
                    const QString& sortKey, const QStringList& heads) {
  auto* list = new ListPanel(name, columns, sortKey, heads, parent);
  list->tree()->setSelectionMode(QAbstractItemView::ExtendedSelection);
  list->setMinimumWidth(320);
  return list;
}

void fillRow(SortKeyItem* row, const Tddai& d, int month, const PictureBook* pictures) {
  row->setText(0, qs(d.name.view()));
  if (pictures) row->setIcon(0, QIcon(QPixmap::fromImage(pictures->machineIcon(d.kishu))));
  row->setText(1, qs(machineTypeName(d.kishu)));
  row->setSortKey(1, d.kishu);
  row->setText(2, qs(makerInfo(d.maker).name));
  row->setText(3, dateText(d.yuukouMonth));
  row->setSortKey(3, d.yuukouMonth);
  if (!d.withinValidity(month)) row->setForeground(3, Qt::red);
  row->setText(4, dateText(d.kounyuuMonth));
  row->setSortKey(4, d.kounyuuMonth);
}

}  // namespace

Tirekaesub::Tirekaesub(QWidget* parent) : QDialog(parent) {
  setWindowTitle(tr("作業計画書"));
  setObjectName(QStringLiteral("irekaesub"));
  setWindowFlags(Qt::Tool | Qt::WindowTitleHint);
  list_ = new QListWidget(this);
  list_->setMinimumWidth(280);
  (new QVBoxLayout(this))->addWidget(list_);
}

void Tirekaesub::showPlan(const ReplacementPlan& plan) {
  list_->clear();
  for (int i = 0; i < plan.moveCount(); ++i) {
    const PlannedMove& m = plan.move(i);
    const Tddai& d = m.install ? plan.store().dai[m.floor][m.island] : plan.warehouse()[m.record];
    const QString hall = qs(floorHallName(m.floor));
    list_->addItem((m.install ? tr("%1. 設置  %2  倉庫 → %3") : tr("%1. 撤去  %2  %3 → 倉庫"))
                       .arg(QString::number(i + 1), qs(d.name.view()), hall));
  }
  list_->scrollToBottom();
}

Tirekaeform::Tirekaeform(tworld& world, Options& options, int slot, QWidget* parent,
                         const PictureBook* pictures)
    : OrderDialog(world, tr("入替計画"), QStringLiteral("irekaeform"), parent),
      options_(options),
      pictures_(pictures),
      layout_(this, QStringLiteral("irekaeform")),
      plan_(std::make_unique<ReplacementPlan>(world, slot)) {
  const QStringList heads = {tr("台名"), tr("機種"), tr("ﾒｰｶｰ"), tr("有効期限"), tr("購入年月")};
  stockPanel_ = makeList(this, QStringLiteral("stocklist"), QStringLiteral("irstockcolumns"),
                         QStringLiteral("daisort"), heads);
  floorPanel_ = makeList(this, QStringLiteral("shimalist"), QStringLiteral("irshimacolumns"),
                         QStringLiteral("shimasort"), heads);
  stock_ = stockPanel_->tree();
  floorList_ = floorPanel_->tree();
  floor_ = new QComboBox(this);
  install_ = new QPushButton(tr("設置(&S) →"), this);
  remove_ = new QPushButton(tr("← 撤去(&E)"), this);
  undo_ = new QPushButton(tr("元に戻す(&U)"), this);
  sheetButton_ = new QPushButton(tr("作業計画書(&P)"), this);
  sheetButton_->setCheckable(true);
  for (QPushButton* b : {install_, remove_, undo_, sheetButton_}) b->setAutoDefault(false);
  cost_ = new QLabel(this);

  auto* middle = new QVBoxLayout;
  middle->addStretch(1);
  middle->addWidget(install_);
  middle->addWidget(remove_);
  middle->addSpacing(12);
  middle->addWidget(undo_);
  middle->addStretch(1);
  auto* grid = new QGridLayout;
  grid->addWidget(new QLabel(tr("本部の倉庫"), this), 0, 0);
  grid->addWidget(floor_, 0, 2);
  grid->addWidget(stockPanel_, 1, 0);
  grid->addLayout(middle, 1, 1);
  grid->addWidget(floorPanel_, 1, 2);
  body()->addWidget(new QLabel(qs(plan_->store().name.view()), this));
  body()->addLayout(grid);
  auto* form = new QFormLayout;
  form->addRow(tr("作業費用(千円)"), cost_);
  body()->addLayout(form);
  body()->addWidget(sheetButton_, 0, Qt::AlignLeft);

  sheet_ = new Tirekaesub(this);
  for (int f = 0; f <= plan_->store().kibo && f < kFloors; ++f)
    floor_->addItem(qs(floorHallName(f)), f);

  connect(install_, &QPushButton::clicked, this, &Tirekaeform::install);
  connect(remove_, &QPushButton::clicked, this, &Tirekaeform::remove);
  connect(undo_, &QPushButton::clicked, this, &Tirekaeform::undo);
  connect(sheetButton_, &QPushButton::clicked, this, &Tirekaeform::toggleSheet);
  connect(floor_, &QComboBox::currentIndexChanged, this, &Tirekaeform::fill);
  sheetButton_->setChecked(options_.subvisible);
  layout_.addList(stockPanel_);
  layout_.addList(floorPanel_);
  layout_.restore();
  fill();
  // Both lists at the width of their columns, side by side within a laptop's screen.
  widenToColumns(stockPanel_, stock_, 320, 520);
  widenToColumns(floorPanel_, floorList_, 320, 520);
}

Tirekaeform::~Tirekaeform() = default;

void Tirekaeform::showEvent(QShowEvent* event) {
  OrderDialog::showEvent(event);
  // Once the dialog stands where the window system put it, the sheet goes beside it.
  if (options_.subvisible)
    QTimer::singleShot(0, this, [this] {
      if (isVisible() && options_.subvisible) showSheet();
    });
}

void Tirekaeform::showSheet() {
  // Beside the dialog, never over its lists and buttons, and in front of it: a sheet behind a
  // modal dialog cannot be reached.
  sheet_->adjustSize();
  const QSize size = sheet_->frameSize().expandedTo(sheet_->sizeHint());
  placeFrame(sheet_, besideMainWindow(size, frameOf(this), screenAreaOf(this), {}));
  sheet_->show();
  sheet_->raise();
}

void Tirekaeform::fill() {
  const ReplacementPlan& p = *plan_;
  const int month = world().month;
  const int shownFloor = floor_->currentData().toInt();
  // A move renumbers the rows, so no selection is carried over a refill.
  stockPanel_->beginFill();
  stock_->clear();
  for (int r = 0; r < p.usableRecords(); ++r) {
    if (!p.warehouse()[r].used) continue;
    auto* row = new SortKeyItem(stock_);
    fillRow(row, p.warehouse()[r], month, pictures_);
    row->setData(0, kIndexRole, r);
  }
  stockPanel_->endFill();
  floorPanel_->beginFill();
  floorList_->clear();
  for (int i = 0; i < kIslandsPerFloor; ++i) {
    const Tddai& d = p.store().dai[shownFloor][i];
    if (!d.used) continue;
    auto* row = new SortKeyItem(floorList_);
    fillRow(row, d, month, pictures_);
    row->setData(0, kIndexRole, i);
  }
  floorPanel_->endFill();
  for (int i = 0; i < floor_->count(); ++i) {
    const int f = floor_->itemData(i).toInt();
    floor_->setItemText(
        i, tr("%1  空き %2島").arg(qs(floorHallName(f)), QString::number(p.freeIslands(f))));
  }
  cost_->setText(moneyText(p.cost()));
  undo_->setEnabled(p.moveCount() > 0);
  sheet_->showPlan(p);
}

namespace {
// The chosen rows' indices in the order the list shows them.
std::vector<int> chosen(QTreeWidget* list) {
  std::vector<int> rows;
  for (int i = 0; i < list->topLevelItemCount(); ++i)
    if (list->topLevelItem(i)->isSelected())
      rows.push_back(list->topLevelItem(i)->data(0, kIndexRole).toInt());
  return rows;
}
}  // namespace

void Tirekaeform::install() {
  const std::vector<int> records = chosen(stock_);
  if (records.empty()) return;
  plan_->install(world().ui(), records, floor_->currentData().toInt());
  fill();
}

void Tirekaeform::remove() {
  std::vector<IslandPosition> islands;
  for (int i : chosen(floorList_)) islands.push_back({floor_->currentData().toInt(), i});
  if (islands.empty()) return;
  plan_->remove(world().ui(), islands);
  fill();
}

void Tirekaeform::undo() {
  plan_->undo();
  fill();
}

void Tirekaeform::toggleSheet() {
  options_.subvisible = !sheet_->isVisible();
  if (options_.subvisible)
    showSheet();
  else
    sheet_->hide();
  sheetButton_->setChecked(options_.subvisible);
}

OrderOutcome Tirekaeform::runOrder() {
  const OrderOutcome r = OrderReplacement(world(), *plan_);
  if (r == OrderOutcome::Done || r == OrderOutcome::Unchanged)
    sheet_->hide();
  else if (sheet_->isVisible())
    sheet_->raise();  // the question that came and went leaves the sheet where it was, in front
  return r;
}

bool runReplacement(QWidget* parent, tworld& world, Options& options, int slot,
                    const PictureBook* pictures) {
  if (slot < 1 || slot > kStoreSlots || !world.kaichou.slot(slot).used) return false;
  Tirekaeform dialog(world, options, slot, parent, pictures);
  return dialog.exec() == QDialog::Accepted;
}

}  // namespace gm

// The island page.
#include "ui/store_window_islands.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "company/replacement_plan.h"
#include "shell/picture_book.h"
#include "store/store.h"
#include "ui/list_layout.h"
#include "ui/screen_text.h"
#include "ui/sort_key_item.h"
#include "world/world.h"

namespace gm {

namespace {

constexpr int kPlaceRole = Qt::UserRole + 5;

constexpr std::array<const char*, StoreIslandsPage::kButtonCount> kCaptions = {
    "▲",
    "▼",
    "▲",
    "▼",
    "▲",
    "▼",
    QT_TRANSLATE_NOOP("gm::StoreIslandsPage", "全選択(&A)"),
    QT_TRANSLATE_NOOP("gm::StoreIslandsPage", "台データ(&T)"),
    QT_TRANSLATE_NOOP("gm::StoreIslandsPage", "更新(&D)"),
    QT_TRANSLATE_NOOP("gm::StoreIslandsPage", "入替(&I)"),
    QT_TRANSLATE_NOOP("gm::StoreIslandsPage", "切替(&C)"),
    QT_TRANSLATE_NOOP("gm::StoreIslandsPage", "項目(&V)")};

}  // namespace

StoreIslandsPage::StoreIslandsPage(QWidget* parent) : QWidget(parent) {
  panel_ = new ListPanel(
      QStringLiteral("dailist"), QStringLiteral("tmcolumns"), QStringLiteral("daisort"),
      {tr("場所"), tr("台名"), tr("機種"), tr("利益率"), tr("営業形態"), tr("ﾓｰﾆﾝｸﾞ"), tr("稼動"),
       tr("客付き"), tr("売上(千円)"), tr("購入年月"), tr("有効期限")},
      this);
  panel_->setNameColumn(kColName);
  list_ = panel_->tree();
  list_->setSelectionMode(QAbstractItemView::ExtendedSelection);
  // The islands' places until the player sorts otherwise.
  list_->sortByColumn(kColPlace, Qt::AscendingOrder);

  for (int b = 0; b < kButtonCount; ++b) {
    buttons_[b] = new QPushButton(tr(kCaptions[b]), this);
    buttons_[b]->setAutoDefault(false);
  }
  step_ = new QComboBox(this);
  step_->addItems({QStringLiteral("10%"), QStringLiteral("1%"), QStringLiteral("0.1%")});
  step_->setCurrentIndex(1);
  floorLabel_ = new QLabel(this);

  auto* steps = new QGridLayout;
  const QString names[3] = {tr("利益率"), tr("営業形態"), tr("ﾓｰﾆﾝｸﾞ")};
  for (int i = 0; i < 3; ++i) {
    steps->addWidget(new QLabel(names[i], this), i, 0);
    steps->addWidget(buttons_[2 * i], i, 1);
    steps->addWidget(buttons_[2 * i + 1], i, 2);
  }
  steps->addWidget(step_, 0, 3);
  auto* commands = new QHBoxLayout;
  commands->addLayout(steps);
  commands->addStretch(1);
  for (Button b : {kSelectAll, kColumns, kMachineData, kRefresh, kReplace, kSwitchFloor})
    commands->addWidget(buttons_[b]);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(floorLabel_);
  layout->addWidget(panel_, 1);
  layout->addLayout(commands);

  connect(buttons_[kRateUp], &QPushButton::clicked, this, [this] { emit rateStepped(rateStep()); });
  connect(buttons_[kRateDown], &QPushButton::clicked, this,
          [this] { emit rateStepped(-rateStep()); });
  connect(buttons_[kFormUp], &QPushButton::clicked, this, [this] { emit formStepped(1); });
  connect(buttons_[kFormDown], &QPushButton::clicked, this, [this] { emit formStepped(-1); });
  connect(buttons_[kMorningUp], &QPushButton::clicked, this, [this] { emit morningStepped(1); });
  connect(buttons_[kMorningDown], &QPushButton::clicked, this, [this] { emit morningStepped(-1); });
  connect(buttons_[kSelectAll], &QPushButton::clicked, list_, &QTreeWidget::selectAll);
  connect(buttons_[kColumns], &QPushButton::clicked, panel_, &ListPanel::chooseColumns);
  connect(buttons_[kRefresh], &QPushButton::clicked, this, [this] { emit refreshRequested(); });
  connect(buttons_[kReplace], &QPushButton::clicked, this, [this] { emit replacementRequested(); });
  connect(buttons_[kSwitchFloor], &QPushButton::clicked, this, &StoreIslandsPage::switchFloor);
  auto openMachine = [this](QTreeWidgetItem* item) {
    if (!item) return;
    const int place = item->data(kColPlace, kPlaceRole).toInt();
    emit machineRequested(place / kIslandsPerFloor, place % kIslandsPerFloor);
  };
  connect(list_, &QTreeWidget::itemDoubleClicked, this,
          [openMachine](QTreeWidgetItem* item, int) { openMachine(item); });
  connect(buttons_[kMachineData], &QPushButton::clicked, this,
          [this, openMachine] { openMachine(list_->currentItem()); });
}

Money StoreIslandsPage::rateStep() const {
  return Money::fromRaw(kProfitRateSteps[std::clamp(step_->currentIndex(), 0, 2)]);
}

void StoreIslandsPage::switchFloor() {
  floor_ = (floor_ + 1) % (floors_ + 1);
  emit refreshRequested();
}

std::vector<IslandPosition> StoreIslandsPage::selectedIslands() const {
  std::vector<IslandPosition> chosen;
  for (int i = 0; i < list_->topLevelItemCount(); ++i) {
    const QTreeWidgetItem* item = list_->topLevelItem(i);
    if (!item->isSelected()) continue;
    const int place = item->data(kColPlace, kPlaceRole).toInt();
    chosen.push_back({place / kIslandsPerFloor, place % kIslandsPerFloor});
  }
  return chosen;
}

void StoreIslandsPage::selectIslands(const std::vector<IslandPosition>& islands) {
  for (int i = 0; i < list_->topLevelItemCount(); ++i) {
    QTreeWidgetItem* item = list_->topLevelItem(i);
    const int place = item->data(kColPlace, kPlaceRole).toInt();
    for (const IslandPosition& p : islands)
      if (p.floor * kIslandsPerFloor + p.island == place) item->setSelected(true);
  }
}

void StoreIslandsPage::clear() {
  list_->clear();
  floorLabel_->clear();
}

void StoreIslandsPage::showStore(const tworld& world, const Ttempo& s,
                                 const PictureBook* pictures) {
  const std::vector<IslandPosition> kept = selectedIslands();
  floors_ = s.floorCount();
  if (floor_ > floors_) floor_ = 0;
  floorLabel_->setText(floor_ == 0 ? tr("全フロア") : qs(floorHallName(floor_ - 1)));
  panel_->beginFill();
  list_->clear();
  for (int f = 0; f < floors_ && f < kFloors; ++f) {
    if (floor_ != 0 && f != floor_ - 1) continue;
    for (int i = 0; i < kIslandsPerFloor; ++i) {
      const Tddai& d = s.dai[f][i];
      if (!d.used) continue;
      auto* row = new SortKeyItem(list_);
      const int place = f * kIslandsPerFloor + i;
      row->setData(kColPlace, kPlaceRole, place);
      row->setData(kColPlace, Qt::UserRole, place);
      row->setText(kColPlace, QStringLiteral("%1F-%2").arg(f + 1).arg(i + 1));
      row->setSortKey(kColPlace, place);
      row->setText(kColName, qs(d.name.view()));
      if (pictures)
        row->setIcon(kColName, QIcon(QPixmap::fromImage(pictures->machineIcon(d.kishu))));
      row->setText(kColType, qs(machineTypeName(d.kishu)));
      row->setSortKey(kColType, d.kishu);
      row->setText(kColRate, rateText(d.riritu));
      row->setSortKey(kColRate, d.riritu.raw());
      row->setText(kColForm, qs(businessFormName(d.keitai)));
      row->setSortKey(kColForm, d.keitai);
      row->setText(kColMorning, d.isPachinko() ? tr("－") : QString::number(d.morning));
      row->setSortKey(kColMorning, d.isPachinko() ? -1 : d.morning);
      row->setText(kColCustomers, moneyText(int64_t{d.kadou}));
      row->setSortKey(kColCustomers, d.kadou);
      row->setText(kColAttendance, QString::number(d.attendance()) + QStringLiteral("%"));
      row->setSortKey(kColAttendance, d.attendance());
      row->setText(kColSales, moneyText(d.sales()));
      row->setSortKey(kColSales, d.sales().raw());
      row->setText(kColBought, dateText(d.kounyuuMonth));
      row->setSortKey(kColBought, d.kounyuuMonth);
      row->setText(kColValidUntil, dateText(d.yuukouMonth));
      row->setSortKey(kColValidUntil, d.yuukouMonth);
      if (!d.withinValidity(world.month)) row->setForeground(kColValidUntil, Qt::red);
      for (int c : {kColRate, kColMorning, kColCustomers, kColAttendance, kColSales})
        row->setTextAlignment(c, Qt::AlignRight | Qt::AlignVCenter);
    }
  }
  panel_->endFill();
  selectIslands(kept);
}

}  // namespace gm

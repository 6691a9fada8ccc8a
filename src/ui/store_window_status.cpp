// The store window's status page.
#include "ui/store_window_status.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "company/company.h"
#include "company/construction_order.h"
#include "company/exchange_rate_order.h"
#include "company/manipulation_order.h"
#include "store/maker.h"
#include "store/opening_order.h"
#include "store/store.h"
#include "ui/figure_text.h"
#include "ui/screen_text.h"
#include "world/world.h"

namespace gm {

namespace {

constexpr std::array<const char*, StoreStatusPage::kFieldCount> kCaptions = {
    QT_TRANSLATE_NOOP("gm::StoreStatusPage", "名称"),
    QT_TRANSLATE_NOOP("gm::StoreStatusPage", "状態"),
    QT_TRANSLATE_NOOP("gm::StoreStatusPage", "規模"),
    QT_TRANSLATE_NOOP("gm::StoreStatusPage", "区画"),
    QT_TRANSLATE_NOOP("gm::StoreStatusPage", "出店年月"),
    QT_TRANSLATE_NOOP("gm::StoreStatusPage", "築年数"),
    QT_TRANSLATE_NOOP("gm::StoreStatusPage", "洗練度"),
    QT_TRANSLATE_NOOP("gm::StoreStatusPage", "知名度"),
    QT_TRANSLATE_NOOP("gm::StoreStatusPage", "満足度"),
    QT_TRANSLATE_NOOP("gm::StoreStatusPage", "男性ｽﾀｯﾌ"),
    QT_TRANSLATE_NOOP("gm::StoreStatusPage", "女性ｽﾀｯﾌ"),
    QT_TRANSLATE_NOOP("gm::StoreStatusPage", "ﾓﾗﾙ"),
    QT_TRANSLATE_NOOP("gm::StoreStatusPage", "ｽｷﾙ"),
    QT_TRANSLATE_NOOP("gm::StoreStatusPage", "必要人数"),
    QT_TRANSLATE_NOOP("gm::StoreStatusPage", "ﾊﾟﾁﾝｺの交換率"),
    QT_TRANSLATE_NOOP("gm::StoreStatusPage", "ｽﾛｯﾄの交換率"),
    QT_TRANSLATE_NOOP("gm::StoreStatusPage", "工作"),
    QT_TRANSLATE_NOOP("gm::StoreStatusPage", "ﾊﾟﾁﾝｺ"),
    QT_TRANSLATE_NOOP("gm::StoreStatusPage", "ﾊﾟﾁｽﾛ"),
    QT_TRANSLATE_NOOP("gm::StoreStatusPage", "合計"),
    QT_TRANSLATE_NOOP("gm::StoreStatusPage", "客数"),
    QT_TRANSLATE_NOOP("gm::StoreStatusPage", "売上(千円)"),
    QT_TRANSLATE_NOOP("gm::StoreStatusPage", "粗利益(千円)"),
    QT_TRANSLATE_NOOP("gm::StoreStatusPage", "純利益(千円)"),
    QT_TRANSLATE_NOOP("gm::StoreStatusPage", "稼動"),
    QT_TRANSLATE_NOOP("gm::StoreStatusPage", "資産価値(千円)"),
    QT_TRANSLATE_NOOP("gm::StoreStatusPage", "受賞")};

// The hints the player gets over a row; rows that explain themselves have none.
constexpr std::array<const char*, StoreStatusPage::kFieldCount> kHints = [] {
  std::array<const char*, StoreStatusPage::kFieldCount> h{};
  h[StoreStatusPage::kSize] = QT_TRANSLATE_NOOP("gm::StoreStatusPage", "店舗の大きさ");
  h[StoreStatusPage::kOpened] = QT_TRANSLATE_NOOP("gm::StoreStatusPage", "出店した年月");
  h[StoreStatusPage::kRefinement] =
      QT_TRANSLATE_NOOP("gm::StoreStatusPage", "見た目、ﾃﾞｻﾞｲﾝの洗練度");
  h[StoreStatusPage::kFame] = QT_TRANSLATE_NOOP("gm::StoreStatusPage", "有名さ");
  h[StoreStatusPage::kSatisfaction] = QT_TRANSLATE_NOOP("gm::StoreStatusPage", "客の感想");
  h[StoreStatusPage::kMoral] = QT_TRANSLATE_NOOP("gm::StoreStatusPage", "ｽﾀｯﾌの職務意識");
  h[StoreStatusPage::kSkill] = QT_TRANSLATE_NOOP("gm::StoreStatusPage", "ｽﾀｯﾌの職務技能");
  h[StoreStatusPage::kAttendance] = QT_TRANSLATE_NOOP("gm::StoreStatusPage", "客付き");
  h[StoreStatusPage::kAssetValue] = QT_TRANSLATE_NOOP("gm::StoreStatusPage", "店舗と土地の価値");
  return h;
}();

// Where each field stands: group box 0 (the store), 1 (staff and rates), 2 (machines),
// 3 (last month).
constexpr std::array<int, StoreStatusPage::kFieldCount> kGroupOf = {
    0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 1, 1, 1, 1, 1, 1, 2, 2, 2, 3, 3, 3, 3, 3, 0, 0};

constexpr std::array<const char*, 4> kGroupTitles = {
    QT_TRANSLATE_NOOP("gm::StoreStatusPage", "店舗"),
    QT_TRANSLATE_NOOP("gm::StoreStatusPage", "ｽﾀｯﾌと交換率"),
    QT_TRANSLATE_NOOP("gm::StoreStatusPage", "台数"),
    QT_TRANSLATE_NOOP("gm::StoreStatusPage", "先月の実績")};

constexpr std::array<const char*, StoreStatusPage::kCommandCount> kCommandCaptions = {
    QT_TRANSLATE_NOOP("gm::StoreStatusPage", "開店(&O)"),
    QT_TRANSLATE_NOOP("gm::StoreStatusPage", "閉店(&Z)"),
    QT_TRANSLATE_NOOP("gm::StoreStatusPage", "工事(&K)"),
    QT_TRANSLATE_NOOP("gm::StoreStatusPage", "変更(&C)"),
    QT_TRANSLATE_NOOP("gm::StoreStatusPage", "変更(&D)"),
    QT_TRANSLATE_NOOP("gm::StoreStatusPage", "ｼﾞｮﾌﾞｽﾄﾘｰﾑ(&W)")};

constexpr std::array<const char*, StoreStatusPage::kCommandCount> kCommandHints = {
    QT_TRANSLATE_NOOP("gm::StoreStatusPage", "店舗を開店します"),
    QT_TRANSLATE_NOOP("gm::StoreStatusPage", "店舗を閉店します"),
    QT_TRANSLATE_NOOP("gm::StoreStatusPage", "店舗の区画で工事を行います"),
    QT_TRANSLATE_NOOP("gm::StoreStatusPage", "交換率を変更します"),
    QT_TRANSLATE_NOOP("gm::StoreStatusPage", "工作を変更します"),
    QT_TRANSLATE_NOOP("gm::StoreStatusPage", "店舗の調整画面を順に開きます")};

QString noneMark() { return StoreStatusPage::tr("－"); }

QString machinesText(int n) { return StoreStatusPage::tr("%1台").arg(countFigure(n)); }
QString peopleText(int n) { return StoreStatusPage::tr("%1人").arg(countFigure(n)); }

QString manipulationText(uint8_t bits) {
  QStringList names;
  if (bits & kShills) names << StoreStatusPage::tr("サクラ");
  if (bits & kIllegalRom) names << StoreStatusPage::tr("裏ROM");
  if (bits & kJackpotControl) names << StoreStatusPage::tr("特賞操作");
  return names.isEmpty() ? StoreStatusPage::tr("なし") : names.join(QStringLiteral("  "));
}

QString awardsText(const Ttempo& s) {
  QStringList names;
  if (s.bestWww) names << StoreStatusPage::tr("Best Of WWW 受賞");
  if (s.bestCm) names << StoreStatusPage::tr("CM大賞受賞");
  return names.isEmpty() ? noneMark() : names.join(QStringLiteral("  "));
}

}  // namespace

StoreIdentity identityOf(const Ttempo& store) { return {store.name, store.blockX, store.blockY}; }

int findStore(const tkaichou& company, const StoreIdentity& id) {
  for (int n = 1; n <= kStoreSlots; ++n) {
    const Ttempo& s = company.slot(n);
    if (s.used && s.matches(id.name.view(), id.x, id.y)) return n;
  }
  return 0;
}

StoreStatusPage::StoreStatusPage(QWidget* parent) : QWidget(parent) {
  std::array<QGridLayout*, kGroupTitles.size()> grids{};
  std::array<QGroupBox*, kGroupTitles.size()> boxes{};
  for (std::size_t g = 0; g < kGroupTitles.size(); ++g) {
    boxes[g] = new QGroupBox(tr(kGroupTitles[g]), this);
    grids[g] = new QGridLayout(boxes[g]);
    grids[g]->setColumnStretch(1, 1);
  }
  for (int f = 0; f < kFieldCount; ++f) {
    QGridLayout* grid = grids[kGroupOf[f]];
    const int row = grid->rowCount();
    captions_[f] = new QLabel(tr(kCaptions[f]), this);
    grid->addWidget(captions_[f], row, 0);
    values_[f] = new QLabel(this);
    values_[f]->setTextInteractionFlags(Qt::TextSelectableByMouse);
    grid->addWidget(values_[f], row, 1);
    if (kHints[f])
      for (QLabel* l : {captions_[f], values_[f]}) l->setToolTip(tr(kHints[f]));
  }

  auto* models = new QGroupBox(tr("Ａ ＭＯＤＥＬ ＯＦ"), this);
  modellist_ = new QListWidget(models);
  modellist_->setObjectName(QStringLiteral("modellist"));
  modellist_->setMaximumHeight(90);
  (new QVBoxLayout(models))->addWidget(modellist_);

  auto* commands = new QHBoxLayout;
  for (int c = 0; c < kCommandCount; ++c) {
    buttons_[c] = new QPushButton(tr(kCommandCaptions[c]), this);
    buttons_[c]->setEnabled(false);
    buttons_[c]->setAutoDefault(false);
    buttons_[c]->setToolTip(tr(kCommandHints[c]));
    commands->addWidget(buttons_[c]);
    connect(buttons_[c], &QPushButton::clicked, this, [this, c] { emit commandChosen(c); });
  }
  personnelCost_ = new QPushButton(tr("人件費調整(&N)"), this);
  personnelCost_->setObjectName(QStringLiteral("jinkenbtn"));
  personnelCost_->setAutoDefault(false);
  commands->addWidget(personnelCost_);
  commands->addStretch(1);

  auto* leftColumn = new QVBoxLayout;
  leftColumn->addWidget(boxes[0]);
  leftColumn->addWidget(models);
  auto* rightColumn = new QVBoxLayout;
  rightColumn->addWidget(boxes[1]);
  rightColumn->addWidget(boxes[2]);
  rightColumn->addWidget(boxes[3]);
  auto* columns = new QHBoxLayout;
  columns->addLayout(leftColumn, 1);
  columns->addLayout(rightColumn, 1);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(columns);
  layout->addLayout(commands);
}

void StoreStatusPage::set(Field f, const QString& t) { values_[f]->setText(t); }
QString StoreStatusPage::text(Field f) const { return values_[f]->text(); }

void StoreStatusPage::clear() {
  for (QLabel* l : values_) l->clear();
  modellist_->clear();
  for (QPushButton* b : buttons_) b->setEnabled(false);
}

void StoreStatusPage::showStore(const tworld& world, const Ttempo& s) {
  const int month = world.month;
  set(kName, qs(s.name.view()));
  set(kState, qs(storeStateName(s.joutai)));
  set(kSize, qs(storeSizeName(s.kibo)));
  set(kBlock, QStringLiteral("(%1, %2)").arg(s.blockX).arg(s.blockY));
  set(kOpened, dateText(s.shuttenMonth));
  set(kAge, ageText(s.age(month)));
  set(kRefinement, QString::number(s.senren));
  set(kFame, QString::number(s.chimei));
  set(kSatisfaction, QString::number(s.manzoku));
  set(kMen, peopleText(s.dansei));
  set(kWomen, peopleText(s.zyosei));
  set(kMoral, QString::number(s.moral.trunc()));
  set(kSkill, QString::number(s.skill.trunc()));
  set(kStaffNeed, peopleText(s.staffNeed(world.MonthlyHours(), month)));
  set(kPachinkoRate, qs(pachinkoRateName(s.pkankin)));
  set(kSlotRate, qs(slotRateName(s.skankin)));
  set(kManipulation, manipulationText(s.kousaku));

  const MachineCounts counts = s.machineCounts();
  set(kPachinkoMachines, machinesText(counts.pachinkoMachines));
  set(kSlotMachines, machinesText(counts.slotMachines));
  set(kAllMachines, machinesText(counts.allMachines));

  // A store that has not yet finished a month of business has no figures to show.
  if (s.eigyouNissuu > 0) {
    set(kCustomers, peopleText(s.kyaku[kTotal]));
    set(kTakings, moneyText(s.uriage[kTotal]));
    set(kGrossProfit, moneyText(s.arari[kTotal]));
    set(kNetProfit, moneyText(s.netProfit()));
    set(kAttendance, QString::number(s.kadou[kTotal]) + QStringLiteral("%"));
  } else {
    for (Field f : {kCustomers, kTakings, kGrossProfit, kNetProfit, kAttendance})
      set(f, noneMark());
  }

  const int64_t land =
      world.onMap(s.blockY, s.blockX) ? world.block(s.blockY, s.blockX).landPrice : 0;
  set(kAssetValue, moneyText(s.assetValue(month, land)));
  set(kAwards, awardsText(s));

  modellist_->clear();
  for (int m = 0; m < kMakerCount; ++m)
    if ((s.modelMakers >> m) & 1u) modellist_->addItem(qs(makerInfo(m).name));

  // Each command is offered while its order's check admits the store as it stands; the order
  // itself tells what else is missing (machines, cash, staff).
  const StoreSelection store = selectSlot(world.kaichou.StoreOn(s.blockY, s.blockX));
  buttons_[kOpen]->setEnabled(!CheckOpeningState(s));
  buttons_[kClose]->setEnabled(!CheckClosing(world, s));
  buttons_[kConstruction]->setEnabled(!CheckStoreConstruction(s));
  // The lowest rates pass every union limit: the dialog is offered even when a tightened limit
  // now forbids the rates the store has.
  buttons_[kExchangeRates]->setEnabled(!CheckExchangeRates(world, store, 0, 0));
  buttons_[kManipulations]->setEnabled(!CheckManipulations(world, store, ManipulationChange{}));
  buttons_[kJobStream]->setEnabled(true);
}

}  // namespace gm

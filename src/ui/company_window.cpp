// The company manager and its status page.
#include "ui/company_window.h"

#include <QContextMenuEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include "base/money.h"
#include "company/company_figures.h"
#include "company/company_orders.h"
#include "company/warehouse_disposal.h"
#include "shell/main_window.h"
#include "shell/qt_text.h"
#include "store/staff.h"
#include "ui/budget_page.h"
#include "ui/command_menu.h"
#include "ui/company_store_list_page.h"
#include "ui/company_window_warehouse.h"
#include "ui/machine_pages.h"
#include "ui/machine_window.h"
#include "ui/management_commands.h"
#include "ui/replacement_dialog.h"
#include "ui/scrolled_page.h"
#include "ui/selection_commands.h"
#include "ui/stats_page.h"
#include "world/world.h"

namespace gm {

namespace {

struct FieldDef {
  const char* caption;
  const char* hint;
  int group;
};
constexpr std::array<const char*, 5> kGroups = {
    QT_TRANSLATE_NOOP("gm::CompanyStatusPage", "会社"),
    QT_TRANSLATE_NOOP("gm::CompanyStatusPage", "代表者の資質"),
    QT_TRANSLATE_NOOP("gm::CompanyStatusPage", "店舗"),
    QT_TRANSLATE_NOOP("gm::CompanyStatusPage", "倉庫"),
    QT_TRANSLATE_NOOP("gm::CompanyStatusPage", "ｽﾀｯﾌ")};
constexpr std::array<FieldDef, CompanyStatusPage::kFieldCount> kFields = {{
    {QT_TRANSLATE_NOOP("gm::CompanyStatusPage", "代表者名"), "", 0},
    {QT_TRANSLATE_NOOP("gm::CompanyStatusPage", "会社名"), "", 0},
    {QT_TRANSLATE_NOOP("gm::CompanyStatusPage", "資本金"),
     QT_TRANSLATE_NOOP("gm::CompanyStatusPage", "会社設立時の資金"), 0},
    {QT_TRANSLATE_NOOP("gm::CompanyStatusPage", "資金"),
     QT_TRANSLATE_NOOP("gm::CompanyStatusPage", "残り資金"), 0},
    {QT_TRANSLATE_NOOP("gm::CompanyStatusPage", "総資産"),
     QT_TRANSLATE_NOOP("gm::CompanyStatusPage", "手持ちの有形資産の価値"), 0},
    {QT_TRANSLATE_NOOP("gm::CompanyStatusPage", "魅力"),
     QT_TRANSLATE_NOOP("gm::CompanyStatusPage", "代表者の人望"), 1},
    {QT_TRANSLATE_NOOP("gm::CompanyStatusPage", "知性"),
     QT_TRANSLATE_NOOP("gm::CompanyStatusPage", "代表者の知的水準"), 1},
    {QT_TRANSLATE_NOOP("gm::CompanyStatusPage", "統率力"),
     QT_TRANSLATE_NOOP("gm::CompanyStatusPage", "部下を統率する能力"), 1},
    {QT_TRANSLATE_NOOP("gm::CompanyStatusPage", "鑑定眼"),
     QT_TRANSLATE_NOOP("gm::CompanyStatusPage", "台を見分ける力"), 1},
    {QT_TRANSLATE_NOOP("gm::CompanyStatusPage", "統率可能店舗数"), "", 2},
    {QT_TRANSLATE_NOOP("gm::CompanyStatusPage", "店舗数"), "", 2},
    {QT_TRANSLATE_NOOP("gm::CompanyStatusPage", "営業"), "", 2},
    {QT_TRANSLATE_NOOP("gm::CompanyStatusPage", "待機"), "", 2},
    {QT_TRANSLATE_NOOP("gm::CompanyStatusPage", "工事"), "", 2},
    {QT_TRANSLATE_NOOP("gm::CompanyStatusPage", "停止"), "", 2},
    {QT_TRANSLATE_NOOP("gm::CompanyStatusPage", "倉庫"), "", 3},
    {QT_TRANSLATE_NOOP("gm::CompanyStatusPage", "倉庫の空き"), "", 3},
    {QT_TRANSLATE_NOOP("gm::CompanyStatusPage", "男性ｽﾀｯﾌ"), "", 4},
    {QT_TRANSLATE_NOOP("gm::CompanyStatusPage", "女性ｽﾀｯﾌ"), "", 4},
    {QT_TRANSLATE_NOOP("gm::CompanyStatusPage", "総ｽﾀｯﾌ数"), "", 4},
    {QT_TRANSLATE_NOOP("gm::CompanyStatusPage", "適正人員"),
     QT_TRANSLATE_NOOP("gm::CompanyStatusPage", "店舗の台と稼動に見合うｽﾀｯﾌの数"), 4},
    {QT_TRANSLATE_NOOP("gm::CompanyStatusPage", "不足人員"),
     QT_TRANSLATE_NOOP("gm::CompanyStatusPage", "総ｽﾀｯﾌ数－適正人員"), 4},
    {QT_TRANSLATE_NOOP("gm::CompanyStatusPage", "ﾓﾗﾙ"),
     QT_TRANSLATE_NOOP("gm::CompanyStatusPage", "ｽﾀｯﾌの職務意識（平均）"), 4},
    {QT_TRANSLATE_NOOP("gm::CompanyStatusPage", "ｽｷﾙ"),
     QT_TRANSLATE_NOOP("gm::CompanyStatusPage", "ｽﾀｯﾌの職務技能（平均）"), 4},
    {QT_TRANSLATE_NOOP("gm::CompanyStatusPage", "特殊工作"), "", 0},
}};

QString grouped(Money m) { return QString::fromStdString(formatGrouped(m)); }
QString grouped(int64_t v) { return QString::fromStdString(formatGrouped(v)); }
QString count(int n) { return CompanyStatusPage::tr("%1軒").arg(n); }
QString machines(int n) { return CompanyStatusPage::tr("%1台").arg(grouped(int64_t{n})); }
QString people(int64_t n) { return CompanyStatusPage::tr("%1人").arg(grouped(n)); }
QString share(int64_t n, int percent) {
  return CompanyStatusPage::tr("%1人（%2%）").arg(grouped(n), QString::number(percent));
}

}  // namespace

QString manoeuvreMark(const tworld& world) {
  return world.kaichou.datuzei ? CompanyStatusPage::tr("Ｘ Ｘ Ｘ Ｘ") : QString();
}

CompanyStatusPage::CompanyStatusPage(QWidget* parent) : QWidget(parent) {
  std::array<QGridLayout*, kGroups.size()> grids{};
  std::array<QGroupBox*, kGroups.size()> boxes{};
  for (std::size_t g = 0; g < kGroups.size(); ++g) {
    boxes[g] = new QGroupBox(tr(kGroups[g]), this);
    grids[g] = new QGridLayout(boxes[g]);
    grids[g]->setColumnStretch(1, 1);
  }
  for (int f = 0; f < kFieldCount; ++f) {
    QGridLayout* grid = grids[kFields[f].group];
    const int row = grid->rowCount();
    auto* caption = new QLabel(tr(kFields[f].caption), this);
    values_[f] = new QLabel(this);
    values_[f]->setTextInteractionFlags(Qt::TextSelectableByMouse);
    grid->addWidget(caption, row, 0);
    grid->addWidget(values_[f], row, 1);
    if (*kFields[f].hint)
      for (QLabel* l : {caption, values_[f]}) l->setToolTip(tr(kFields[f].hint));
  }
  values_[kManoeuvre]->setObjectName(QStringLiteral("datuzeimark"));
  values_[kManoeuvre]->setStyleSheet(QStringLiteral("color: #c00000; font-weight: bold;"));

  manoeuvre_ = new QPushButton(tr("変更(&K)"), this);
  manoeuvre_->setObjectName(QStringLiteral("tokushubtn"));
  manoeuvre_->setAutoDefault(false);
  grids[0]->addWidget(manoeuvre_, grids[0]->rowCount() - 1, 2);

  auto* left = new QVBoxLayout;
  left->addWidget(boxes[0]);
  left->addWidget(boxes[1]);
  left->addStretch(1);
  auto* right = new QVBoxLayout;
  right->addWidget(boxes[2]);
  right->addWidget(boxes[4]);
  right->addWidget(boxes[3]);
  right->addStretch(1);
  auto* layout = new QHBoxLayout(this);
  layout->addLayout(left, 1);
  layout->addLayout(right, 1);
}

void CompanyStatusPage::showCompany(const tworld& world) {
  const tkaichou& k = world.kaichou;
  const StoreCounts stores = k.TempoKazu();
  const auto set = [this](Field f, const QString& t) { values_[f]->setText(t); };
  set(kOwner, qs(k.ownername.view()));
  set(kCompany, qs(k.kaishaname.view()));
  set(kCapital, qs(capitalLabel(k.sihon)));
  set(kCash, grouped(k.sikin));
  set(kAssets, grouped(k.SoushisanKeisan(world.month)));
  set(kCharm, QString::number(k.karisuma));
  set(kIntelligence, QString::number(k.chisei));
  set(kLeadership, QString::number(k.tousotu));
  set(kAppraisal, QString::number(k.kantei));
  set(kStoreLimit, count(stores.limit));
  set(kStoresInUse, count(stores.used));
  set(kStoresOpen, count(stores.open));
  set(kStoresWaiting, count(stores.waiting));
  set(kStoresBuilding, count(stores.underConstruction));
  set(kStoresSuspended, count(stores.suspended));
  set(kWarehouse, qs(warehouseLevelLabel(k.souko)));
  set(kWarehouseFree, machines(k.SoukoAki()));
  const StaffSummary staff = k.StaffShuukei(world.MonthlyHours(), world.month);
  set(kStaffMen, share(staff.men, staff.menShare));
  set(kStaffWomen, share(staff.women, staff.womenShare));
  set(kStaffTotal, people(staff.total));
  set(kStaffNeed, people(staff.need));
  const int64_t shortage = staff.total - staff.need;
  set(kStaffShortage, qs(shortageText(shortage)));
  values_[kStaffShortage]->setStyleSheet(shortageIsRed(shortage) ? QStringLiteral("color: red;")
                                                                 : QString());
  set(kStaffMoral, QString::number(staff.moral.trunc()));
  set(kStaffSkill, QString::number(staff.skill.trunc()));
  set(kManoeuvre, manoeuvreMark(world));
}

QString CompanyStatusPage::text(Field f) const { return values_[f]->text(); }

CompanyWindow::CompanyWindow(TMain& main)
    : Tkaishaform(main), layout_(this, QStringLiteral("kaishaform")) {
  // The frame's own summary gives way to the pages, which go above the order buttons.
  for (QLabel* label : findChildren<QLabel*>(QString(), Qt::FindDirectChildrenOnly)) label->hide();
  pages_ = new QTabWidget(this);
  status_ = new CompanyStatusPage(pages_);
  budget_ = new BudgetPage(true, pages_);
  stores_ = new CompanyStoreListPage(pages_);
  warehouse_ = new WarehousePage(pages_);
  machines_ = new CompanyMachinesPage(pages_);
  stats_ = new StatsPage(pages_);
  // The status page's groups stand taller than a laptop leaves the manager beside the map and
  // the district windows under it: the page scrolls instead of pushing them away.
  pages_->addTab(scrolledPage(status_, PageWish::WholePage), tr("ｽﾃｰﾀｽ"));
  pages_->addTab(budget_, tr("予算"));
  pages_->addTab(stores_, tr("店舗一覧"));
  pages_->addTab(warehouse_, tr("倉庫"));
  pages_->addTab(machines_, tr("全設置台データ"));
  pages_->addTab(stats_, tr("統計"));
  static_cast<QVBoxLayout*>(layout())->insertWidget(1, pages_, 1);
  connect(budget_, &BudgetPage::commandChosen, this,
          [this](int command) { runBudgetCommand(mainWindow(), this, command, 0); });
  connect(stores_, &CompanyStoreListPage::commandChosen, this, &CompanyWindow::storeListCommand);
  connect(stores_, &CompanyStoreListPage::storeOpened, this, &CompanyWindow::openStore);

  connect(status_->manoeuvreButton(), &QPushButton::clicked, this, &CompanyWindow::switchManoeuvre);
  connect(warehouse_, &WarehousePage::rebuildRequested, this, &CompanyWindow::rebuildWarehouse);
  connect(warehouse_, &WarehousePage::machineRequested, this, &CompanyWindow::openMachine);
  connect(warehouse_, &WarehousePage::disposalRequested, this, &CompanyWindow::disposeSelected);

  popup_ = new QMenu(this);
  fillPopupMenu();
  layout_.addList(stores_->tempolist());
  layout_.addList(warehouse_->dailistPanel());
  layout_.restore();
}

void CompanyWindow::fillPopupMenu() {
  popup_->clear();
  QAction* manoeuvre = popup_->addAction(tr("特殊工作(&K)"));
  manoeuvre->setObjectName(QStringLiteral("tokushumenu"));
  connect(manoeuvre, &QAction::triggered, this, &CompanyWindow::switchManoeuvre);
  popup_->addSeparator();
  // The status page's one command is the manoeuvre, already first in the menu.
  addCommandItems(
      popup_, pages_->currentWidget()->isAncestorOf(status_) ? nullptr : pages_->currentWidget(),
      windowOrderButtons(this));
  popup_->addSeparator();
  connect(popup_->addAction(tr("倉庫(&G)")), &QAction::triggered, this,
          [this] { openWarehouse(mainWindow(), this); });
  connect(popup_->addAction(tr("電卓(&U)")), &QAction::triggered, this,
          [this] { openCalculator(this); });
  giveEveryItemItsOwnLetter(popup_);
}

void CompanyWindow::refresh() {
  const tworld& w = world();
  status_->showCompany(w);
  budget_->showBudget(companyBudget(w.kaichou, forecastTerms(w)));
  machines_->showCompany(w.kaichou);
  stats_->showHistory(companyHistory(w));
  rebuildLists();
}

void CompanyWindow::rebuildLists() {
  const Options& o = mainWindow().options();
  stores_->showStores(world(), o.tempoiconview ? &mainWindow().pictures() : nullptr);
  warehouse_->showWarehouse(world(), o.daiiconview ? &mainWindow().pictures() : nullptr);
}

void CompanyWindow::storeListCommand(int command) {
  if (command == CompanyStoreListPage::kStoreData) return openStore(stores_->chosenStore());
  if (command == CompanyStoreListPage::kSelectAll) return stores_->tempolist()->selectAll();
  if (command == CompanyStoreListPage::kColumns) {
    stores_->tempolist()->chooseColumns();
    return;
  }
  if (command == CompanyStoreListPage::kReplacement) {
    const int slot = stores_->chosenStore();
    if (slot == 0) return;
    runReplacement(this, world(), mainWindow().options(), slot,
                   mainWindow().options().daiiconview ? &mainWindow().pictures() : nullptr);
    afterSelectionOrder(mainWindow());
    return;
  }
  runSelectionCommand(mainWindow(), this, command, stores_->selection());
}

void CompanyWindow::openStore(int slot) {
  if (slot < 1 || slot > kStoreSlots || !world().kaichou.slot(slot).used) return;
  if (Ttempoform* w = mainWindow().subWindows().tempoform) w->showStore(slot);
}

void CompanyWindow::switchManoeuvre() {
  TokushuKousaku(world());
  refresh();
}

void CompanyWindow::rebuildWarehouse() {
  SoukoKaichiku(world());
  refresh();
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

void CompanyWindow::contextMenuEvent(QContextMenuEvent* event) {
  fillPopupMenu();
  popup_->exec(event->globalPos());
}

}  // namespace gm

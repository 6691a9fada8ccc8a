// The personnel window.
#include "ui/personnel_window.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "company/hiring.h"
#include "shell/main_window.h"
#include "shell/picture_book.h"
#include "store/staff.h"
#include "ui/figure_text.h"
#include "ui/graduates_window.h"
#include "ui/hiring_window.h"
#include "ui/screen_text.h"
#include "ui/sort_key_item.h"
#include "world/world.h"

namespace gm {

namespace {

constexpr int kSlotRole = Qt::UserRole;

constexpr std::array<const char*, PersonnelWindow::kCommandCount> kCaptions = {
    QT_TRANSLATE_NOOP("gm::PersonnelWindow", "1人"),
    QT_TRANSLATE_NOOP("gm::PersonnelWindow", "10人"),
    QT_TRANSLATE_NOOP("gm::PersonnelWindow", "100人"),
    QT_TRANSLATE_NOOP("gm::PersonnelWindow", "全員"),
    QT_TRANSLATE_NOOP("gm::PersonnelWindow", "1人"),
    QT_TRANSLATE_NOOP("gm::PersonnelWindow", "10人"),
    QT_TRANSLATE_NOOP("gm::PersonnelWindow", "100人"),
    QT_TRANSLATE_NOOP("gm::PersonnelWindow", "全員"),
    QT_TRANSLATE_NOOP("gm::PersonnelWindow", "任せる(&M)"),
    QT_TRANSLATE_NOOP("gm::PersonnelWindow", "雇用(&K)"),
    QT_TRANSLATE_NOOP("gm::PersonnelWindow", "解雇(&D)"),
    QT_TRANSLATE_NOOP("gm::PersonnelWindow", "全選択(&A)"),
    QT_TRANSLATE_NOOP("gm::PersonnelWindow", "決定(&R)"),
    QT_TRANSLATE_NOOP("gm::PersonnelWindow", "取り消し(&N)"),
};
constexpr std::array<std::string_view, PersonnelWindow::kCommandCount> kNames = {
    "assign1", "assign10", "assign100", "assignall", "out1",   "out10", "out100",
    "outall",  "makaseru", "koyou",     "kaiko",     "allsel", "okbtn", "cancelbtn"};
constexpr std::array<int, 4> kAmounts = {1, 10, 100, kMoveAll};

constexpr std::array<const char*, PersonnelWindow::kColumnCount> kHeaders = {
    QT_TRANSLATE_NOOP("gm::PersonnelWindow", "店舗名"),
    QT_TRANSLATE_NOOP("gm::PersonnelWindow", "状態"),
    QT_TRANSLATE_NOOP("gm::PersonnelWindow", "男性"),
    QT_TRANSLATE_NOOP("gm::PersonnelWindow", "女性"),
    QT_TRANSLATE_NOOP("gm::PersonnelWindow", "合計"),
    QT_TRANSLATE_NOOP("gm::PersonnelWindow", "適正人員"),
    QT_TRANSLATE_NOOP("gm::PersonnelWindow", "不足人員"),
    QT_TRANSLATE_NOOP("gm::PersonnelWindow", "ﾓﾗﾙ"),
    QT_TRANSLATE_NOOP("gm::PersonnelWindow", "ｽｷﾙ"),
    QT_TRANSLATE_NOOP("gm::PersonnelWindow", "給与"),
};

QString people(int64_t n) { return PersonnelWindow::tr("%1人").arg(countFigure(n)); }

}  // namespace

PersonnelWindow::PersonnelWindow(TMain& main)
    : Tidouform(main), layout_(this, QStringLiteral("idouform")) {
  QStringList headers;
  for (const char* h : kHeaders) headers << tr(h);
  panel_ = new ListPanel(QStringLiteral("tempolist"), QStringLiteral("idcolumns"),
                         QStringLiteral("temposort"), headers, this);
  list_ = panel_->tree();
  list_->setSelectionMode(QAbstractItemView::ExtendedSelection);
  panel_->setMinimumSize(620, 240);

  for (int c = 0; c < kCommandCount; ++c) {
    buttons_[c] = new QPushButton(tr(kCaptions[c]), this);
    buttons_[c]->setObjectName(QLatin1String(kNames[c].data()));
    buttons_[c]->setAutoDefault(false);
  }
  buttons_[kAssignAll]->setToolTip(tr("余剰ｽﾀｯﾌを選択中の店舗に均等に配属"));
  buttons_[kOutAll]->setToolTip(tr("選択中の店舗のｽﾀｯﾌを全て余剰ｽﾀｯﾌに"));
  buttons_[kLeaveItToMe]->setToolTip(tr("選択中の店舗の人員不足を自動で解消"));
  buttons_[kDismiss]->setToolTip(tr("余剰ｽﾀｯﾌを全て解雇（退職金がかかります）"));

  auto* poolBox = new QGroupBox(tr("余剰ｽﾀｯﾌ"), this);
  auto* poolGrid = new QGridLayout(poolBox);
  const std::array<QString, kPoolFieldCount> poolCaptions = {tr("男性"), tr("女性"), tr("合計"),
                                                             tr("ﾓﾗﾙ"), tr("ｽｷﾙ")};
  for (int f = 0; f < kPoolFieldCount; ++f) {
    poolGrid->addWidget(new QLabel(poolCaptions[f], poolBox), f, 0);
    pool_[f] = new QLabel(poolBox);
    pool_[f]->setAlignment(Qt::AlignRight);
    poolGrid->addWidget(pool_[f], f, 1);
  }
  pool_[kPoolMoral]->setToolTip(tr("ｽﾀｯﾌの職務意識"));
  pool_[kPoolSkill]->setToolTip(tr("ｽﾀｯﾌの職務技能"));

  auto* choiceBox = new QGroupBox(tr("異動対象"), this);
  auto* choiceLayout = new QHBoxLayout(choiceBox);
  auto* group = new QButtonGroup(this);
  const std::array<QString, 3> choiceCaptions = {tr("両方"), tr("男性"), tr("女性")};
  for (int i = 0; i < 3; ++i) {
    choices_[i] = new QRadioButton(choiceCaptions[i], choiceBox);
    group->addButton(choices_[i], i);
    choiceLayout->addWidget(choices_[i]);
  }
  choices_[0]->setChecked(true);

  auto row = [this](const QString& title, int first) {
    auto* box = new QGroupBox(title, this);
    auto* l = new QHBoxLayout(box);
    for (int i = 0; i < 4; ++i) l->addWidget(buttons_[first + i]);
    return box;
  };
  auto* assignBox = row(tr("配属（余剰ｽﾀｯﾌ→店舗）"), kAssign1);
  auto* outBox = row(tr("転属（店舗→余剰ｽﾀｯﾌ）"), kOut1);

  auto* side = new QVBoxLayout;
  side->addWidget(poolBox);
  side->addWidget(choiceBox);
  side->addWidget(buttons_[kLeaveItToMe]);
  side->addWidget(buttons_[kHire]);
  side->addWidget(buttons_[kDismiss]);
  side->addStretch(1);

  auto* top = new QHBoxLayout;
  top->addWidget(panel_, 1);
  top->addLayout(side);
  auto* moves = new QHBoxLayout;
  moves->addWidget(assignBox);
  moves->addWidget(outBox);
  auto* bottom = new QHBoxLayout;
  bottom->addWidget(buttons_[kSelectAll]);
  bottom->addStretch(1);
  bottom->addWidget(buttons_[kConfirm]);
  bottom->addWidget(buttons_[kCancel]);

  auto* body = static_cast<QVBoxLayout*>(layout());
  body->addLayout(top, 1);
  body->addLayout(moves);
  body->addLayout(bottom);

  for (int i = 0; i < 4; ++i) {
    const int amount = kAmounts[i];
    connect(buttons_[kAssign1 + i], &QPushButton::clicked, this,
            [this, amount] { move(true, amount); });
    connect(buttons_[kOut1 + i], &QPushButton::clicked, this,
            [this, amount] { move(false, amount); });
  }
  connect(buttons_[kLeaveItToMe], &QPushButton::clicked, this, [this] {
    session().leaveItToMe(shownSelection());
    fill();
  });
  connect(buttons_[kHire], &QPushButton::clicked, this, &PersonnelWindow::hire);
  connect(buttons_[kDismiss], &QPushButton::clicked, this, [this] {
    session().dismiss();
    fill();
  });
  connect(buttons_[kSelectAll], &QPushButton::clicked, list_, &QTreeWidget::selectAll);
  connect(buttons_[kConfirm], &QPushButton::clicked, this, [this] {
    if (session().confirm()) accept();
  });
  connect(buttons_[kCancel], &QPushButton::clicked, this, &PersonnelWindow::reject);
  layout_.addList(panel_);
  layout_.restore();
}

PersonnelWindow::~PersonnelWindow() = default;

PersonnelSession& PersonnelWindow::session() {
  // One session a game: it is large, so it is made when the screen first opens for a world.
  if (!session_ || &session_->world() != &world())
    session_ = std::make_unique<PersonnelSession>(world());
  return *session_;
}

void PersonnelWindow::startSession() { session().begin(); }

void PersonnelWindow::openPersonnel() {
  if (Check refusal = CheckPersonnelScreen(world().kaichou)) {
    showRefusal(world().ui(), *refusal);
    return;
  }
  startSession();
  runScreen();
}

void PersonnelWindow::takeInGraduates(const GraduateOffer& offer) {
  startSession();
  Tsaiyouform entry(session(), offer, mainWindow().options().waittime, &mainWindow());
  if (!entry.run()) return;
  runScreen();
}

void PersonnelWindow::runScreen() {
  fill();
  list_->clearSelection();
  if (list_->topLevelItemCount() > 0) list_->topLevelItem(0)->setSelected(true);
  if (exec() != QDialog::Accepted) return;
  const SubWindows& w = mainWindow().subWindows();
  for (DataWindow* d :
       {static_cast<DataWindow*>(w.tempoform), static_cast<DataWindow*>(w.kaishaform)})
    if (d && d->isVisible()) d->refresh();
}

void PersonnelWindow::refresh() {
  if (session_ && &session_->world() == &world()) fill();
}

void PersonnelWindow::rebuildLists() { refresh(); }

void PersonnelWindow::worldReplaced() { session_.reset(); }

void PersonnelWindow::reject() {
  if (session_ && &session_->world() == &world()) {
    if (Check refusal = session_->CheckLeave()) {
      showRefusal(world().ui(), *refusal);
      return;
    }
  }
  Tidouform::reject();
}

StoreSelection PersonnelWindow::selection() const {
  StoreSelection s;
  for (QTreeWidgetItem* item : list_->selectedItems())
    s |= selectSlot(item->data(kColName, kSlotRole).toInt());
  return s;
}

StoreOrder PersonnelWindow::shownSelection() const {
  StoreOrder order;
  for (int i = 0; i < list_->topLevelItemCount(); ++i) {
    const QTreeWidgetItem* item = list_->topLevelItem(i);
    if (item->isSelected()) order.add(item->data(kColName, kSlotRole).toInt());
  }
  return order;
}

void PersonnelWindow::select(const StoreSelection& stores) {
  for (int i = 0; i < list_->topLevelItemCount(); ++i) {
    QTreeWidgetItem* item = list_->topLevelItem(i);
    item->setSelected(
        stores.test(static_cast<std::size_t>(item->data(kColName, kSlotRole).toInt() - 1)));
  }
}

StaffChoice PersonnelWindow::choice() const {
  for (int i = 0; i < 3; ++i)
    if (choices_[i]->isChecked()) return static_cast<StaffChoice>(i);
  return StaffChoice::Both;
}

void PersonnelWindow::move(bool intoStores, int amount) {
  if (intoStores)
    session().assign(shownSelection(), choice(), amount);
  else
    session().transferOut(shownSelection(), choice(), amount);
  fill();
}

void PersonnelWindow::hire() {
  if (Check refusal = CheckHiring(world())) {
    showRefusal(world().ui(), *refusal);
    return;
  }
  Tkoyouform dialog(session(), mainWindow().options().waittime, this);
  dialog.run();
  fill();
}

void PersonnelWindow::fill() {
  PersonnelSession& s = session();
  const tworld& w = world();
  const int hours = w.MonthlyHours();
  const StoreSelection selected = selection();
  const PictureBook* icons =
      mainWindow().options().tempoiconview ? &mainWindow().pictures() : nullptr;
  panel_->beginFill();
  list_->clear();
  for (int n = 1; n <= kStoreSlots; ++n) {
    if (!s.inUse(n)) continue;
    const Ttempo& t = s.store(n);
    const int need = t.staffNeed(hours, w.month);
    const int64_t shortage = t.staffTotal() - need;
    auto* item = new SortKeyItem(list_);
    item->setData(kColName, kSlotRole, n);
    item->setText(kColName, qs(t.name.view()));
    item->setSortKey(kColName, n);
    if (icons) item->setIcon(kColName, QIcon(QPixmap::fromImage(icons->storeIcon(t.joutai))));
    item->setText(kColState, qs(storeStateName(t.joutai)));
    item->setSortKey(kColState, t.joutai);
    const std::array<int64_t, kColumnCount> keys = {
        0,    0,        t.dansei,      t.zyosei,      t.staffTotal(),
        need, shortage, t.moral.raw(), t.skill.raw(), t.kyuyo};
    for (int c = kColMen; c < kColumnCount; ++c) item->setSortKey(c, keys[c]);
    item->setText(kColMen, people(t.dansei));
    item->setText(kColWomen, people(t.zyosei));
    item->setText(kColTotal, people(t.staffTotal()));
    item->setText(kColNeed, people(need));
    item->setText(kColShortage, QString::fromStdString(shortageText(shortage)));
    if (shortageIsRed(shortage)) item->setForeground(kColShortage, Qt::red);
    item->setText(kColMoral, QString::number(t.moral.trunc()));
    item->setText(kColSkill, QString::number(t.skill.trunc()));
    item->setText(kColSalary, moneyText(int64_t{t.kyuyo}));
    for (int c = kColMen; c < kColumnCount; ++c)
      item->setTextAlignment(c, Qt::AlignRight | Qt::AlignVCenter);
    item->setSelected(selected.test(static_cast<std::size_t>(n - 1)));
  }
  panel_->endFill();
  const Ttempo& p = s.pool();
  pool_[kPoolMen]->setText(people(p.dansei));
  pool_[kPoolWomen]->setText(people(p.zyosei));
  pool_[kPoolTotal]->setText(people(p.staffTotal()));
  pool_[kPoolMoral]->setText(QString::number(p.moral.trunc()));
  pool_[kPoolSkill]->setText(QString::number(p.skill.trunc()));
  buttons_[kDismiss]->setEnabled(p.staffTotal() > 0);
  setSummary(tr("資金  %1").arg(moneyText(w.kaichou.sikin)));
}

}  // namespace gm

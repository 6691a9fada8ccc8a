// The hiring window.
#include "ui/hiring_window.h"

#include <QButtonGroup>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>

#include "company/personnel_orders.h"
#include "shell/typing_box.h"
#include "ui/screen_text.h"
#include "world/world.h"

namespace gm {

Tkoyouform::Tkoyouform(PersonnelSession& session, int waittime, QWidget* parent)
    : QDialog(parent), session_(session) {
  setWindowTitle(tr("雇用人数"));
  setObjectName(QStringLiteral("koyouform"));

  prompt_ = new TypingBox(this);
  prompt_->setDelay(waittime);
  prompt_->setText(tr("何人募集しますか？"));

  count_ = new QSpinBox(this);
  count_->setObjectName(QStringLiteral("koyoucount"));
  count_->setLocale(QLocale(QLocale::English, QLocale::UnitedStates));
  count_->setGroupSeparatorShown(true);
  count_->setRange(0, kMaxHire);
  count_->setSuffix(tr(" 人"));
  count_->setAlignment(Qt::AlignRight);

  auto* sexBox = new QGroupBox(tr("性別指定"), this);
  auto* sexLayout = new QHBoxLayout(sexBox);
  auto* group = new QButtonGroup(this);
  const std::array<QString, 3> captions = {tr("指定なし"), tr("男性"), tr("女性")};
  for (int i = 0; i < 3; ++i) {
    sexes_[i] = new QRadioButton(captions[i], sexBox);
    group->addButton(sexes_[i], i);
    sexLayout->addWidget(sexes_[i]);
  }
  sexes_[0]->setChecked(true);

  cost_ = new QLabel(this);
  cash_ = new QLabel(this);
  remaining_ = new QLabel(this);
  for (QLabel* l : {cost_, cash_, remaining_}) l->setAlignment(Qt::AlignRight);
  auto* figures = new QFormLayout;
  figures->addRow(tr("募集人数"), count_);
  figures->addRow(tr("費用(千円)"), cost_);
  figures->addRow(tr("資金(千円)"), cash_);
  figures->addRow(tr("残り(千円)"), remaining_);

  ok_ = new QPushButton(tr("決定(&R)"), this);
  cancel_ = new QPushButton(tr("取り消し(&N)"), this);
  ok_->setDefault(true);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(ok_);
  buttons->addWidget(cancel_);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(prompt_);
  layout->addLayout(figures);
  layout->addWidget(sexBox);
  layout->addLayout(buttons);

  connect(count_, &QSpinBox::valueChanged, this, &Tkoyouform::showCost);
  connect(group, &QButtonGroup::idClicked, this, &Tkoyouform::showCost);
  connect(ok_, &QPushButton::clicked, this, &Tkoyouform::order);
  connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);
  // The number the halls lack, less those already waiting in the pool: a player with only a mouse
  // would otherwise step the count up one click a head.
  count_->setValue(staffShortage(session_));
  showCost();
}

int staffShortage(const PersonnelSession& session) {
  const tworld& world = session.world();
  int lacking = 0;
  for (int slot = 1; slot <= kStoreSlots; ++slot) {
    if (!session.inUse(slot)) continue;
    const Ttempo& s = session.store(slot);
    lacking += std::max(0, s.staffNeed(world.MonthlyHours(), world.month) - s.dansei - s.zyosei);
  }
  return std::clamp(lacking - session.pool().dansei - session.pool().zyosei, 0, kMaxHire);
}

HireSex Tkoyouform::sex() const {
  for (int i = 0; i < 3; ++i)
    if (sexes_[i]->isChecked()) return static_cast<HireSex>(i);
  return HireSex::Any;
}

void Tkoyouform::showCost() {
  const tworld& world = session_.world();
  const int64_t cost = HiringCost(world, count_->value(), sex());
  const Money left = world.kaichou.sikin - Money::fromInt(cost);
  cost_->setText(moneyText(cost));
  cash_->setText(moneyText(world.kaichou.sikin));
  remaining_->setText(moneyText(left));
  // A payment must leave some cash, so a remainder of nothing is as short as a negative one.
  remaining_->setStyleSheet(left > Money() ? QString() : QStringLiteral("color: red;"));
}

void Tkoyouform::order() {
  count_->interpretText();  // a number typed without leaving the edit still counts
  if (count_->value() == 0) return reject();
  if (Hire(session_, count_->value(), sex())) {
    hired_ = true;
    accept();
    return;
  }
  showCost();  // the cash may have moved the figures; the window stays for another try
}

bool Tkoyouform::run() {
  hired_ = false;
  QTimer::singleShot(0, prompt_, &TypingBox::start);
  exec();
  return hired_;
}

}  // namespace gm

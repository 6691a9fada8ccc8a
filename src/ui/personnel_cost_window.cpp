// The personnel cost window.
#include "ui/personnel_cost_window.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "ui/screen_text.h"
#include "world/world.h"

namespace gm {

Tjinkenchousei::Tjinkenchousei(tworld& world, const StoreSelection& stores, QWidget* parent)
    : QDialog(parent), world_(world), selection_(stores) {
  setWindowTitle(tr("人件費調整"));
  setObjectName(QStringLiteral("jinkenchousei"));

  const tkaichou& company = world.kaichou;
  int count = 0, first = 0;
  for (int n = 1; n <= kStoreSlots; ++n) {
    if (!stores.test(n - 1) || !company.slot(n).used) continue;
    if (count++ == 0) first = n;
  }
  stores_ = new QLabel(
      count == 1 ? qs(company.slot(first).name.view()) : tr("選択中の%1店舗").arg(count), this);

  // The edits take the whole range that can be typed; the order raises a salary below its
  // floor and refuses what lies beyond the ranges.
  auto spin = [this](const char* name) {
    auto* box = new QSpinBox(this);
    box->setObjectName(QLatin1String(name));
    box->setRange(0, kMaxSpending);
    box->setAlignment(Qt::AlignRight);
    return box;
  };
  salary_ = spin("kyuyo");
  education_ = spin("kyouiku");
  welfare_ = spin("fukuri");
  const PersonnelSpending start = AverageSpending(company, stores);
  salary_->setValue(start.kyuyo);
  education_->setValue(start.kyouiku);
  welfare_->setValue(start.fukuri);
  total_ = new QLabel(this);
  total_->setAlignment(Qt::AlignRight);

  auto* form = new QFormLayout;
  form->addRow(tr("店舗"), stores_);
  form->addRow(tr("給与(千円/人)"), salary_);
  form->addRow(tr("教育(千円/人)"), education_);
  form->addRow(tr("福利厚生(千円/人)"), welfare_);
  form->addRow(tr("人件費の月額(千円)"), total_);
  salary_->setToolTip(tr("120〜1,000。少なすぎるとスタッフが辞めていきます"));
  education_->setToolTip(tr("0〜1,000。スキルはこの額を目指して変わります"));
  welfare_->setToolTip(tr("0〜1,000。モラルはこの額を目指して変わります"));

  ok_ = new QPushButton(tr("決定(&R)"), this);
  cancel_ = new QPushButton(tr("取り消し(&N)"), this);
  ok_->setDefault(true);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(ok_);
  buttons->addWidget(cancel_);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  layout->addLayout(buttons);

  for (QSpinBox* box : {salary_, education_, welfare_})
    connect(box, &QSpinBox::valueChanged, this, &Tjinkenchousei::showTotal);
  connect(ok_, &QPushButton::clicked, this, &Tjinkenchousei::order);
  connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);
  showTotal();
}

PersonnelSpending Tjinkenchousei::values() const {
  return PersonnelSpending{salary_->value(), education_->value(), welfare_->value()};
}

void Tjinkenchousei::showTotal() {
  const PersonnelSpending v = RaiseToSalaryFloor(values());
  int64_t heads = 0;
  for (int n = 1; n <= kStoreSlots; ++n)
    if (selection_.test(n - 1) && world_.kaichou.slot(n).used)
      heads += world_.kaichou.slot(n).staffTotal();
  total_->setText(moneyText(heads * (int64_t{v.kyuyo} + v.kyouiku + v.fukuri)));
}

void Tjinkenchousei::order() {
  for (QSpinBox* box : {salary_, education_, welfare_}) box->interpretText();
  // Show the salary the order will write, so that the question is asked about what is seen.
  salary_->setValue(RaiseToSalaryFloor(values()).kyuyo);
  if (ChangePersonnelSpending(world_, selection_, values())) accept();
}

bool runPersonnelCostDialog(QWidget* parent, tworld& world, const StoreSelection& stores) {
  bool any = false;
  for (int n = 1; n <= kStoreSlots; ++n)
    any = any || (stores.test(n - 1) && world.kaichou.slot(n).used);
  if (!any) return false;
  Tjinkenchousei dialog(world, stores, parent);
  return dialog.exec() == QDialog::Accepted;
}

}  // namespace gm

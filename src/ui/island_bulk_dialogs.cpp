// The bulk business-form, morning and new-island dialogs.
#include "ui/island_bulk_dialogs.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "ui/rate_spin_box.h"
#include "ui/screen_text.h"
#include "world/world.h"

namespace gm {

namespace {

constexpr std::array<const char*, kBusinessForms> kFormButtons = {
    QT_TRANSLATE_NOOP("gm::TKeitaichousei", "無制限(&M)"),
    QT_TRANSLATE_NOOP("gm::TKeitaichousei", "ﾗｯｷｰNO.(&L)"),
    QT_TRANSLATE_NOOP("gm::TKeitaichousei", "定量制(&T)"),
    QT_TRANSLATE_NOOP("gm::TKeitaichousei", "一回交換(&K)")};

QString ratioText(const MorningRatio& r) {
  return TMorningchousei::tr("%1台／%2台").arg(r.morning).arg(r.slotMachines);
}

}  // namespace

TKeitaichousei::TKeitaichousei(tworld& world, const StoreSelection& stores, QWidget* parent)
    : OrderDialog(world, tr("営業形態一括調整"), QStringLiteral("keitaichousei"), parent),
      stores_(stores) {
  auto* typeBox = new QGroupBox(tr("機種"), this);
  auto* typeGrid = new QGridLayout(typeBox);
  for (int t = 0; t < kMachineTypeCount; ++t) {
    std::array<int, kBusinessForms> forms{};
    for (int n : slotsOf(stores)) {
      const std::array<int, 4> c = world.kaichou.slot(n).formCounts(t);
      for (int f = 0; f < kBusinessForms; ++f) forms[f] += c[f];
    }
    const int machines = forms[0] + forms[1] + forms[2] + forms[3];
    types_[t] = new QCheckBox(qs(machineTypeName(t)), typeBox);
    types_[t]->setEnabled(machines > 0);
    typeGrid->addWidget(types_[t], t, 0);
    // What the type's machines run now, form by form.
    QString now;
    for (int f = 0; f < kBusinessForms; ++f)
      if (forms[f] > 0)
        now += tr("%1 %2台  ").arg(qs(businessFormName(f)), QString::number(forms[f]));
    typeGrid->addWidget(new QLabel(now, typeBox), t, 1);
  }
  body()->addWidget(typeBox);
  auto* formBox = new QGroupBox(tr("営業形態"), this);
  auto* formRow = new QHBoxLayout(formBox);
  auto* group = new QButtonGroup(this);
  for (int f = 0; f < kBusinessForms; ++f) {
    forms_[f] = new QRadioButton(tr(kFormButtons[f]), formBox);
    group->addButton(forms_[f], f);
    formRow->addWidget(forms_[f]);
  }
  forms_[0]->setChecked(true);
  body()->addWidget(formBox);
}

BusinessFormChange TKeitaichousei::change() const {
  BusinessFormChange c;
  for (int t = 0; t < kMachineTypeCount; ++t) c.types[t] = types_[t]->isChecked();
  for (int f = 0; f < kBusinessForms; ++f)
    if (forms_[f]->isChecked()) c.form = f;
  return c;
}

OrderOutcome TKeitaichousei::runOrder() {
  return OrderBulkBusinessForm(world(), stores_, change());
}

TMorningchousei::TMorningchousei(tworld& world, const StoreSelection& stores, QWidget* parent)
    : OrderDialog(world, tr("ﾓｰﾆﾝｸﾞ一括設定"), QStringLiteral("morningchousei"), parent),
      stores_(stores) {
  machines_ = new QSpinBox(this);
  machines_->setRange(0, kMorningMachines);
  machines_->setSuffix(tr(" 台／10台"));
  now_ = new QLabel(this);
  after_ = new QLabel(this);
  auto* form = new QFormLayout;
  form->addRow(tr("一島あたりのﾓｰﾆﾝｸﾞ台数"), machines_);
  form->addRow(tr("ﾓｰﾆﾝｸﾞ合計／ﾊﾟﾁｽﾛ合計（現在）"), now_);
  form->addRow(tr("ﾓｰﾆﾝｸﾞ合計／ﾊﾟﾁｽﾛ合計（変更後）"), after_);
  body()->addLayout(form);
  connect(machines_, &QSpinBox::valueChanged, this, &TMorningchousei::showRatio);
  showRatio();
}

void TMorningchousei::showRatio() {
  now_->setText(ratioText(morningRatio(world(), stores_)));
  after_->setText(ratioText(morningRatio(world(), stores_, machines_->value())));
}

OrderOutcome TMorningchousei::runOrder() {
  machines_->interpretText();
  return OrderBulkMorning(world(), stores_, MorningChange{machines_->value()});
}

Tdefform::Tdefform(tworld& world, const StoreSelection& stores, QWidget* parent)
    : OrderDialog(world, tr("新台初期値設定"), QStringLiteral("defform"), parent), stores_(stores) {
  const NewIslandDefaults start =
      stores.none() ? NewIslandDefaults{}
                    : NewIslandDefaults::of(world.kaichou.slot(firstSlot(stores)));
  auto* grid = new QGridLayout;
  grid->addWidget(new QLabel(tr("機種"), this), 0, 0);
  grid->addWidget(new QLabel(tr("利益率"), this), 0, 1);
  grid->addWidget(new QLabel(tr("営業形態"), this), 0, 2);
  for (int t = 0; t < kMachineTypeCount; ++t) {
    grid->addWidget(new QLabel(qs(machineTypeName(t)), this), t + 1, 0);
    rates_[t] = new RateSpinBox(this);
    rates_[t]->setRate(start.riritu[t]);
    grid->addWidget(rates_[t], t + 1, 1);
    forms_[t] = new QComboBox(this);
    for (int f = 0; f < kBusinessForms; ++f) forms_[t]->addItem(qs(businessFormName(f)));
    forms_[t]->setCurrentIndex(start.keitai[t] < kBusinessForms ? start.keitai[t] : 0);
    grid->addWidget(forms_[t], t + 1, 2);
  }
  body()->addLayout(grid);
  morning8_ = new QSpinBox(this);
  morning9_ = new QSpinBox(this);
  for (QSpinBox* m : {morning8_, morning9_}) {
    m->setRange(0, kMorningMachines);
    m->setSuffix(tr(" 台"));
  }
  morning8_->setValue(start.morning8);
  morning9_->setValue(start.morning9);
  auto* form = new QFormLayout;
  form->addRow(tr("%1のﾓｰﾆﾝｸﾞ台数").arg(qs(machineTypeName(8))), morning8_);
  form->addRow(tr("%1のﾓｰﾆﾝｸﾞ台数").arg(qs(machineTypeName(9))), morning9_);
  body()->addLayout(form);
}

NewIslandDefaults Tdefform::defaults() const {
  NewIslandDefaults d;
  for (int t = 0; t < kMachineTypeCount; ++t) {
    d.riritu[t] = rates_[t]->rate();
    d.keitai[t] = static_cast<uint8_t>(forms_[t]->currentIndex());
  }
  d.morning8 = morning8_->value();
  d.morning9 = morning9_->value();
  return d;
}

OrderOutcome Tdefform::runOrder() { return OrderNewIslandDefaults(world(), stores_, defaults()); }

}  // namespace gm

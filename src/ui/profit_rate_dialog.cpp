// The bulk profit-rate dialog.
#include "ui/profit_rate_dialog.h"

#include <QButtonGroup>
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>
#include <QStackedWidget>
#include <QVBoxLayout>

#include "ui/rate_spin_box.h"
#include "ui/screen_text.h"
#include "world/world.h"

namespace gm {

namespace {

// One row: what it is, how many islands it takes, their average rate and the new rate.
RateSpinBox* addRow(QGridLayout* grid, int row, const QString& name, int islands, Money average,
                    QWidget* parent) {
  grid->addWidget(new QLabel(name, parent), row, 0);
  auto* count = new QLabel(Triritushuusei::tr("%1島").arg(islands), parent);
  count->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  grid->addWidget(count, row, 1);
  auto* now = new QLabel(rateText(average), parent);
  now->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  grid->addWidget(now, row, 2);
  auto* edit = new RateSpinBox(parent);
  edit->setRate(average);
  edit->setEnabled(islands > 0);
  grid->addWidget(edit, row, 3);
  return edit;
}

void addHeadings(QGridLayout* grid, const QString& first, QWidget* parent) {
  const QString heads[] = {first, Triritushuusei::tr("島数"), Triritushuusei::tr("現在(平均)"),
                           Triritushuusei::tr("新しい利益率")};
  for (int c = 0; c < 4; ++c) grid->addWidget(new QLabel(heads[c], parent), 0, c);
}

}  // namespace

Triritushuusei::Triritushuusei(tworld& world, const StoreSelection& stores, QWidget* parent)
    : OrderDialog(world, tr("利益率一括修正"), QStringLiteral("riritushuusei"), parent),
      stores_(stores) {
  byType_ = new QRadioButton(tr("機種別で修正(&1)"), this);
  byForm_ = new QRadioButton(tr("営業形態別で修正(&2)"), this);
  auto* modes = new QButtonGroup(this);
  modes->addButton(byType_, 0);
  modes->addButton(byForm_, 1);
  auto* modeRow = new QHBoxLayout;
  modeRow->addWidget(byType_);
  modeRow->addWidget(byForm_);
  modeRow->addStretch(1);
  body()->addLayout(modeRow);

  pages_ = new QStackedWidget(this);
  auto* typePage = new QWidget(pages_);
  auto* typeGrid = new QGridLayout(typePage);
  addHeadings(typeGrid, tr("機種"), typePage);
  for (int t = 0; t < kMachineTypeCount; ++t) {
    const IslandFilter f{t, -1, IslandKind::Both};
    typeStart_[t] = averageProfitRate(world, stores, f);
    typeRates_[t] = addRow(typeGrid, t + 1, qs(machineTypeName(t)), islandCount(world, stores, f),
                           typeStart_[t], typePage);
    typeStart_[t] = typeRates_[t]->rate();  // as the edit shows it
  }
  auto* formPage = new QWidget(pages_);
  auto* formGrid = new QGridLayout(formPage);
  addHeadings(formGrid, tr("営業形態"), formPage);
  for (int k = 0; k < 2; ++k)
    for (int f = 0; f < kBusinessForms; ++f) {
      const IslandFilter filter{-1, f, k == 0 ? IslandKind::Pachinko : IslandKind::Slot};
      const int i = k * kBusinessForms + f;
      const QString name = (k == 0 ? tr("ﾊﾟﾁﾝｺ %1") : tr("ﾊﾟﾁｽﾛ %1")).arg(qs(businessFormName(f)));
      formRates_[i] = addRow(formGrid, i + 1, name, islandCount(world, stores, filter),
                             averageProfitRate(world, stores, filter), formPage);
      formStart_[i] = formRates_[i]->rate();
    }
  pages_->addWidget(typePage);
  pages_->addWidget(formPage);
  body()->addWidget(pages_);

  forecastRate_ = new QLabel(this);
  forecastGross_ = new QLabel(this);
  forecastNet_ = new QLabel(this);
  auto* forecast = new QFormLayout;
  forecast->addRow(tr("今月の予想利益率"), forecastRate_);
  forecast->addRow(tr("今月の予想粗利益(千円)"), forecastGross_);
  forecast->addRow(tr("今月の予想純利益(千円)"), forecastNet_);
  body()->addLayout(forecast);

  byType_->setChecked(true);
  connect(modes, &QButtonGroup::idToggled, this, [this](int id, bool on) {
    if (!on) return;
    pages_->setCurrentIndex(id);
    showForecast();
  });
  for (RateSpinBox* e : typeRates_)
    connect(e, &QDoubleSpinBox::valueChanged, this, &Triritushuusei::showForecast);
  for (RateSpinBox* e : formRates_)
    connect(e, &QDoubleSpinBox::valueChanged, this, &Triritushuusei::showForecast);
  showForecast();
}

ProfitRateChanges Triritushuusei::changes() const {
  ProfitRateChanges c;
  if (byType_->isChecked()) {
    for (int t = 0; t < kMachineTypeCount; ++t)
      if (typeRates_[t]->isEnabled() && typeRates_[t]->rate() != typeStart_[t])
        c.byType[t] = typeRates_[t]->rate();
  } else {
    for (int i = 0; i < 2 * kBusinessForms; ++i)
      if (formRates_[i]->isEnabled() && formRates_[i]->rate() != formStart_[i])
        c.byForm[i / kBusinessForms][i % kBusinessForms] = formRates_[i]->rate();
  }
  return c;
}

void Triritushuusei::showForecast() {
  const BulkForecast f = forecastAfter(world(), stores_, changes());
  forecastRate_->setText(rateText(f.profitRate));
  forecastGross_->setText(moneyText(f.grossProfit));
  forecastNet_->setText(moneyText(f.netProfit));
}

OrderOutcome Triritushuusei::runOrder() {
  return OrderBulkProfitRates(world(), stores_, changes());
}

}  // namespace gm

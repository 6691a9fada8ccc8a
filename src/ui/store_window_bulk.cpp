// The bulk page.
#include "ui/store_window_bulk.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "company/job_stream.h"
#include "store/store.h"
#include "ui/machine_pages.h"
#include "ui/screen_text.h"

namespace gm {

namespace {
constexpr std::array<const char*, StoreBulkPage::kCommandCount> kCaptions = {
    QT_TRANSLATE_NOOP("gm::StoreBulkPage", "利益率(&R)"),
    QT_TRANSLATE_NOOP("gm::StoreBulkPage", "営業形態(&E)"),
    QT_TRANSLATE_NOOP("gm::StoreBulkPage", "ﾓｰﾆﾝｸﾞ(&M)"),
    QT_TRANSLATE_NOOP("gm::StoreBulkPage", "新台初期設定(&Y)")};
constexpr std::array<const char*, StoreBulkPage::kCommandCount> kHints = {
    QT_TRANSLATE_NOOP("gm::StoreBulkPage", "機種別または営業形態別に利益率を一括修正します"),
    QT_TRANSLATE_NOOP("gm::StoreBulkPage", "機種別に営業形態を一括調整します"),
    QT_TRANSLATE_NOOP("gm::StoreBulkPage", "全てのﾊﾟﾁｽﾛの島のﾓｰﾆﾝｸﾞ台数を一括設定します"),
    QT_TRANSLATE_NOOP("gm::StoreBulkPage", "新しく設置する台の初期値を設定します")};
}  // namespace

StoreBulkPage::StoreBulkPage(QWidget* parent) : QWidget(parent) {
  auto* grid = new QGridLayout;
  for (int c = 0; c < kCommandCount; ++c) {
    buttons_[c] = new QPushButton(tr(kCaptions[c]), this);
    buttons_[c]->setAutoDefault(false);
    buttons_[c]->setToolTip(tr(kHints[c]));
    grid->addWidget(buttons_[c], c / 2, c % 2);
    connect(buttons_[c], &QPushButton::clicked, this, [this, c] { emit commandChosen(c); });
  }
  summary_ = new QLabel(this);
  summary_->setWordWrap(true);
  grids_ = new StoreMachineGrids(this);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(grid);
  layout->addWidget(summary_);
  layout->addWidget(grids_);
  layout->addStretch(1);
}

void StoreBulkPage::clear() {
  for (QPushButton* b : buttons_) b->setEnabled(false);
  summary_->clear();
  grids_->clear();
}

void StoreBulkPage::showStore(const tworld&, const Ttempo& s) {
  // The same rule the job stream follows: islands to set, and slot islands for the morning.
  const JobStream js = jobStreamFor(s);
  buttons_[kProfitRates]->setEnabled(js.has(JobStep::ProfitRates));
  buttons_[kBusinessForms]->setEnabled(js.has(JobStep::BusinessForms));
  buttons_[kMorning]->setEnabled(js.has(JobStep::Morning));
  buttons_[kNewDefaults]->setEnabled(true);
  const MachineCounts c = s.machineCounts();
  summary_->setText(tr("ﾊﾟﾁﾝｺ %1島（%2台）  ﾊﾟﾁｽﾛ %3島（%4台）  ﾓｰﾆﾝｸﾞ %5台")
                        .arg(c.pachinkoIslands)
                        .arg(c.pachinkoMachines)
                        .arg(c.slotIslands)
                        .arg(c.slotMachines)
                        .arg(s.morningTotal()));
  grids_->showStore(s);
}

}  // namespace gm

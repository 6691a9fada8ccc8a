// The research window.
#include "shell/research_window.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QProgressBar>
#include <QVBoxLayout>

#include "base/rating.h"
#include "shell/qt_text.h"
#include "world/calendar.h"
#include "world/world.h"

namespace gm {

namespace {

// The gauges' own names for the rivals, as the research firm spells them.
constexpr std::array<const char*, kRivalCount> kRivalLabels = {
    "パーラーワイルド", "パーラースピード", "パーラーユダ", "ＭＥＤＩＡ  ＰＡＲＫ", "釘心会館"};
constexpr std::array<const char*, kResearchGauges> kGaugeNames = {"myg",   "wildg",  "speedg",
                                                                  "yudag", "mediag", "kugising"};

}  // namespace

Treserchform::Treserchform(const tworld& world, QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("reserchform"));
  const YearMonth d = MonthToDate(world.month);
  setWindowTitle(
      tr("%1年 %2月のリサーチ結果").arg(QString::number(d.year), QString::number(d.month)));

  company_ = new QLabel(qs(world.kaichou.kaishaname.view()), this);
  company_->setObjectName(QStringLiteral("kaishanamelb"));
  heading_ =
      new QLabel(tr("%1のパチンコファンの店舗に対する支持率").arg(qs(world.cityName.view())), this);

  const ResearchFigures figures = researchFigures(world);
  auto* grid = new QGridLayout;
  for (int i = 0; i < kResearchGauges; ++i) {
    const QString name =
        i == 0 ? qs(world.kaichou.kaishaname.view()) : QString::fromUtf8(kRivalLabels[i - 1]);
    labels_[i] = new QLabel(name, this);
    gauges_[i] = new QProgressBar(this);
    gauges_[i]->setObjectName(QString::fromLatin1(kGaugeNames[i]));
    gauges_[i]->setRange(0, 100);
    gauges_[i]->setValue(clamp100(figures.gauges[i].percent));
    gauges_[i]->setFormat(QStringLiteral("%v%"));
    gauges_[i]->setMinimumWidth(240);
    labels_[i]->setVisible(figures.gauges[i].visible);
    gauges_[i]->setVisible(figures.gauges[i].visible);
    grid->addWidget(labels_[i], i, 0);
    grid->addWidget(gauges_[i], i, 1);
  }

  auto* buttons = new QDialogButtonBox(this);
  buttons->addButton(tr("閉じる(&C)"), QDialogButtonBox::AcceptRole);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(company_);
  layout->addWidget(heading_);
  layout->addLayout(grid);
  layout->addWidget(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);
}

void showResearchWindow(QWidget* parent, const tworld& world) {
  Treserchform window(world, parent);
  window.exec();
}

}  // namespace gm

// The budget page.
#include "ui/budget_page.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/figure_grid.h"
#include "ui/figure_text.h"

namespace gm {

namespace {

QStringList costColumns() { return {BudgetPage::tr("今月予測"), BudgetPage::tr("先月実績")}; }

void money(FigureGrid* g, int row, int column, Money m) {
  g->setFigure(row, column, moneyFigure(m), m < Money());
}

}  // namespace

BudgetPage::BudgetPage(bool forCompany, QWidget* parent) : QWidget(parent) {
  grids_[kEstimate] = new FigureGrid({tr("売上予測"), tr("粗利益予測"), tr("利益率予測"),
                                      tr("先月の売上"), tr("先月の粗利益"), tr("先月の利益率")},
                                     {tr("ﾊﾟﾁﾝｺ"), tr("ﾊﾟﾁｽﾛ"), tr("合計")}, this);
  grids_[kPersonnel] =
      new FigureGrid({tr("給与"), tr("教育費"), tr("福利厚生費"), tr("合計")}, costColumns(), this);
  grids_[kOperating] =
      new FigureGrid({tr("台の運営費"), tr("販売促進費"), tr("合計")}, costColumns(), this);
  grids_[kMaintenance] = new FigureGrid(
      {tr("台の保守費"), tr("建物の保守費"), tr("設備の保守費"), tr("合計")}, costColumns(), this);
  grids_[kProfit] = new FigureGrid(
      {tr("粗利益"), tr("人件費"), tr("営業費"), tr("保守費"), tr("経費合計"), tr("純利益")},
      costColumns(), this);
  grids_[kEstimate]->setObjectName(QStringLiteral("gaisangrid"));
  grids_[kPersonnel]->setObjectName(QStringLiteral("jinkengrid"));
  grids_[kOperating]->setObjectName(QStringLiteral("eigyougrid"));
  grids_[kMaintenance]->setObjectName(QStringLiteral("hoshugrid"));
  grids_[kProfit]->setObjectName(QStringLiteral("riekigrid"));
  grids_[kEstimate]->setToolTip(
      tr("今月の予測は、先月のお客様の数と売上げに今の利益率を当てはめたものです"));

  const std::array<QString, kGridCount> titles = {tr("概算"), tr("人件費内訳"), tr("営業費内訳"),
                                                  tr("保守費内訳"), tr("経費を差し引いた利益")};
  // The estimate and what is left of it down the left, the three costs down the right; the
  // profit grid is the tallest and takes the two lower rows.
  auto* grids = new QGridLayout;
  grids->addWidget(grids_[kEstimate]->boxed(titles[kEstimate], this), 0, 0);
  grids->addWidget(grids_[kProfit]->boxed(titles[kProfit], this), 1, 0, 2, 1, Qt::AlignTop);
  grids->addWidget(grids_[kPersonnel]->boxed(titles[kPersonnel], this), 0, 1);
  grids->addWidget(grids_[kOperating]->boxed(titles[kOperating], this), 1, 1);
  grids->addWidget(grids_[kMaintenance]->boxed(titles[kMaintenance], this), 2, 1);
  grids->setColumnStretch(2, 1);

  const std::array<QString, kCommandCount> captions = {tr("売上詳細(&E)"), tr("保守費詳細(&T)"),
                                                       tr("人件費調整(&N)"), tr("実績報告書(&J)"),
                                                       tr("リサーチ(&A)")};
  const std::array<const char*, kCommandCount> names = {
      "urishousaibtn", "hoshushousaibtn", "jinkenchouseibtn", "jissekibtn", "reserchbtn"};
  auto* commands = new QHBoxLayout;
  for (int c = 0; c < kCommandCount; ++c) {
    if (forCompany && c == kPersonnelCosts) continue;
    buttons_[c] = new QPushButton(captions[c], this);
    buttons_[c]->setObjectName(QLatin1String(names[c]));
    buttons_[c]->setAutoDefault(false);
    connect(buttons_[c], &QPushButton::clicked, this, [this, c] { emit commandChosen(c); });
    commands->addWidget(buttons_[c]);
  }
  commands->addStretch(1);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(grids);
  layout->addStretch(1);
  layout->addLayout(commands);
}

void BudgetPage::clear() {
  for (FigureGrid* g : grids_) g->clearFigures();
}

void BudgetPage::showBudget(const Budget& b) {
  FigureGrid* e = grids_[kEstimate];
  for (int k = 0; k < 3; ++k) {
    money(e, kSalesForecast, k, b.forecast.sales[k]);
    money(e, kGrossForecast, k, b.forecast.grossProfit[k]);
    e->setFigure(kRateForecast, k, rateFigure(b.forecast.profitRate[k]),
                 b.forecast.profitRate[k] < Money());
    money(e, kSalesLast, k, b.lastMonth.sales[k]);
    money(e, kGrossLast, k, b.lastMonth.grossProfit[k]);
    e->setFigure(kRateLast, k, rateFigure(b.lastMonth.profitRate[k]),
                 b.lastMonth.profitRate[k] < Money());
  }
  const std::array<const BudgetColumn*, 2> columns = {&b.forecast, &b.lastMonth};
  for (int c = 0; c < 2; ++c) {
    const BudgetColumn& col = *columns[c];
    FigureGrid* p = grids_[kPersonnel];
    p->setFigure(0, c, moneyFigure(col.personnel.salaries));
    p->setFigure(1, c, moneyFigure(col.personnel.education));
    p->setFigure(2, c, moneyFigure(col.personnel.welfare));
    p->setFigure(3, c, moneyFigure(col.personnel.total));
    FigureGrid* o = grids_[kOperating];
    money(o, 0, c, col.operating.running);
    o->setFigure(1, c, moneyFigure(int64_t{col.operating.promotion}));
    money(o, 2, c, col.operating.total);
    FigureGrid* m = grids_[kMaintenance];
    money(m, 0, c, col.maintenance[kMachineUpkeep]);
    money(m, 1, c, col.maintenance[kBuildingUpkeep]);
    money(m, 2, c, col.equipmentUpkeep);
    money(m, 3, c, col.maintenance[kMaintenanceTotal]);
    FigureGrid* r = grids_[kProfit];
    money(r, 0, c, col.grossProfit[kTotal]);
    r->setFigure(1, c, moneyFigure(col.personnel.total));
    money(r, 2, c, col.operating.total);
    money(r, 3, c, col.maintenance[kMaintenanceTotal]);
    money(r, 4, c, col.cost);
    money(r, 5, c, col.netProfit);
  }
  for (FigureGrid* g : grids_) g->fit();
}

}  // namespace gm

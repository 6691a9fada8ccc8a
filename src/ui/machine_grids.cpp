// The machine grids.
#include "ui/machine_grids.h"

#include <QCoreApplication>
#include <functional>

#include "shell/qt_text.h"
#include "ui/figure_grid.h"
#include "ui/figure_text.h"

namespace gm {

namespace {

struct GridText {
  Q_DECLARE_TR_FUNCTIONS(machine_grids)
};

const MachineRow& rowOf(const MachineTable& t, int row) {
  return row < kMachineTypeCount ? t.types[row] : t.kinds[row - kMachineTypeCount];
}

FigureGrid* make(const QStringList& columns, const char* name, QWidget* parent) {
  auto* g = new FigureGrid(machineRowCaptions(), columns, parent);
  g->setObjectName(QLatin1String(name));
  return g;
}

// Fills every row with `cells(row, row of the table)`, then fits the grid.
void fill(FigureGrid* g, const MachineTable& t,
          const std::function<void(int, const MachineRow&)>& cells) {
  for (int r = 0; r < g->rowCount(); ++r) cells(r, rowOf(t, r));
  g->fit();
}

void money(FigureGrid* g, int row, int column, Money m) {
  g->setFigure(row, column, moneyFigure(m), m < Money());
}
void yen(FigureGrid* g, int row, int column, Money m) {
  g->setFigure(row, column, yenFigure(m), m < Money());
}
void rate(FigureGrid* g, int row, int column, Money m) {
  g->setFigure(row, column, rateFigure(m), m < Money());
}

}  // namespace

QStringList machineRowCaptions() {
  QStringList rows;
  for (int t = 0; t < kMachineTypeCount; ++t) rows << qs(machineTypeName(t));
  rows << GridText::tr("ﾊﾟﾁﾝｺ計") << GridText::tr("ﾊﾟﾁｽﾛ計") << GridText::tr("合計");
  return rows;
}

FigureGrid* makeResultsGrid(QWidget* parent) {
  return make({GridText::tr("島数"), GridText::tr("利益率(設定)"), GridText::tr("利益率(実績)"),
               GridText::tr("売上/台/日(円)"), GridText::tr("粗利益/台/日(円)"),
               GridText::tr("客単価(円)"), GridText::tr("客付き")},
              "jissekigrid", parent);
}

void showResults(FigureGrid* g, const MachineTable& t) {
  fill(g, t, [g](int r, const MachineRow& m) {
    g->setFigure(r, 0, countFigure(m.islands));
    rate(g, r, 1, m.averageRiritu);
    rate(g, r, 2, m.averageRealisedRate);
    yen(g, r, 3, m.averageSalesPerMachineDay);
    yen(g, r, 4, m.averageGrossProfitPerMachineDay);
    yen(g, r, 5, m.averageSpendPerCustomer);
    g->setFigure(r, 6, percentFigure(m.averageAttendance));
  });
}

FigureGrid* makeInstalledGrid(QWidget* parent) {
  QStringList columns = {GridText::tr("島数"), GridText::tr("台数")};
  for (int f = 0; f < 4; ++f) columns << qs(businessFormName(f));
  columns << GridText::tr("ﾓｰﾆﾝｸﾞ");
  return make(columns, "uchiwakegrid", parent);
}

void showInstalled(FigureGrid* g, const MachineTable& t) {
  fill(g, t, [g](int r, const MachineRow& m) {
    g->setFigure(r, 0, countFigure(m.islands));
    g->setFigure(r, 1, countFigure(m.machines));
    for (int f = 0; f < 4; ++f) g->setFigure(r, 2 + f, countFigure(m.forms[f]));
    g->setFigure(r, 6, countFigure(m.morning));
  });
}

FigureGrid* makeCountsGrid(QWidget* parent) {
  return make({GridText::tr("設置 島数"), GridText::tr("設置 台数"), GridText::tr("倉庫 島数"),
               GridText::tr("倉庫 台数")},
              "daisuugrid", parent);
}

void showCounts(FigureGrid* g, const MachineTable& stores, const MachineTable& warehouse) {
  for (int r = 0; r < g->rowCount(); ++r) {
    g->setFigure(r, 0, countFigure(rowOf(stores, r).islands));
    g->setFigure(r, 1, countFigure(rowOf(stores, r).machines));
    g->setFigure(r, 2, countFigure(rowOf(warehouse, r).islands));
    g->setFigure(r, 3, countFigure(rowOf(warehouse, r).machines));
  }
  g->fit();
}

FigureGrid* makeStockGrid(QWidget* parent) {
  return make({GridText::tr("島数"), GridText::tr("台数")}, "stockgrid", parent);
}

void showStock(FigureGrid* g, const MachineTable& t) {
  fill(g, t, [g](int r, const MachineRow& m) {
    g->setFigure(r, 0, countFigure(m.islands));
    g->setFigure(r, 1, countFigure(m.machines));
  });
}

FigureGrid* makeTakingsGrid(QWidget* parent) {
  return make({GridText::tr("台数"), GridText::tr("売上"), GridText::tr("粗利益"),
               GridText::tr("利益率"), GridText::tr("粗利益予測"), GridText::tr("利益率予測")},
              "urishousaigrid", parent);
}

void showTakings(FigureGrid* g, const MachineTable& t) {
  fill(g, t, [g](int r, const MachineRow& m) {
    g->setFigure(r, 0, countFigure(m.machines));
    money(g, r, 1, m.sales);
    money(g, r, 2, m.grossProfit);
    rate(g, r, 3, m.profitRate);
    money(g, r, 4, m.expectedGrossProfit);
    rate(g, r, 5, m.expectedProfitRate);
  });
}

}  // namespace gm

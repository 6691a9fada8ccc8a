// The machine grids of the management screens, each a row per machine type and then the
// pachinko, slot and overall rows: the average results of an island (台の実績詳細（平均）), the
// machines installed (設置されている台数の内訳), the company's counts in its stores and its
// warehouse (台数の一覧), the stock (ｽﾄｯｸされている台の内訳) and the takings by type (the
// "売上／利益  種別集計" dialog's grid).
#pragma once

#include <QStringList>

#include "store/machine_figures.h"

class QWidget;

namespace gm {

class FigureGrid;

// The rows every machine grid has: the ten types, then "ﾊﾟﾁﾝｺ計", "ﾊﾟﾁｽﾛ計", "合計".
QStringList machineRowCaptions();
inline constexpr int kKindRow = kMachineTypeCount;  // the pachinko row; slot and total follow

FigureGrid* makeResultsGrid(QWidget* parent);
void showResults(FigureGrid* grid, const MachineTable& table);

FigureGrid* makeInstalledGrid(QWidget* parent);
void showInstalled(FigureGrid* grid, const MachineTable& table);

FigureGrid* makeCountsGrid(QWidget* parent);
void showCounts(FigureGrid* grid, const MachineTable& stores, const MachineTable& warehouse);

FigureGrid* makeStockGrid(QWidget* parent);
void showStock(FigureGrid* grid, const MachineTable& warehouse);

FigureGrid* makeTakingsGrid(QWidget* parent);
void showTakings(FigureGrid* grid, const MachineTable& table);

}  // namespace gm

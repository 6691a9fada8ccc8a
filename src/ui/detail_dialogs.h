// The budget page's two detail dialogs: "売上／利益  種別集計" (`Turishousai`), last month's
// takings and profit of each machine type beside the profit its set rates would keep, and
// "設備保守費詳細"
// (`Thoshushousai`), the fifteen maintenance values, forecast and last month. Each shows the
// figures of one store or of the whole company, named over the grid, and only looks.
#pragma once

#include <QDialog>

#include "store/budget_figures.h"
#include "store/machine_figures.h"

namespace gm {

class FigureGrid;

class Turishousai : public QDialog {
  Q_OBJECT

 public:
  Turishousai(const QString& subject, const MachineTable& table, QWidget* parent = nullptr);
  FigureGrid* grid() const { return grid_; }

 private:
  FigureGrid* grid_;
};

class Thoshushousai : public QDialog {
  Q_OBJECT

 public:
  // Rows: machines, the building with its manipulations, the twelve equipment items, the total.
  Thoshushousai(const QString& subject, const Budget& budget, QWidget* parent = nullptr);
  FigureGrid* grid() const { return grid_; }

 private:
  FigureGrid* grid_;
};

}  // namespace gm

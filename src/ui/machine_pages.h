// Two pages of machine grids. The store window's bulk-settings page ("一括設定") shows the
// store's average island results (台の実績詳細（平均）) and its installed machines by type
// (設置されている台数の内訳) beside the page's commands; the company manager's "全設置台データ"
// shows the machines of every store and of the warehouse (台数の一覧) and the average results of
// every installed island.
#pragma once

#include <QWidget>

namespace gm {

class FigureGrid;
class Ttempo;
class tkaichou;

class StoreMachineGrids : public QWidget {
  Q_OBJECT

 public:
  explicit StoreMachineGrids(QWidget* parent = nullptr);
  void showStore(const Ttempo& store);
  void clear();
  FigureGrid* resultsGrid() const { return results_; }
  FigureGrid* installedGrid() const { return installed_; }

 private:
  FigureGrid* results_;
  FigureGrid* installed_;
};

class CompanyMachinesPage : public QWidget {
  Q_OBJECT

 public:
  explicit CompanyMachinesPage(QWidget* parent = nullptr);
  void showCompany(const tkaichou& company);
  FigureGrid* countsGrid() const { return counts_; }
  FigureGrid* resultsGrid() const { return results_; }

 private:
  FigureGrid* counts_;
  FigureGrid* results_;
};

}  // namespace gm

// The budget page ("予算") of the store window and of the company manager: five grids, the
// estimate (概算), the personnel costs (人件費内訳), the operating costs (営業費内訳), the
// maintenance costs (保守費内訳) and the profit after costs (経費を差し引いた利益), each with the
// month in progress as forecast beside the month last closed; and the page's commands.
#pragma once

#include <QWidget>
#include <array>

#include "store/budget_figures.h"

class QPushButton;

namespace gm {

class FigureGrid;

class BudgetPage : public QWidget {
  Q_OBJECT

 public:
  enum Grid { kEstimate, kPersonnel, kOperating, kMaintenance, kProfit, kGridCount };
  enum Command {
    kTakings,
    kMaintenanceDetail,
    kPersonnelCosts,
    kResults,
    kResearch,
    kCommandCount
  };
  // Rows of the estimate (columns: pachinko, slot, total).
  enum EstimateRow {
    kSalesForecast,
    kGrossForecast,
    kRateForecast,
    kSalesLast,
    kGrossLast,
    kRateLast
  };
  // Columns of the four cost grids.
  enum CostColumn { kForecast, kLastMonth };

  // The company's page has no "人件費調整(&N)": its personnel costs are set store by store.
  explicit BudgetPage(bool forCompany, QWidget* parent = nullptr);

  void showBudget(const Budget& budget);
  void clear();

  FigureGrid* grid(Grid g) const { return grids_[g]; }
  QPushButton* button(Command c) const { return buttons_[c]; }

 signals:
  void commandChosen(int command);

 private:
  std::array<FigureGrid*, kGridCount> grids_{};
  std::array<QPushButton*, kCommandCount> buttons_{};
};

}  // namespace gm

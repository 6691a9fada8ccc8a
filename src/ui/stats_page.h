// The statistics page ("統計") of the store window and of the company manager: the twelve-month
// history of the fourteen series in a grid with each series' average, and the charts of the
// results ("実績ｸﾞﾗﾌ(&J)": the money series), of the abilities ("能力ｸﾞﾗﾌ(&P)": refinement, fame,
// satisfaction, morale and skill) and of the yearly averages ("年間平均(&Y)"). "切替(&C)" turns
// between the grid and the chart; the check boxes choose which series the charts draw.
#pragma once

#include <QWidget>
#include <array>

#include "store/history.h"

class QCheckBox;
class QPushButton;
class QStackedWidget;

namespace gm {

class FigureGrid;
class HistoryGraph;
class Ttempo;
class tworld;

// What the page shows: each series with its average, how many of the newest months hold a
// history, and the month number of the newest of them.
struct HistoryView {
  std::array<HistorySummary, kHistorySeries> series{};
  int months = 0;
  int lastMonth = 0;
  bool company = false;  // series 0 is the company's total assets, not a store's asset value
};
HistoryView storeHistory(const tworld& world, const Ttempo& store);
HistoryView companyHistory(const tworld& world);

// The series' names as the grid and the legends write them.
QString seriesName(int series, bool company);

class StatsPage : public QWidget {
  Q_OBJECT

 public:
  enum View { kGrid, kResultsGraph, kAbilityGraph, kYearlyAverage };

  explicit StatsPage(QWidget* parent = nullptr);

  void showHistory(const HistoryView& history);
  void clear();
  void setView(View view);
  View view() const { return view_; }

  FigureGrid* grid() const { return grid_; }
  HistoryGraph* graph() const { return graph_; }
  QPushButton* switchButton() const { return switch_; }
  QPushButton* resultsButton() const { return results_; }
  QPushButton* abilityButton() const { return ability_; }
  QPushButton* averageButton() const { return average_; }
  // The box that puts a series into the charts; none for the rates, which only the grid shows.
  QCheckBox* seriesBox(int series) const { return boxes_[series]; }

 private:
  void drawGraph();

  HistoryView history_;
  View view_ = kGrid;
  View lastGraph_ = kResultsGraph;
  QStackedWidget* stack_;
  FigureGrid* grid_;
  HistoryGraph* graph_;
  QWidget* resultsBoxes_;
  QWidget* abilityBoxes_;
  std::array<QCheckBox*, kHistorySeries> boxes_{};
  QPushButton* switch_;
  QPushButton* results_;
  QPushButton* ability_;
  QPushButton* average_;
};

}  // namespace gm

// The district overview (`Tchikudata`, "地区概略"): the city's figures, the business rules (the
// union's cuts, the hours and days they leave, the exchange limits, the disposal of machines and
// its fees), the blocks by kind, and the laws in force with the explanation of the one selected.
#pragma once

#include <QString>

#include "shell/sub_windows.h"

class QLabel;
class QShowEvent;
class QListWidget;
class QTableWidget;
class QTabWidget;

namespace gm {

// The window's caption: the bonus months say so.
QString districtCaption(int monthNumber);
// An exchange limit as the overview shows it: the rate's name, or "なし" for no limit.
QString exchangeLimitText(int index, bool slot);

class DistrictWindow : public Tchikudata {
  Q_OBJECT

 public:
  explicit DistrictWindow(TMain& main);

  void refresh() override;

  // The label showing one of the figures, by its name ("population", "dailyHours", ...).
  QLabel* figure(const QString& name) const;
  QListWidget* lawList() const { return laws_; }
  QLabel* lawExplanationLabel() const { return explanation_; }
  QTableWidget* feeTable() const { return fees_; }
  QTableWidget* kindTable() const { return kinds_; }
  QTabWidget* pages() const { return pages_; }

 protected:
  // However it is opened (menu, start of play, after the machine purchase), it shows the city
  // as it is now.
  void showEvent(QShowEvent* event) override;

 private:
  void showExplanation();

  QTabWidget* pages_;
  QListWidget* laws_;
  QLabel* explanation_;
  QTableWidget* fees_;
  QTableWidget* kinds_;
};

}  // namespace gm

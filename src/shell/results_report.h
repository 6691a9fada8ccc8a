// The monthly results report (`Tjissekiform` "実績報告書"): the company's closing figures and, for
// the whole company or one store, thirteen figures of this month and last month from their
// histories with the change between them. The texts are built by plain functions so that they
// can be checked without a window.
#pragma once

#include <QString>
#include <QWidget>
#include <array>
#include <vector>

#include "base/money.h"
#include "shell/sub_windows.h"

class QLabel;
class QListWidget;
class QTableWidget;

namespace gm {

class Tbackup;
class tworld;

// Caption: city name, "  ", year "年 ", month "月" and "の実績報告書" for month number `month`.
QString reportCaption(const tworld& world, int month);
// "Y年M月" of a month number; empty before the first month.
QString reportDate(int month);
// A figure with the screens' "#,##0".
QString reportFigure(Money value);

// The change from last month to this month, truncated to a whole number; a rise carries "+".
struct ReportChange {
  QString text;
  bool negative = false;  // shown in red
};
ReportChange reportChange(Money thisMonth, Money lastMonth);

// One of the thirteen rows of the selection's figures.
struct ReportRow {
  QString label;
  int series = 0;      // in the history
  bool money = false;  // shown in thousands of yen; the others are rates and ratings
  QString thisMonth;
  QString lastMonth;
  ReportChange change;
};
inline constexpr int kReportRows = 13;
std::array<ReportRow, kReportRows> reportRows(const Tbackup& history);

// The lines of the company block; the pachinko tax only while it is law, the evaded tax only
// while the manoeuvre is on.
struct CompanyLine {
  QString label;
  QString value;
  QString hint;
  bool negative = false;  // shown in red (the result after tax)
};
std::vector<CompanyLine> companyLines(const tworld& world);

// The list: "全体" (slot 0, the company) and every store in use with its slot number 1..50.
struct ReportEntry {
  QString name;
  int slot = 0;
};
std::vector<ReportEntry> reportEntries(const tworld& world);
// The history behind an entry.
const Tbackup& reportHistory(const tworld& world, int slot);

// The report's contents, shared by the start-up window and the stand-alone dialog.
class ResultsReportView : public QWidget {
  Q_OBJECT

 public:
  explicit ResultsReportView(QWidget* parent = nullptr);

  // Fills the report for month number `month` (the month just closed).
  void load(const tworld& world, int month);
  // Shows the figures of list entry `row` (0: the whole company).
  void selectEntry(int row);

  QListWidget* list() const { return list_; }
  QTableWidget* table() const { return table_; }
  QTableWidget* companyTable() const { return company_; }
  QLabel* companyName() const { return companyName_; }
  // The advisor's lines, shown while the option `shindanhoukoku` is on.
  QListWidget* adviceList() const { return advice_; }

 private:
  const tworld* world_ = nullptr;
  std::vector<ReportEntry> entries_;
  QLabel* companyName_;
  QTableWidget* company_;
  QListWidget* list_;
  QTableWidget* table_;
  QListWidget* advice_;
};

// The start-up window's full form; the program installs it through SubWindowMakers.
class ResultsReportWindow : public Tjissekiform {
  Q_OBJECT

 public:
  explicit ResultsReportWindow(TMain& main);
  void showReport(int month, const QString& companyName, uint16_t laws) override;
  ResultsReportView* view() const { return view_; }

 private:
  ResultsReportView* view_;
};

}  // namespace gm

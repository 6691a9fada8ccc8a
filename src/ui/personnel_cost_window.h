// The personnel cost window (`Tjinkenchousei`, "人件費調整"): salary, education and welfare a
// head and month for one store or several selected stores, starting from their averages, with
// the month's personnel cost that the values would give. "決定(&R)" hands them to the spending
// order.
#pragma once

#include <QDialog>

#include "company/personnel_orders.h"
#include "company/personnel_spending.h"

class QLabel;
class QPushButton;
class QSpinBox;

namespace gm {

class tworld;

class Tjinkenchousei : public QDialog {
  Q_OBJECT

 public:
  Tjinkenchousei(tworld& world, const StoreSelection& stores, QWidget* parent = nullptr);

  QSpinBox* salaryEdit() const { return salary_; }
  QSpinBox* educationEdit() const { return education_; }
  QSpinBox* welfareEdit() const { return welfare_; }
  QLabel* storesLabel() const { return stores_; }
  QLabel* totalLabel() const { return total_; }
  QPushButton* okButton() const { return ok_; }
  PersonnelSpending values() const;

 private:
  void showTotal();
  void order();

  tworld& world_;
  StoreSelection selection_;
  QLabel* stores_;
  QSpinBox* salary_;
  QSpinBox* education_;
  QSpinBox* welfare_;
  QLabel* total_;
  QPushButton* ok_;
  QPushButton* cancel_;
};

// Runs the window for the selected stores; true when the values were written. Nothing opens when
// no selected store is in use.
bool runPersonnelCostDialog(QWidget* parent, tworld& world, const StoreSelection& stores);

}  // namespace gm

// The hiring window (`Tkoyouform`, "雇用人数"): how many people to look for and of which sex,
// with what that costs and the cash that would remain. Its "決定(&R)" hands the numbers to the
// hiring order, which asks, pays and brings the recruits in; the window closes once the order
// has gone through (or when nobody is to be hired).
#pragma once

#include <QDialog>
#include <array>
#include <functional>

#include "base/money.h"
#include "company/hiring.h"

class QLabel;
class QPushButton;
class QRadioButton;
class QSpinBox;

namespace gm {

class PersonnelSession;
class TypingBox;

// The staff the session's halls lack for their need, less the people already in its pool (0 at
// least): what the hiring window offers to hire.
int staffShortage(const PersonnelSession& session);

class Tkoyouform : public QDialog {
  Q_OBJECT

 public:
  Tkoyouform(PersonnelSession& session, int waittime, QWidget* parent = nullptr);

  // Runs the window; true when people were hired.
  bool run();

  QSpinBox* countEdit() const { return count_; }
  QRadioButton* sexButton(HireSex sex) const { return sexes_[static_cast<int>(sex)]; }
  HireSex sex() const;
  QLabel* costLabel() const { return cost_; }
  QLabel* remainingLabel() const { return remaining_; }
  QPushButton* okButton() const { return ok_; }

 private:
  void showCost();
  void order();

  PersonnelSession& session_;
  TypingBox* prompt_;
  QSpinBox* count_;
  std::array<QRadioButton*, 3> sexes_{};
  QLabel* cost_;
  QLabel* cash_;
  QLabel* remaining_;
  QPushButton* ok_;
  QPushButton* cancel_;
  bool hired_ = false;
};

}  // namespace gm

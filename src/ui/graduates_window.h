// The entry window (`Tsaiyouform`, "入社"): the year's new graduates, men and women with the
// morale and skill they share, and how many of each the player takes. "採用(&R)" hands the choice
// to the entry order, which asks and puts those taken into the personnel screen's pool.
#pragma once

#include <QDialog>

#include "base/frontend.h"

class QLabel;
class QPushButton;
class QSpinBox;

namespace gm {

class PersonnelSession;
class TypingBox;

class Tsaiyouform : public QDialog {
  Q_OBJECT

 public:
  Tsaiyouform(PersonnelSession& session, const GraduateOffer& offer, int waittime,
              QWidget* parent = nullptr);

  // Runs the window; true when anybody was taken in.
  bool run();

  QSpinBox* menEdit() const { return men_; }
  QSpinBox* womenEdit() const { return women_; }
  QLabel* totalLabel() const { return total_; }
  QPushButton* okButton() const { return ok_; }

 private:
  void showTotal();
  void order();

  PersonnelSession& session_;
  GraduateOffer offer_;
  TypingBox* prompt_;
  QSpinBox* men_;
  QSpinBox* women_;
  QLabel* total_;
  QPushButton* ok_;
  QPushButton* cancel_;
  bool taken_ = false;
};

}  // namespace gm

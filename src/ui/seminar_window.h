// The seminar window (`Tseminorform`, "経営者ｾﾐﾅｰ"): the president's four qualities as numbers
// and gauges, and the four courses of this seminar; "決定(&R)" closes it with the course chosen
// (the fee is paid, so there is no way out without one).
#pragma once

#include <QDialog>
#include <array>

#include "base/frontend.h"

class QCloseEvent;
class QLabel;
class QListWidget;
class QProgressBar;
class QPushButton;

namespace gm {

class TypingBox;

class Tseminorform : public QDialog {
  Q_OBJECT

 public:
  Tseminorform(const SeminarOffer& offer, int waittime, QWidget* parent = nullptr);

  // Runs the window; the list entry chosen (0..3).
  int run();

  QListWidget* courseList() const { return list_; }
  QPushButton* okButton() const { return ok_; }
  // The qualities in the window's order: charm, intelligence, leadership, appraisal.
  QLabel* qualityValue(int i) const { return values_[i]; }
  QProgressBar* qualityGauge(int i) const { return gauges_[i]; }

 public slots:
  void reject() override {}

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  TypingBox* prompt_;
  std::array<QLabel*, 4> values_{};
  std::array<QProgressBar*, 4> gauges_{};
  QListWidget* list_;
  QPushButton* ok_;
};

// The seminar window for the program's port.
int askSeminarCourse(QWidget* parent, const SeminarOffer& offer, int waittime);

}  // namespace gm

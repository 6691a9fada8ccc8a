// The research window (`Treserchform` "リサーチ"): how much of the city's pachinko fans the
// player's stores and each rival's stores draw a day, as six gauges (figures from the core's
// `researchFigures`).
#pragma once

#include <QDialog>
#include <array>

#include "company/research.h"

class QLabel;
class QProgressBar;

namespace gm {

class Treserchform : public QDialog {
  Q_OBJECT

 public:
  explicit Treserchform(const tworld& world, QWidget* parent = nullptr);

  // Gauge 0 is the player's (`myg`), 1..5 the rivals' in their order.
  QProgressBar* gauge(int i) const { return gauges_[i]; }
  QLabel* gaugeLabel(int i) const { return labels_[i]; }
  QLabel* companyLabel() const { return company_; }
  QLabel* heading() const { return heading_; }

 private:
  QLabel* company_;
  QLabel* heading_;
  std::array<QLabel*, kResearchGauges> labels_{};
  std::array<QProgressBar*, kResearchGauges> gauges_{};
};

// Shows the research of the world's current month modally.
void showResearchWindow(QWidget* parent, const tworld& world);

}  // namespace gm

// A profit-rate edit: per cent to one decimal, -100.0 .. 100.0, read back as the game's
// four-decimal value without a floating-point value reaching the game.
#pragma once

#include <QDoubleSpinBox>
#include <cmath>

#include "base/money.h"

namespace gm {

class RateSpinBox : public QDoubleSpinBox {
 public:
  explicit RateSpinBox(QWidget* parent = nullptr) : QDoubleSpinBox(parent) {
    setDecimals(1);
    setRange(-100.0, 100.0);
    setSingleStep(0.1);
    setSuffix(QStringLiteral(" %"));
    setAlignment(Qt::AlignRight);
  }
  // The rate shown, in tenths of a per cent, as the game keeps it.
  Money rate() const { return Money::fromRaw(std::llround(value() * 10.0) * 1000); }
  void setRate(Money r) { setValue(static_cast<double>(r.raw()) / 10000.0); }
};

}  // namespace gm

// The calculator "電卓" (`TCalcForm`): a pocket calculator for the player's own sums (the cost of
// a plan, a share of the takings). It works as pocket calculators do: each operator finishes the
// sum so far, "%" takes a per cent of the running total for + and -, and a division by zero
// shows "E" until "C". The keyboard types into it as well.
#pragma once

#include <QDialog>
#include <QString>
#include <array>

class QLabel;
class QPushButton;

namespace gm {

class CalculatorEngine {
 public:
  void digit(int d);
  void point();
  // '+', '-', '*' or '/'.
  void op(char o);
  void equals();
  void percent();
  void negate();
  void backspace();
  void clearEntry();
  void clear();

  bool error() const { return error_; }
  // The number shown, with thousands separators: "1,234.5", "-0.25", "E".
  QString display() const;

 private:
  double entryValue() const;
  void setEntry(double v);
  void apply();

  double acc_ = 0;
  char pending_ = 0;
  QString entry_ = QStringLiteral("0");  // the digits typed, or the last result
  bool typing_ = false;                  // the next digit starts a new number when false
  bool error_ = false;
};

class TCalcForm : public QDialog {
  Q_OBJECT

 public:
  explicit TCalcForm(QWidget* parent = nullptr);

  const CalculatorEngine& engine() const { return engine_; }
  QString displayText() const;
  // The button that types `key` ("7", "+", "=", "C", ...).
  QPushButton* key(const QString& key) const;

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void press(const QString& key);

  CalculatorEngine engine_;
  QLabel* display_;
  std::array<QPushButton*, 21> keys_{};
};

}  // namespace gm

// The calculator.
#include "ui/calculator_dialog.h"

#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QVBoxLayout>
#include <cmath>

namespace gm {

namespace {

constexpr int kMaxDigits = 12;
constexpr double kLimit = 1e15;

// Thousands separators in the whole part of a plain decimal text.
QString grouped(const QString& plain) {
  QString sign, whole = plain, fraction;
  if (whole.startsWith(QLatin1Char('-'))) {
    sign = QStringLiteral("-");
    whole.remove(0, 1);
  }
  const qsizetype dot = whole.indexOf(QLatin1Char('.'));
  if (dot >= 0) {
    fraction = whole.mid(dot);
    whole.truncate(dot);
  }
  for (qsizetype i = whole.size() - 3; i > 0; i -= 3) whole.insert(i, QLatin1Char(','));
  return sign + whole + fraction;
}

int digitsIn(const QString& s) {
  int n = 0;
  for (QChar c : s)
    if (c.isDigit()) ++n;
  return n;
}

// Four keys a row; "=" takes the whole last row.
const std::array<QString, 21> kKeys = {
    QStringLiteral("C"), QStringLiteral("CE"), QStringLiteral("←"), QStringLiteral("%"),
    QStringLiteral("7"), QStringLiteral("8"),  QStringLiteral("9"), QStringLiteral("÷"),
    QStringLiteral("4"), QStringLiteral("5"),  QStringLiteral("6"), QStringLiteral("×"),
    QStringLiteral("1"), QStringLiteral("2"),  QStringLiteral("3"), QStringLiteral("－"),
    QStringLiteral("0"), QStringLiteral("."),  QStringLiteral("±"), QStringLiteral("＋"),
    QStringLiteral("="),
};

// What a key shows. The keys are known by the Japanese full-width plus and minus, which
// another language writes its own way.
QString keyFace(const QString& key) {
  if (key == QStringLiteral("＋")) return TCalcForm::tr("＋");
  if (key == QStringLiteral("－")) return TCalcForm::tr("－");
  return key;
}

}  // namespace

double CalculatorEngine::entryValue() const { return entry_.toDouble(); }

void CalculatorEngine::setEntry(double v) {
  if (!std::isfinite(v) || std::fabs(v) >= kLimit) {
    error_ = true;
    return;
  }
  // Twelve significant digits, without trailing zeros.
  QString s = QString::number(v, 'g', kMaxDigits);
  if (s.contains(QLatin1Char('e'))) s = QString::number(v, 'f', 10);
  if (s.contains(QLatin1Char('.'))) {
    while (s.endsWith(QLatin1Char('0'))) s.chop(1);
    if (s.endsWith(QLatin1Char('.'))) s.chop(1);
  }
  if (s == QLatin1String("-0")) s = QStringLiteral("0");
  entry_ = s;
}

void CalculatorEngine::digit(int d) {
  if (error_ || d < 0 || d > 9) return;
  if (!typing_) {
    entry_ = QStringLiteral("0");
    typing_ = true;
  }
  if (digitsIn(entry_) >= kMaxDigits) return;
  if (entry_ == QLatin1String("0"))
    entry_ = QString::number(d);
  else if (entry_ == QLatin1String("-0"))
    entry_ = QStringLiteral("-") + QString::number(d);
  else
    entry_ += QString::number(d);
}

void CalculatorEngine::point() {
  if (error_) return;
  if (!typing_) {
    entry_ = QStringLiteral("0");
    typing_ = true;
  }
  if (!entry_.contains(QLatin1Char('.'))) entry_ += QLatin1Char('.');
}

void CalculatorEngine::apply() {
  const double b = entryValue();
  switch (pending_) {
    case '+':
      acc_ += b;
      break;
    case '-':
      acc_ -= b;
      break;
    case '*':
      acc_ *= b;
      break;
    case '/':
      if (b == 0) {
        error_ = true;
        return;
      }
      acc_ /= b;
      break;
    default:
      acc_ = b;
  }
  setEntry(acc_);
  // What is shown is what the next operator works on.
  acc_ = entryValue();
}

void CalculatorEngine::op(char o) {
  if (error_) return;
  // A second operator in a row only changes its mind.
  if (typing_ || pending_ == 0) apply();
  pending_ = o;
  typing_ = false;
}

void CalculatorEngine::equals() {
  if (error_) return;
  if (pending_ != 0) apply();
  pending_ = 0;
  typing_ = false;
}

void CalculatorEngine::percent() {
  if (error_) return;
  const double v = entryValue();
  setEntry(pending_ == '+' || pending_ == '-' ? acc_ * v / 100 : v / 100);
  typing_ = true;
}

void CalculatorEngine::negate() {
  if (error_ || entry_ == QLatin1String("0")) return;
  entry_ = entry_.startsWith(QLatin1Char('-')) ? entry_.mid(1) : QStringLiteral("-") + entry_;
  typing_ = true;
}

void CalculatorEngine::backspace() {
  if (error_ || !typing_) return;
  entry_.chop(1);
  if (entry_.isEmpty() || entry_ == QLatin1String("-")) entry_ = QStringLiteral("0");
}

void CalculatorEngine::clearEntry() {
  if (error_) return clear();
  entry_ = QStringLiteral("0");
  typing_ = true;
}

void CalculatorEngine::clear() { *this = CalculatorEngine(); }

QString CalculatorEngine::display() const { return error_ ? QStringLiteral("E") : grouped(entry_); }

TCalcForm::TCalcForm(QWidget* parent) : QDialog(parent) {
  setWindowTitle(tr("電卓"));
  display_ = new QLabel(this);
  display_->setObjectName(QStringLiteral("calcdisplay"));
  display_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  display_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  display_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  QFont big = display_->font();
  big.setPointSizeF(big.pointSizeF() * 1.6);
  display_->setFont(big);
  display_->setMinimumWidth(display_->fontMetrics().horizontalAdvance(QStringLiteral("0")) * 18);

  auto* keys = new QGridLayout;
  for (int i = 0; i < static_cast<int>(kKeys.size()); ++i) {
    keys_[i] = new QPushButton(keyFace(kKeys[i]), this);
    keys_[i]->setAutoDefault(false);
    keys_[i]->setFocusPolicy(Qt::NoFocus);  // the keyboard goes to the calculator itself
    const QString k = kKeys[i];
    connect(keys_[i], &QPushButton::clicked, this, [this, k] { press(k); });
    if (i == static_cast<int>(kKeys.size()) - 1)
      keys->addWidget(keys_[i], i / 4, 0, 1, 4);
    else
      keys->addWidget(keys_[i], i / 4, i % 4);
  }
  auto* close = new QPushButton(tr("閉じる(&X)"), this);
  close->setAutoDefault(false);
  close->setFocusPolicy(Qt::NoFocus);
  connect(close, &QPushButton::clicked, this, &QDialog::accept);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(display_);
  layout->addLayout(keys);
  layout->addWidget(close, 0, Qt::AlignRight);
  display_->setText(engine_.display());
}

QString TCalcForm::displayText() const { return display_->text(); }

QPushButton* TCalcForm::key(const QString& k) const {
  for (int i = 0; i < static_cast<int>(kKeys.size()); ++i)
    if (kKeys[i] == k) return keys_[i];
  return nullptr;
}

void TCalcForm::press(const QString& k) {
  if (k.size() == 1 && k[0].isDigit())
    engine_.digit(k[0].digitValue());
  else if (k == QLatin1String("."))
    engine_.point();
  else if (k == QStringLiteral("＋"))
    engine_.op('+');
  else if (k == QStringLiteral("－"))
    engine_.op('-');
  else if (k == QStringLiteral("×"))
    engine_.op('*');
  else if (k == QStringLiteral("÷"))
    engine_.op('/');
  else if (k == QLatin1String("="))
    engine_.equals();
  else if (k == QLatin1String("%"))
    engine_.percent();
  else if (k == QStringLiteral("±"))
    engine_.negate();
  else if (k == QStringLiteral("←"))
    engine_.backspace();
  else if (k == QLatin1String("CE"))
    engine_.clearEntry();
  else if (k == QLatin1String("C"))
    engine_.clear();
  display_->setText(engine_.display());
}

void TCalcForm::keyPressEvent(QKeyEvent* event) {
  const QString t = event->text();
  switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
      return press(QStringLiteral("="));
    case Qt::Key_Backspace:
      return press(QStringLiteral("←"));
    case Qt::Key_Delete:
      return press(QStringLiteral("CE"));
    case Qt::Key_Escape:
      // Esc clears first and closes only a calculator that shows nothing.
      if (engine_.display() != QLatin1String("0")) return press(QStringLiteral("C"));
      return QDialog::keyPressEvent(event);
    default:
      break;
  }
  if (t.size() == 1) {
    const QChar c = t[0];
    if (c.isDigit() || c == QLatin1Char('.') || c == QLatin1Char('=') || c == QLatin1Char('%'))
      return press(QString(c));
    if (c == QLatin1Char('+')) return press(QStringLiteral("＋"));
    if (c == QLatin1Char('-')) return press(QStringLiteral("－"));
    if (c == QLatin1Char('*')) return press(QStringLiteral("×"));
    if (c == QLatin1Char('/')) return press(QStringLiteral("÷"));
  }
  QDialog::keyPressEvent(event);
}

}  // namespace gm
